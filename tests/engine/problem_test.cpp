// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "app/runtime/errors.h"
#include "app/runtime/random_source.h"
#include "engine/problem.h"
#include "tests/engine/engine_printers.h"

using namespace tarnivo;

namespace {

// Feeds the values it is given, in order.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(values.begin(), values.end()) {}
    float next() override {
        if (values_.empty()) {
            ADD_FAILURE() << "more values drawn than scripted";
            return 0.0F;
        }
        const float value = values_.front();
        values_.pop_front();
        return value;
    }
    [[nodiscard]] std::size_t left() const { return values_.size(); }

private:
    std::deque<float> values_;
};

using Rows = std::array<std::array<int, 3>, 4>;  // exponents of 2, 3, 5 for terms 1..4

ExponentTable tableOf(const Rows& rows) {
    ExponentTable grid;
    for (int t = 1; t <= 4; ++t)
        for (int j = 1; j <= 3; ++j)
            grid(t, j) = rows[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(j - 1)];
    return grid;
}

Rows rowsOf(const ExponentTable& grid, int firstRow = 1) {
    Rows rows{};
    for (int t = 0; t < 4; ++t)
        for (int j = 0; j < 3; ++j)
            rows[static_cast<std::size_t>(t)][static_cast<std::size_t>(j)] = grid(t + firstRow, j + 1).value();
    return rows;
}

PrimeBaseTable basesOf(int a, int b, int c) {
    PrimeBaseTable bases;
    bases(1) = a;
    bases(2) = b;
    bases(3) = c;
    return bases;
}

}  // namespace

TEST(Problem, WorkedExampleSimplifiesPrimeByPrime) {
    // 10·√12 / (3·√50)
    const ExponentTable grid = tableOf({{{1, 0, 1}, {2, 1, 0}, {0, 1, 0}, {1, 0, 2}}});

    TermTable terms;
    ComputeTerms(PrimeBases(), grid, terms);
    EXPECT_EQ((std::array{terms(1), terms(2), terms(3), terms(4)}), (std::array{10, 12, 3, 50}));

    ExponentTable key;
    SimplifyExponents(grid, key);
    // Rows: coefficient, radicand, denominator, left under the denominator's radical.
    const Rows expected{{{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}}};
    EXPECT_EQ(rowsOf(key), expected);

    const AnswerKey answer = ComputeAnswerKey(PrimeBases(), key);
    EXPECT_EQ(answer, (AnswerKey{2, 6, 3}));
    EXPECT_FALSE(NeedsAnswerForm(answer));

    const DrillProblem problem = SolveExponents(PrimeBases(), grid);
    EXPECT_EQ(problem.termTexts, (std::array<std::string, 4>{"10", "12", "3", "50"}));
    EXPECT_EQ(problem.keyTexts, (std::array<std::string, 3>{"2", "6", "3"}));
}

TEST(Problem, ExtremeTablesStayInsideSixteenBits) {
    struct Case {
        const char* name;
        Rows rows;
        std::array<int, 4> terms;
        std::array<std::string, 3> keyTexts;
        bool needsForm;
    };
    const Case cases[] = {
        {"all exponents 0", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, {1, 1, 1, 1}, {"1", "1", "1"}, true},
        {"all exponents 2",
         {{{2, 2, 2}, {2, 2, 2}, {2, 2, 2}, {2, 2, 2}}},
         {900, 900, 900, 900},
         {"1", "1", "1"},
         true},
        {"largest coefficient",
         {{{2, 2, 2}, {2, 2, 2}, {0, 0, 0}, {0, 0, 0}}},
         {900, 900, 1, 1},
         {"27000", "1", "1"},
         true},
        {"largest denominator",
         {{{0, 0, 0}, {0, 0, 0}, {2, 2, 2}, {1, 1, 1}}},
         {1, 1, 900, 30},
         {"1", "30", "27000"},
         true},
        {"rationalised 1/√2", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}}}, {1, 1, 1, 2}, {"1", "2", "2"}, true},
        {"full answer form", {{{1, 0, 1}, {2, 1, 0}, {0, 1, 0}, {1, 0, 2}}}, {10, 12, 3, 50}, {"2", "6", "3"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DrillProblem problem = SolveExponents(PrimeBases(), tableOf(c.rows));
        const auto& t = problem.problemTerms;
        EXPECT_EQ((std::array{t(1), t(2), t(3), t(4)}), c.terms);
        EXPECT_EQ(problem.keyTexts, c.keyTexts);
        EXPECT_EQ(NeedsAnswerForm(problem.answerKey), c.needsForm);
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(problem.keyExponents(4, j), 0);
    }
}

TEST(Problem, RaiseToMultipliesInCheckedSixteenBits) {
    struct Case {
        int base;
        int exponent;
        int power;
    };
    const Case cases[] = {
        {5, 0, 1},   {2, 3, 8},      {3, -1, 1},      {0, 0, 1},     {5, 1, 5},   {3, 3, 27},
        {-2, 3, -8}, {2, 14, 16384}, {181, 2, 32761}, {1, 32767, 1}, {-1, 5, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(RaiseTo(c.base, c.exponent), c.power) << c.base << "^" << c.exponent;
    EXPECT_THROW((void)RaiseTo(2, 15), OverflowError);
    EXPECT_THROW((void)RaiseTo(182, 2), OverflowError);
    EXPECT_THROW((void)RaiseTo(32, 3), OverflowError);
}

TEST(Problem, OverflowIsReportedNotWrapped) {
    // With larger primes the same steps leave 16 bits; the checked arithmetic must say so.
    const ExponentTable twos = tableOf({{{2, 2, 2}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}});
    TermTable terms;
    EXPECT_THROW(ComputeTerms(basesOf(7, 11, 13), twos, terms), OverflowError);  // 143143

    ExponentTable key;
    SimplifyExponents(tableOf({{{2, 2, 2}, {2, 2, 2}, {0, 0, 0}, {0, 0, 0}}}), key);
    EXPECT_THROW((void)ComputeAnswerKey(basesOf(2, 3, 7), key), OverflowError);  // 8·27·343
    EXPECT_EQ(ComputeAnswerKey(PrimeBases(), key), (AnswerKey{27000, 1, 1}));
}

TEST(Problem, TablesKeepTheirDeclaredBounds) {
    EXPECT_EQ(PrimeBases()(1), 2);
    EXPECT_EQ(PrimeBases()(2), 3);
    EXPECT_EQ(PrimeBases()(3), 5);
    EXPECT_THROW((void)PrimeBases()(0), SubscriptError);
    EXPECT_THROW((void)PrimeBases()(4), SubscriptError);

    DrillProblem problem;
    EXPECT_NO_THROW((void)problem.exponentGrid(0, 0));
    EXPECT_NO_THROW((void)problem.keyExponents(4, 3));
    EXPECT_THROW((void)problem.exponentGrid(5, 1), SubscriptError);
    EXPECT_THROW((void)problem.exponentGrid(1, 4), SubscriptError);
    EXPECT_THROW((void)problem.keyExponents(-1, 1), SubscriptError);
    EXPECT_NO_THROW((void)problem.problemTerms(0));
    EXPECT_THROW((void)problem.problemTerms(5), SubscriptError);
}

TEST(Problem, DrawsFillTermByTermAndPrimeByPrime) {
    std::vector<float> values(24, 0.5F);
    values[0] = 0.10F;
    values[1] = 0.40F;
    values[2] = 0.70F;
    values[12] = 0.90F;  // the first draw of the second problem
    values[13] = 0.05F;
    ScriptedRandom random(values);

    const DrillProblem first = GenerateProblem(random);
    EXPECT_EQ(random.left(), 12U) << "one problem takes exactly twelve draws";
    EXPECT_EQ(rowsOf(first.exponentGrid), (Rows{{{0, 1, 2}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}}}));
    EXPECT_EQ(first.problemTerms(1), 75);
    EXPECT_EQ(first.termTexts[0], "75");

    const DrillProblem second = GenerateProblem(random);
    EXPECT_EQ(second.exponentGrid(1, 1), 2);
    EXPECT_EQ(second.exponentGrid(1, 2), 0);
    EXPECT_EQ(random.left(), 0U);
}

TEST(Problem, EveryDrawBecomesAnExponentOfZeroOneOrTwo) {
    const float belowOne = std::nextafter(1.0F, 0.0F);
    const float third = 1.0F / 3.0F;      // just above 1/3 as a float
    const float twoThirds = 2.0F / 3.0F;  // just above 2/3 as a float
    struct Case {
        float draw;
        int exponent;
    };
    const Case cases[] = {
        {0.0F, 0},
        {std::nextafter(third, 0.0F), 0},
        {third, 1},
        {0.5F, 1},
        {std::nextafter(twoThirds, 0.0F), 1},
        {twoThirds, 2},
        {belowOne, 2},
        // A source straying outside [0, 1) still gives exponents the arithmetic is sized for.
        {1.0F, 2},
        {7.5F, 2},
        {-0.25F, 0},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        ScriptedRandom random(std::vector<float>(12, c.draw));
        ExponentTable grid;
        DrawExponents(random, grid);
        for (int t = 1; t <= 4; ++t)
            for (int j = 1; j <= 3; ++j) ASSERT_EQ(grid(t, j), c.exponent) << "draw " << c.draw;
        EXPECT_NO_THROW((void)SolveExponents(PrimeBases(), grid));
    }
}

TEST(Problem, FirstProblemAfterStartIsAlwaysTheSame) {
    RandomSource random;
    const DrillProblem first = GenerateProblem(random);
    EXPECT_EQ(first.termTexts, (std::array<std::string, 4>{"60", "25", "225", "20"}));
    EXPECT_EQ(first.keyTexts, (std::array<std::string, 3>{"2", "5", "15"}));
    EXPECT_EQ(first.answerKey, (AnswerKey{2, 5, 15}));
}

TEST(Problem, TwoFreshSourcesGiveTheSameSet) {
    RandomSource one;
    RandomSource other;
    std::vector<DrillProblem> set;
    for (int n = 0; n < 20; ++n) {
        set.push_back(GenerateProblem(one));
        EXPECT_EQ(set.back(), GenerateProblem(other)) << "problem " << n + 1;
        EXPECT_EQ(set.back(), SolveExponents(PrimeBases(), set.back().exponentGrid));
    }
    int repeats = 0;
    for (std::size_t n = 1; n < set.size(); ++n) repeats += set[n] == set[n - 1] ? 1 : 0;
    EXPECT_LT(repeats, 3) << "a set is not the same problem over and over";
}
