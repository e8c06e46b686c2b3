// SPDX-License-Identifier: MIT
// Every one of the 3^12 exponent tables, solved by the engine and checked against
// plain arithmetic on the numbers themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

#include "engine/problem.h"
#include "tests/support/next_exponent_table.h"

using namespace tarnivo;

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::array<std::int64_t, 3> primes{2, 3, 5};

std::int64_t termValue(const ExponentTable& grid, int t) {
    std::int64_t value = 1;
    for (int j = 1; j <= 3; ++j)
        for (int k = 0; k < grid(t, j).value(); ++k) value *= primes[static_cast<std::size_t>(j - 1)];
    return value;
}

}  // namespace

TEST(Exhaustive, EveryTableGivesAnEqualFullySimplifiedKey) {
    constexpr std::array<std::int64_t, 8> squareFree{1, 2, 3, 5, 6, 10, 15, 30};
    ExponentTable grid;
    TermTable terms;
    ExponentTable keyExponents;
    long tables = 0;
    long needingForm = 0;
    long failures = 0;
    do {
        ++tables;
        // Any step leaving 16 bits throws OverflowError, which fails the test.
        ComputeTerms(PrimeBases(), grid, terms);
        SimplifyExponents(grid, keyExponents);
        const AnswerKey key = ComputeAnswerKey(PrimeBases(), keyExponents);
        needingForm += NeedsAnswerForm(key) ? 1 : 0;

        const std::int64_t a = termValue(grid, 1);
        const std::int64_t b = termValue(grid, 2);
        const std::int64_t c = termValue(grid, 3);
        const std::int64_t d = termValue(grid, 4);
        const std::int64_t bigA = key.coefficient.value();
        const std::int64_t bigB = key.radicand.value();
        const std::int64_t bigC = key.denominator.value();

        // a√b / (c√d) = A√B / C, squared and cross-multiplied: a²b·C² = A²B·c²d.
        const Wide left = Wide(a * a * b) * Wide(bigC * bigC);
        const Wide right = Wide(bigA * bigA * bigB) * Wide(c * c * d);
        const bool sameValue = left == right;
        const bool termsRight = terms(1) == a && terms(2) == b && terms(3) == c && terms(4) == d;
        const bool lowestTerms = std::gcd(bigA, bigC) == 1;
        const bool radicandSquareFree = std::find(squareFree.begin(), squareFree.end(), bigB) != squareFree.end();
        const bool denominatorRational = keyExponents(4, 1) == 0 && keyExponents(4, 2) == 0 && keyExponents(4, 3) == 0;

        if (!(sameValue && termsRight && lowestTerms && radicandSquareFree && denominatorRational) && ++failures <= 5) {
            ADD_FAILURE() << a << "·√" << b << " / (" << c << "·√" << d << ") gave " << bigA << "·√" << bigB << " / "
                          << bigC << (sameValue ? "" : ", another value") << (termsRight ? "" : ", wrong terms")
                          << (lowestTerms ? "" : ", A and C share a prime")
                          << (radicandSquareFree ? "" : ", B not square-free")
                          << (denominatorRational ? "" : ", radical left in the denominator");
        }
    } while (tarnivo::testing::NextExponentTable(grid));

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(tables, 531441);
    EXPECT_EQ(needingForm, 321393);
}
