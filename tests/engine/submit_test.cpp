// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/runtime/random_source.h"
#include "engine/problem.h"
#include "engine/score.h"
#include "engine/submit.h"

using namespace tarnivo;

namespace {

using Texts = std::array<std::string, 3>;
const Texts workedKey{"2", "6", "3"};
constexpr auto green = RightBoxColour;
constexpr auto red = WrongBoxColour;

void expectScoreLabelsUntouched(const SubmitOutcome& outcome) {
    EXPECT_FALSE(outcome.fullyRight);
    EXPECT_FALSE(outcome.totalText.has_value());
    EXPECT_FALSE(outcome.rightText.has_value());
    EXPECT_FALSE(outcome.gradeText.has_value());
    EXPECT_FALSE(outcome.setComplete);
}

void expectScoreLabels(const SubmitOutcome& outcome, const char* total, const char* right, const char* grade) {
    EXPECT_TRUE(outcome.fullyRight);
    EXPECT_EQ(outcome.boxColours, (std::array{green, green, green}));
    EXPECT_EQ(outcome.totalText, total);
    EXPECT_EQ(outcome.rightText, right);
    EXPECT_EQ(outcome.gradeText, grade);
}

}  // namespace

TEST(Submit, WrongThenRightShowsTheScoreOnlyAfterTheRightAnswer) {
    Score score;
    const SubmitOutcome wrong = Submit(score, {"2", "6", "4"}, workedKey, "1", ProblemLimit);
    EXPECT_EQ(wrong.verdicts, (std::array{true, true, false}));
    EXPECT_EQ(wrong.boxColours, (std::array{green, green, red}));
    expectScoreLabelsUntouched(wrong);
    EXPECT_EQ(score.TotalCount().value(), 1);
    EXPECT_TRUE(score.RightCount().isEmpty());

    const SubmitOutcome right = Submit(score, {"2", " 6", "3 "}, workedKey, "1", ProblemLimit);
    expectScoreLabels(right, " 2", " 1", " 50%");
    EXPECT_FALSE(right.setComplete);
}

TEST(Submit, FirstAnswerRightGivesFullMarks) {
    Score score;
    expectScoreLabels(Submit(score, workedKey, workedKey, "1", ProblemLimit), " 1", " 1", " 100%");
}

TEST(Submit, EmptyBoxesAreAllWrongButCounted) {
    Score score;
    const SubmitOutcome outcome = Submit(score, {"", "", ""}, workedKey, "1", ProblemLimit);
    EXPECT_EQ(outcome.verdicts, (std::array{false, false, false}));
    EXPECT_EQ(outcome.boxColours, (std::array{red, red, red}));
    expectScoreLabelsUntouched(outcome);
    EXPECT_EQ(score.TotalCount().value(), 1);
}

TEST(Submit, HiddenBoxHoldingOneIsMarkedLikeAnyOther) {
    // The answer form √B/C hides the coefficient box and puts "1" into it.
    Score score;
    const SubmitOutcome fits = Submit(score, {"1", "6", "3"}, {"1", "6", "3"}, "4", ProblemLimit);
    EXPECT_TRUE(fits.fullyRight);

    const SubmitOutcome wrongForm = Submit(score, {"1", "6", "3"}, workedKey, "5", ProblemLimit);
    EXPECT_EQ(wrongForm.verdicts, (std::array{false, true, true}));
    EXPECT_EQ(wrongForm.boxColours, (std::array{red, green, green}));
    expectScoreLabelsUntouched(wrongForm);
}

TEST(Submit, RightAnswerToTheLastProblemCompletesTheSet) {
    struct Case {
        const char* counter;
        bool right;
        bool complete;
    };
    const Case cases[] = {
        {"20", true, true},
        {"19", true, false},
        {"20", false, false},
        {"21", true, true},
    };
    for (const Case& c : cases) {
        Score score;
        const Texts boxes = c.right ? workedKey : Texts{"2", "6", ""};
        EXPECT_EQ(Submit(score, boxes, workedKey, c.counter, ProblemLimit).setComplete, c.complete)
            << "counter " << c.counter << (c.right ? ", right" : ", wrong");
    }
}

TEST(Submit, WeirdBoxTextsAreJustWrong) {
    Score score;
    const Texts weird[] = {
        {"\x01\x02", "\xff\xfe", "\u00e9"},
        {std::string(1 << 20, '9'), "-", "+"},
        {"1e3", "0x2", "  "},
        {std::string(3, '\0'), "\r\n", "\t"},
    };
    for (const Texts& boxes : weird) {
        SubmitOutcome outcome;
        ASSERT_NO_THROW(outcome = Submit(score, boxes, workedKey, "3", ProblemLimit));
        EXPECT_EQ(outcome.boxColours, (std::array{red, red, red}));
        expectScoreLabelsUntouched(outcome);
    }
    EXPECT_EQ(score.TotalCount().value(), 4);
    EXPECT_TRUE(score.RightCount().isEmpty());
}

TEST(Submit, WholeSetKeepsCountingToTheEnd) {
    // Twenty problems, each answered wrong once before the right answer on every third.
    RandomSource random;
    Score score;
    SubmitOutcome last;
    for (int n = 1; n <= ProblemLimit; ++n) {
        const DrillProblem problem = GenerateProblem(random);
        const std::string counter = std::to_string(n);
        if (n % 3 == 0)
            expectScoreLabelsUntouched(Submit(score, {"", "", ""}, problem.keyTexts, counter, ProblemLimit));
        last = Submit(score, problem.keyTexts, problem.keyTexts, counter, ProblemLimit);
        ASSERT_TRUE(last.fullyRight) << "problem " << n;
        EXPECT_EQ(last.setComplete, n == ProblemLimit) << "problem " << n;
    }
    expectScoreLabels(last, " 26", " 20", " 76%");
}
