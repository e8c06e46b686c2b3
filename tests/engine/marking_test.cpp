// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/marking.h"
#include "engine/score.h"

using namespace tarnivo;

namespace {
const std::array<std::string, 3> workedKey{"2", "6", "3"};
}

TEST(Marking, BoxesAreComparedExactlyAfterTrimmingBlanks) {
    struct Case {
        const char* name;
        std::array<std::string, 3> boxes;
        std::array<bool, 3> verdicts;
    };
    const std::string megabyteOfDigits(1 << 20, '7');
    const Case cases[] = {
        {"as the key", {"2", "6", "3"}, {true, true, true}},
        {"blanks around", {"2 ", " 6 ", "   3"}, {true, true, true}},
        {"leading zero", {"02", "6", "3"}, {false, true, true}},
        {"empty", {"", "", ""}, {false, false, false}},
        {"only blanks", {" ", "  ", ""}, {false, false, false}},
        {"signs and fractions", {"+2", "6.0", "-3"}, {false, false, false}},
        {"letters", {"two", "6a", "x3"}, {false, false, false}},
        {"inner blank", {"2", "6 6", "3"}, {true, false, true}},
        {"tab and newline are not blanks", {"2\t", "\n6", "3"}, {false, false, true}},
        {"no-break space", {"2", "\u00a06", "3"}, {true, false, true}},
        {"full-width digit", {"\uff12", "6", "3"}, {false, true, true}},
        {"control characters", {std::string("2\0", 2), "\x1b", "3\x7f"}, {false, false, false}},
        {"a megabyte of digits", {megabyteOfDigits, "6", "3"}, {false, true, true}},
        {"a megabyte of blanks around",
         {std::string(1 << 20, ' ') + "2", "6", "3" + std::string(1 << 20, ' ')},
         {true, true, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(MarkAnswer(c.boxes, workedKey), c.verdicts) << c.name;
}

TEST(Marking, GradeIsTheWholePercentWithSignPosition) {
    struct Case {
        double right;
        double total;
        const char* grade;
    };
    const Case cases[] = {
        {2, 3, " 66%"}, {1, 1, " 100%"}, {20, 27, " 74%"},  {0, 0, "0%"},      {1, 2, " 50%"},
        {0, 5, " 0%"},  {1, 3, " 33%"},  {57, 100, " 57%"}, {20, 20, " 100%"}, {40000, 40001, " 99%"},
    };
    for (const Case& c : cases) EXPECT_EQ(GradeText(c.right, c.total), c.grade) << c.right << " of " << c.total;
}

TEST(Marking, SetIsCompleteFromTheLimitOn) {
    struct Case {
        const char* counter;
        bool complete;
    };
    const Case cases[] = {
        {"20", true}, {"19", false},  {" 20", true},   {"21", true},    {"1", false},
        {"", false},  {"abc", false}, {"20abc", true}, {"19.5", false}, {"-20", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSetComplete(c.counter, ProblemLimit), c.complete) << '"' << c.counter << '"';
    EXPECT_TRUE(IsSetComplete("3", 3));
}
