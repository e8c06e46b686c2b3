// SPDX-License-Identifier: MIT
// Found by the walk: the press of an access key is animated and lands about 100 ms
// after the key. A student who presses Alt+S or Alt+N and clicks the same button in
// that time gets one press, not two: the late press finds the button disabled and does
// nothing, instead of marking the answer twice or skipping a problem.
#include <gtest/gtest.h>

#include <QTest>
#include <array>
#include <string>

#include "app/runtime/text.h"
#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "tests/monkey/desktop_input.h"
#include "tests/support/student_input.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace monkey {
namespace {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;
using tarnivo::testing::widgetOf;

// Longer than the animation of an access key's press.
constexpr int AfterAnimationMs = 250;

class LateAccessKeyPress : public ::testing::Test {
protected:
    void SetUp() override {
        tarnivo::testing::ensureApplication();
        tk::dispatch([] { tarnivo::showStartupWindow(); });
        auto& signIn = *tk::FormsProbe::find<frmSignIn>();
        typeOver(signIn.txtPeriod, QString::fromUtf8(frmSignIn::PeriodBypassCode.data(), 1));
        click(signIn.cmdOk);
        practice = tk::FormsProbe::find<frmTarnivo>();
        activateFrontWindowIfNoneIs();  // access keys work in the active window only
        click(practice->cmdStart);
        tarnivo::testing::settle();
    }
    void TearDown() override {
        EXPECT_TRUE(tarnivo::testing::reportedErrors().empty()) << tarnivo::testing::reportedErrors().front();
        tarnivo::testing::resetProgram();
    }

    void typeTheRightAnswer() {
        const std::array<std::string, 3> key = tarnivo::testing::keyOf(*practice);
        click(practice->optAnswerForm[static_cast<std::size_t>(tarnivo::testing::answerFor(key).shape)]);
        for (std::size_t box = 0; box < key.size(); ++box) {
            if (practice->txtAnswer[box].shownOnScreen())
                typeOver(practice->txtAnswer[box], QString::fromStdString(key[box]));
        }
    }

    void solveTheProblem() {
        typeTheRightAnswer();
        click(practice->cmdSubmit);
    }

    frmTarnivo* practice = nullptr;
};

TEST_F(LateAccessKeyPress, AltSThenAClickOnSubmitMarksTheAnswerOnce) {
    typeTheRightAnswer();
    QTest::keyClick(widgetOf(*practice), Qt::Key_S, Qt::AltModifier);
    click(practice->cmdSubmit);
    ASSERT_TRUE(practice->cmdNew.enabled());
    runEventsFor(AfterAnimationMs);
    EXPECT_EQ(practice->lblRight.caption(), " 1");
    EXPECT_EQ(practice->lblWrong.caption(), " 1");
    EXPECT_EQ(practice->lblPercent.caption(), " 100%");
}

TEST_F(LateAccessKeyPress, AltNThenAClickOnNextOpensOneProblem) {
    typeTheRightAnswer();
    click(practice->cmdSubmit);
    ASSERT_TRUE(practice->cmdNew.enabled());
    QTest::keyClick(widgetOf(*practice), Qt::Key_N, Qt::AltModifier);
    click(practice->cmdNew);
    ASSERT_EQ(practice->lblProbCount.caption(), "2");
    runEventsFor(AfterAnimationMs);
    EXPECT_EQ(practice->lblProbCount.caption(), "2");
    EXPECT_TRUE(practice->cmdSubmit.enabled());
    EXPECT_FALSE(practice->cmdNew.enabled());
}

// Alt+N on the last problem but one, then Next clicked and the last one solved before the
// press lands: the late press finds Next hidden on the end-of-set screen.
TEST_F(LateAccessKeyPress, AltNLandingOnTheEndOfSetScreenDoesNothing) {
    for (int problem = 1; problem < tarnivo::ProblemLimit - 1; ++problem) {
        solveTheProblem();
        click(practice->cmdNew);
    }
    solveTheProblem();
    QTest::keyClick(widgetOf(*practice), Qt::Key_N, Qt::AltModifier);
    click(practice->cmdNew);
    solveTheProblem();
    ASSERT_TRUE(practice->lblTitle.visible());
    runEventsFor(AfterAnimationMs);
    EXPECT_FALSE(tk::Forms::ended());
    EXPECT_EQ(practice->lblProbCount.caption(), std::to_string(tarnivo::ProblemLimit));
    EXPECT_EQ(practice->lblRight.caption(), tarnivo::signText(tarnivo::ProblemLimit));
    EXPECT_TRUE(practice->lblTitle.visible());
}

}  // namespace
}  // namespace monkey
