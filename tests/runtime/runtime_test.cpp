// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "app/runtime/bounded_array.h"
#include "app/runtime/counter.h"
#include "app/runtime/errors.h"
#include "app/runtime/integer.h"
#include "app/runtime/random_source.h"
#include "app/runtime/text.h"

using namespace tarnivo;

TEST(Integer, ArithmeticIsCheckedAtBothEnds) {
    EXPECT_EQ((Integer(32766) + 1).value(), 32767);
    EXPECT_THROW(Integer(32767) + 1, OverflowError);
    EXPECT_THROW(Integer(-32768) - 1, OverflowError);
    EXPECT_THROW(Integer(200) * 200, OverflowError);
    EXPECT_EQ((Integer(-181) * 181).value(), -32761);
    EXPECT_THROW(Integer(40000), OverflowError);
    Integer i = 32767;
    EXPECT_THROW(++i, OverflowError);
    EXPECT_EQ(i.value(), 32767) << "a failed step leaves the value as it was";
}

TEST(Integer, DivisionTruncatesTowardZeroAndModKeepsTheDividendSign) {
    EXPECT_EQ(Integer(7).div(2).value(), 3);
    EXPECT_EQ(Integer(-7).div(2).value(), -3);
    EXPECT_EQ(Integer(-7).mod(2).value(), -1);
    EXPECT_EQ(Integer(5).mod(2).value(), 1);
    EXPECT_THROW((void)Integer(-32768).div(-1), OverflowError);
    EXPECT_THROW((void)Integer(3).div(0), FloatingPointError);
}

TEST(Integer, RoundingGoesToNearestWithTiesToEvenAndIsChecked) {
    EXPECT_EQ(Integer::round(1830.0F).value(), 1830);
    EXPECT_EQ(Integer::round(2.5).value(), 2);
    EXPECT_EQ(Integer::round(3.5).value(), 4);
    EXPECT_EQ(Integer::round(-0.4).value(), 0);
    EXPECT_THROW(Integer::round(32767.5), OverflowError);
    EXPECT_THROW(Integer::round(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    EXPECT_THROW(Integer::round(std::numeric_limits<double>::infinity()), OverflowError);
}

TEST(Counter, StartsEmptyCountsAndCarriesOnPastTheIntegerRange) {
    Counter c;
    EXPECT_TRUE(c.isEmpty());
    EXPECT_EQ(c.value(), 0.0);
    c.increment();
    EXPECT_EQ(c, Counter(Integer(1))) << "a whole number";
    EXPECT_EQ(c.value(), 1.0);

    Counter high(Integer(32766));
    high.increment();
    EXPECT_EQ(high, Counter(Integer(32767))) << "still a whole number";
    high.increment();
    EXPECT_NE(high, Counter(Integer(32767)));
    EXPECT_EQ(high.value(), 32768.0) << "past the whole-number range, so a floating value";
    high.increment();
    EXPECT_EQ(high.value(), 32769.0);
    EXPECT_EQ(signText(high.value()), " 32769");
}

TEST(Text, NumberConversionsKeepOrDropTheSignPosition) {
    struct Case {
        double value;
        const char* sign;
        const char* plain;
    };
    const Case cases[] = {
        {3, " 3", "3"},       {-7, "-7", "-7"},    {0, " 0", "0"}, {-0.0, " 0", "0"}, {27000, " 27000", "27000"},
        {2.5, " 2.5", "2.5"}, {66.0, " 66", "66"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(signText(c.value), c.sign) << c.value;
        EXPECT_EQ(plainText(c.value), c.plain) << c.value;
    }
    EXPECT_EQ(trim(" 3"), "3");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim("\t3 "), "\t3") << "only blanks are trimmed";
}

TEST(Text, NumericValueReadsTheLeadingNumberOfAnyText) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"19", 19},
        {"  20", 20},
        {"-4", -4},
        {"+7x", 7},
        {"3.25 apples", 3.25},
        {".5", 0.5},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"  .", 0},
        {"1 2", 1},
        {"0020", 20},
        {"\t5", 0},
        {"\xC3\xA9"
         "12",
         0},
        {std::string("7\0"
                     "9",
                     3),
         7},
    };
    for (const auto& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';

    const std::string megabyteOfDigits(1 << 20, '9');
    EXPECT_TRUE(std::isinf(numericValue(megabyteOfDigits)));
    EXPECT_EQ(numericValue("0." + std::string(1 << 20, '0') + "1"), 0.0);
    EXPECT_EQ(numericValue(std::string(1 << 20, ' ')), 0.0);
}

TEST(RandomSource, DrawsTheSameFixedSequenceOnEveryStart) {
    RandomSource first;
    RandomSource second;
    // x1 = (0x50000 * 0x43FD43FD + 0xC39EC3) mod 2^24, and so on.
    std::uint32_t x = 0x50000;
    for (int i = 0; i < 1000; ++i) {
        x = static_cast<std::uint32_t>((static_cast<std::uint64_t>(x) * 0x43FD43FDULL + 0xC39EC3ULL) % (1ULL << 24));
        const float a = first.next();
        ASSERT_EQ(a, second.next());
        ASSERT_EQ(a, static_cast<float>(x) / 16777216.0F);
        ASSERT_GE(a, 0.0F);
        ASSERT_LT(a, 1.0F);
    }
    RandomSource fresh;
    EXPECT_FLOAT_EQ(fresh.next(), 0xB49EC3 / 16777216.0F);
}

TEST(BoundedArray, IndexOutsideTheDeclaredBoundsIsASubscriptError) {
    BoundedGrid<Integer, 0, 4, 0, 3> grid;
    grid(4, 3) = 2;
    EXPECT_EQ(grid(4, 3).value(), 2);
    EXPECT_THROW(grid(5, 0), SubscriptError);
    EXPECT_THROW(grid(0, -1), SubscriptError);
    BoundedArray<long, 0, 4> terms;
    EXPECT_THROW(terms(5), SubscriptError);
}
