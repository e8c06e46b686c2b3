// SPDX-License-Identifier: MIT
#include <QImage>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <string>
#include <vector>

#include "app/toolkit/current_date.h"
#include "tests/signin_window/signin_fixture.h"
#include "tests/support/named_rows.h"
#include "tests/support/toolkit_probes.h"

namespace tarnivo::testing {
namespace {

using SignInBehaviour = SignInTest;

// The bypass code is "*", as the README tells teachers.
struct OkRuleRow {
    const char* name;
    const char *period, *id, *studentName, *teacher;
    bool okEnabled;
};
const OkRuleRow OkRuleRows[] = {
    {"AllFourFilled", "3", "4217", "Lovelace, Ada", "Hopper", true},
    {"NoPeriod", "", "4217", "Lovelace, Ada", "Hopper", false},
    {"NoId", "3", "", "Lovelace, Ada", "Hopper", false},
    {"NoName", "3", "4217", "", "Hopper", false},
    {"NoTeacher", "3", "4217", "Lovelace, Ada", "", false},
    {"BlanksCountAsFilled", " ", " ", " ", "  ", true},
    {"TheCodeAlone", "*", "", "", "", true},
    {"TheCodeAndAName", "*", "", "Lovelace, Ada", "", true},
    {"ABlankBeforeTheCode", " *", "", "", "", false},
    {"ABlankAfterTheCode", "* ", "", "", "", false},
    {"TheCodeTwice", "**", "", "", "", false},
    {"ALetterBeforeTheCode", "x*", "", "", "", false},
    {"TheSameKeyWithoutShift", "8", "", "", "", false},
    {"ABlankAfterTheCodeWithAllFour", "* ", "4217", "Lovelace, Ada", "Hopper", true},
};
void PrintTo(const OkRuleRow& row, std::ostream* out) { *out << row.name; }
class OkRule : public SignInTest, public ::testing::WithParamInterface<OkRuleRow> {};

TEST_P(OkRule, NeedsFourFilledBoxesOrExactlyTheBypassCodeInPeriod) {
    const OkRuleRow& row = GetParam();
    type(signIn->txtID, row.id);
    type(signIn->txtName, row.studentName);
    type(signIn->txtTeacher, row.teacher);
    type(signIn->txtPeriod, row.period);
    EXPECT_EQ(signIn->cmdOk.enabled(), row.okEnabled);
    EXPECT_EQ(widgetOf(signIn->cmdOk)->isEnabled(), row.okEnabled);
}
INSTANTIATE_TEST_SUITE_P(SignInBehaviour, OkRule, ::testing::ValuesIn(OkRuleRows), RowName());

TEST_F(SignInBehaviour, OkComesOnWithTheFourthFilledBoxAndGoesOffWhenOneIsCleared) {
    std::vector<tk::TextBox*> order = {&signIn->txtTeacher, &signIn->txtName, &signIn->txtPeriod, &signIn->txtID};
    for (std::size_t i = 0; i < order.size(); ++i) {
        type(*order[i], "x");
        EXPECT_EQ(signIn->cmdOk.enabled(), i == 3) << "after filling " << order[i]->name();
    }
    for (tk::TextBox* box : order) {
        QTest::keyClick(widgetOf(*box), Qt::Key_Backspace);
        EXPECT_FALSE(signIn->cmdOk.enabled()) << box->name() << " cleared";
        type(*box, "y");
        EXPECT_TRUE(signIn->cmdOk.enabled()) << box->name() << " filled again";
    }
}

TEST_F(SignInBehaviour, EachKeystrokeIsCopiedAtOnceIntoTheMatchingPracticeLabel) {
    struct Pair {
        tk::TextBox& box;
        tk::Label& label;
        QString text;
    };
    const Pair pairs[] = {{signIn->txtPeriod, practice->lblPeriod, "4th"},
                          {signIn->txtID, practice->lblID, "#42"},
                          {signIn->txtName, practice->lblName, "O'Neil,  Kim "},
                          {signIn->txtTeacher, practice->lblTeacher, "Mr. Ruiz"}};
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.box.name());
        for (int n = 1; n <= pair.text.size(); ++n) {
            type(pair.box, pair.text.mid(n - 1, 1));
            EXPECT_EQ(pair.label.caption(), pair.text.left(n).toStdString());
        }
        for (auto n = pair.text.size() - 1; n >= 0; --n) {
            QTest::keyClick(widgetOf(pair.box), Qt::Key_Backspace);
            EXPECT_EQ(pair.label.caption(), pair.text.left(n).toStdString());
        }
        EXPECT_EQ(pair.label.caption(), "");
    }
    EXPECT_EQ(practice->lblDate.caption(), "") << "the date is written by OK only";
}

TEST_F(SignInBehaviour, OkDatesAndEnablesThePracticeWindowAndUnloadsTheSignInWindow) {
    fillAll();
    QTest::mouseClick(widgetOf(signIn->cmdOk), Qt::LeftButton);
    EXPECT_TRUE(signIn->unloaded());
    EXPECT_FALSE(tk::TimerProbe::running(signIn->Timer1));
    EXPECT_FALSE(widgetOf(*signIn)->isVisible());
    settle();  // the unloaded window is destroyed after the event
    EXPECT_FALSE(tk::FormsProbe::isLoaded<frmSignIn>());
    EXPECT_FALSE(tk::Forms::ended());
    ASSERT_TRUE(tk::FormsProbe::isLoaded<frmTarnivo>());
    EXPECT_TRUE(practice->enabled());
    EXPECT_TRUE(widgetOf(*practice)->isEnabled());
    EXPECT_EQ(practice->lblDate.caption(), tk::currentDateText());
    EXPECT_FALSE(practice->lblDate.caption().empty());
    EXPECT_EQ(practice->lblPeriod.caption(), "3");
    EXPECT_EQ(practice->lblID.caption(), "4217");
    EXPECT_EQ(practice->lblName.caption(), "Lovelace, Ada");
    EXPECT_EQ(practice->lblTeacher.caption(), "Hopper");

    // The focus is on Start, and the window is marked for the style to draw its focus indicator.
    EXPECT_EQ(practice->focusedControl(), &practice->cmdStart);
    QStyleOptionButton option;
    option.initFrom(widgetOf(practice->cmdStart));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange)) << "no focus indicator on Start";

    QTest::mouseClick(widgetOf(practice->cmdStart), Qt::LeftButton);
    EXPECT_EQ(practice->lblProbCount.caption(), "1") << "the practice window takes input now";
}

TEST_F(SignInBehaviour, BypassCodeOpensThePracticeWindowWithUntouchedLabelsAsLaidOut) {
    type(signIn->txtName, "Kim");
    type(signIn->txtPeriod, "*");
    ASSERT_TRUE(signIn->cmdOk.enabled());
    QTest::keyClick(widgetOf(signIn->txtPeriod), Qt::Key_Return);
    settle();
    EXPECT_FALSE(tk::FormsProbe::isLoaded<frmSignIn>());
    EXPECT_TRUE(practice->enabled());
    EXPECT_EQ(practice->lblPeriod.caption(), "*");
    EXPECT_EQ(practice->lblName.caption(), "Kim");
    EXPECT_EQ(practice->lblID.caption(), "");
    EXPECT_EQ(practice->lblTeacher.caption(), "");
}

TEST_F(SignInBehaviour, EnterInAnyBoxPressesOkOnlyWhileItIsEnabled) {
    const std::vector<tk::TextBox frmSignIn::*> boxes = {&frmSignIn::txtPeriod, &frmSignIn::txtID, &frmSignIn::txtName,
                                                         &frmSignIn::txtTeacher};
    for (auto member : boxes) {
        tk::TextBox& box = signIn->*member;
        SCOPED_TRACE(box.name());
        type(box, "x");
        QTest::keyClick(widgetOf(box), Qt::Key_Return);
        QTest::keyClick(widgetOf(box), Qt::Key_Enter);
        settle();
        ASSERT_TRUE(tk::FormsProbe::isLoaded<frmSignIn>()) << "Enter does nothing while OK is disabled";
        EXPECT_FALSE(practice->enabled());
        erase(box);
    }
    for (auto member : boxes) {
        resetProgram();
        SetUp();
        fillAll();
        tk::TextBox& box = signIn->*member;
        SCOPED_TRACE(box.name());
        box.setFocus();
        QTest::keyClick(widgetOf(box), Qt::Key_Return);
        settle();
        EXPECT_FALSE(tk::FormsProbe::isLoaded<frmSignIn>());
        EXPECT_TRUE(practice->enabled());
    }
}

TEST_F(SignInBehaviour, PromptFlashesYellowOnBlackThenBlackOnYellowAndAlternates) {
    struct Step {
        tk::Colour back, fore;
        QColor painted;
    };
    const Step steps[] = {{tk::colour::Black, tk::colour::Yellow, QColor(Qt::black)},
                          {tk::colour::Yellow, tk::colour::Black, QColor(Qt::yellow)},
                          {tk::colour::Black, tk::colour::Yellow, QColor(Qt::black)}};
    int tick = 0;
    for (const Step& step : steps) {
        signIn->Timer1_Timer();
        ++tick;
        EXPECT_EQ(signIn->lblFlash.backColor(), step.back) << "tick " << tick;
        EXPECT_EQ(signIn->lblFlash.foreColor(), step.fore) << "tick " << tick;
        const QImage shot = grabWindow(*signIn, "signin-flash-" + std::to_string(tick));
        EXPECT_EQ(shot.pixelColor(311, 55), step.painted) << "tick " << tick;
    }
}

TEST_F(SignInBehaviour, ExitEndsTheProgramWithThePracticeWindowLoaded) {
    QTest::mouseClick(widgetOf(signIn->cmdExit), Qt::LeftButton);
    EXPECT_TRUE(tk::Forms::ended());
    EXPECT_EQ(tk::Forms::exitCode(), 0);
    EXPECT_EQ(tk::Forms::loadedCount(), 0);
    EXPECT_FALSE(widgetOf(*practice)->isVisible());
}

// The desktop may close either window although the sign-in window has no close command.
// Leaving the practice window disabled on its own would leave nothing the user could use.
TEST_F(SignInBehaviour, ADesktopCloseOfEitherWindowBeforeSignInEndsTheProgram) {
    for (const bool closeSignIn : {true, false}) {
        SCOPED_TRACE(closeSignIn ? "sign-in window closed" : "practice window closed");
        resetProgram();
        SetUp();
        QWidget* closed = closeSignIn ? widgetOf(*signIn) : widgetOf(*practice);
        closed->close();
        EXPECT_TRUE(tk::Forms::ended());
        EXPECT_EQ(tk::Forms::exitCode(), 0);
        EXPECT_EQ(tk::Forms::loadedCount(), 0);
    }
}

TEST_F(SignInBehaviour, AfterSignInTheDesktopCloseOfThePracticeWindowUnloadsItAndEndsTheProgram) {
    fillAll();
    signIn->cmdOk.press();
    settle();
    ASSERT_FALSE(tk::Forms::ended());
    widgetOf(*practice)->close();
    EXPECT_FALSE(tk::FormsProbe::isLoaded<frmTarnivo>());
    EXPECT_TRUE(tk::Forms::ended()) << "the last window is gone";
    EXPECT_EQ(tk::Forms::exitCode(), 0);
}

}  // namespace
}  // namespace tarnivo::testing
