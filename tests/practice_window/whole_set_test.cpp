// SPDX-License-Identifier: MIT
// A whole set of twenty problems, answered from the key as a student would, some wrong
// first, ending on the end-of-set screen.
#include "tests/practice_window/practice_fixture.h"

namespace practice_test {
namespace {

std::string countText(int count) { return std::string(" ").append(std::to_string(count)); }

class WholeSet : public PracticeWindow {
protected:
    // Submits an answer that is wrong in the first box the shape lets the student type into.
    void submitWrong(const Answer& answer) {
        const int box = tarnivo::AnswerFormSelector::firstAnswerBox(answer.shape);
        typeInto(box, answer.boxes[static_cast<std::size_t>(box)] + "0");
        click(form->cmdSubmit);
        EXPECT_EQ(form->txtAnswer[static_cast<std::size_t>(box)].backColor(), Red);
        EXPECT_TRUE(form->cmdSubmit.enabled());
        EXPECT_FALSE(form->cmdNew.enabled());
        EXPECT_EQ(focused(), &form->txtAnswer[static_cast<std::size_t>(form->txtAnswer[0].visible() ? 0 : box)]);
    }

    void submitRight(const Answer& answer) {
        for (int box = 0; box < 3; ++box) {
            const std::string& text = answer.boxes[static_cast<std::size_t>(box)];
            if (!text.empty()) typeInto(box, text);
        }
        click(form->cmdSubmit);
        EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{Green, Green, Green}));
    }
};

TEST_F(WholeSet, TwentyProblemsEndOnTheSummaryScreen) {
    fillStudentData();

    click(form->cmdStart);
    int right = 0;
    int total = 0;
    std::vector<int> shapesUsed;
    for (int problem = 1; problem <= tarnivo::ProblemLimit; ++problem) {
        SCOPED_TRACE("problem " + std::to_string(problem));
        ASSERT_EQ(form->lblProbCount.caption(), std::to_string(problem));
        const Answer answer = answerFor(key());
        if (form->selectedAnswerForm() != answer.shape) chooseForm(answer.shape);
        shapesUsed.push_back(answer.shape);
        if (problem % 3 == 2) {
            submitWrong(answer);
            ++total;
        }
        submitRight(answer);
        ++total;
        ++right;
        EXPECT_EQ(form->lblRight.caption(), countText(right));
        EXPECT_EQ(form->lblWrong.caption(), countText(total));
        EXPECT_EQ(form->lblPercent.caption(), countText(right * 100 / total) + "%");
        EXPECT_FALSE(form->cmdSubmit.enabled());
        if (problem < tarnivo::ProblemLimit) {
            ASSERT_EQ(focused(), &form->cmdNew);
            click(form->cmdNew);
        }
    }
    // The set asked for reduced shapes as well as the full one.
    EXPECT_NE(std::count(shapesUsed.begin(), shapesUsed.end(), 0), tarnivo::ProblemLimit);

    ASSERT_EQ(total, 27);
    EXPECT_EQ(form->lblRight.caption(), countText(tarnivo::ProblemLimit));
    EXPECT_EQ(form->lblWrong.caption(), " 27");
    EXPECT_EQ(form->lblPercent.caption(), " 74%");
    EXPECT_EQ(form->lblProbCount.caption(), std::to_string(tarnivo::ProblemLimit));

    for (const tk::Frame* frame : {&form->fraProb, &form->fraKey, &form->fraAnswer})
        EXPECT_FALSE(frame->visible()) << frame->name();
    const std::vector<const tk::Control*> answerArea{&form->Frame1, &form->optAnswerForm[0], &form->txtAnswer[0],
                                                     &form->Image4};
    for (const tk::Control* inside : answerArea) EXPECT_FALSE(inside->shownOnScreen()) << inside->fullName();
    EXPECT_EQ(form->backColor(), tk::colour::White);
    EXPECT_TRUE(form->lblTitle.visible());
    EXPECT_FALSE(form->cmdSubmit.visible());
    EXPECT_FALSE(form->cmdNew.visible());
    EXPECT_TRUE(form->cmdPrintIt.visible());
    EXPECT_TRUE(form->cmdPrintIt.enabled());
    EXPECT_TRUE(form->cmdStart.visible());
    EXPECT_FALSE(form->cmdStart.enabled());
    EXPECT_EQ(form->lblName.caption(), "Smith, Ann");
    // Only Print Results and Exit are left to the keyboard.
    EXPECT_EQ(form->tabStops(), (std::vector<tk::Control*>{&form->cmdPrintIt, &form->cmdExit}));
    // Next had the focus and is gone; Enter now prints the record rather than ending the program.
    settle();
    EXPECT_EQ(focused(), &form->cmdPrintIt);

    const QImage summary = tarnivo::testing::grabWindow(*form, "practice-summary");
    EXPECT_EQ(QColor(summary.pixel(5, 5)), QColor(Qt::white));
}

}  // namespace
}  // namespace practice_test
