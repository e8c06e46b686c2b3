// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <string>
#include <tuple>
#include <vector>

#include "tests/signin_window/signin_fixture.h"
#include "tests/support/page_image.h"

namespace tarnivo::testing {
namespace {

using SignInLayout = SignInTest;

// Where a handful of controls are drawn, in pixels from the window's corner, and what they
// read there: each kind once, and each box's type.
TEST_F(SignInLayout, ControlsAreDrawnWhereTheyAreDesigned) {
    for (const auto& [control, pixels, text] : {
             std::tuple<const tk::Control*, QRect, const char*>{&signIn->cmdOk, {80, 272, 81, 33}, "OK"},
             {&signIn->cmdExit, {184, 272, 81, 33}, "Exit"},
             {&signIn->txtPeriod, {40, 32, 45, 33}, ""},
             {&signIn->txtName, {40, 160, 249, 33}, ""},
         }) {
        EXPECT_EQ(drawnWidget(*control), (DrawnWidget{pixels, text})) << control->name();
    }
    for (const tk::TextBox* box : {&signIn->txtPeriod, &signIn->txtID, &signIn->txtName, &signIn->txtTeacher}) {
        const QFontInfo font(widgetOf(*box)->font());
        EXPECT_EQ(font.pixelSize(), 24) << box->name() << ": 18 pt";
        EXPECT_FALSE(font.bold()) << box->name();
    }
    // A caption's ink stands inside its label, left-aligned above its box.
    const QRect nameCaption(40, 136, 97, 17);
    const QRect ink = darkInkIn(widgetOf(*signIn)->grab().toImage(), nameCaption.adjusted(-8, -8, 8, 8));
    EXPECT_TRUE(!ink.isEmpty() && nameCaption.contains(ink) && ink.left() - nameCaption.left() <= 2)
        << "Name (Last, First) drawn at " << ink.x() << ", " << ink.y() << ", " << ink.width() << " x " << ink.height();
    EXPECT_EQ(signIn->lblNameTitle.caption(), "Name (Last, First)");
    EXPECT_EQ(tk::TimerProbe::interval(signIn->Timer1), 1000);
    EXPECT_TRUE(tk::TimerProbe::running(signIn->Timer1));
    EXPECT_EQ(signIn->defaultButton(), &signIn->cmdOk);
}

TEST_F(SignInLayout, BorderlessLightYellowSquareCentredWithoutTaskbarEntry) {
    QWidget* window = widgetOf(*signIn);
    EXPECT_EQ(signIn->caption(), "Please Sign In");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool)) << "a tool window has no taskbar entry";
    EXPECT_EQ(window->size(), QSize(321, 323));
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(std::abs((frame.left() - area.left()) - (area.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - area.top()) - (area.bottom() - frame.bottom())), 1);

    const QImage shot = grabWindow(*signIn, "signin-layout");
    const QColor ink = QApplication::palette().color(QPalette::Text);
    const QColor lightYellow(255, 255, 192);
    // Shape1's 4-pixel outline covers all but the lowest 30 twips (2 pixels) of the window.
    for (int ring = 0; ring < 4; ++ring) {
        EXPECT_EQ(shot.pixelColor(ring, 150), ink) << "left ring " << ring;
        EXPECT_EQ(shot.pixelColor(150, 320 - ring), ink) << "bottom ring " << ring;
    }
    EXPECT_EQ(shot.pixelColor(4, 150), lightYellow);
    EXPECT_EQ(shot.pixelColor(150, 321), lightYellow);
    EXPECT_EQ(shot.pixelColor(150, 322), lightYellow);
    // The boxed prompt: a black single-line border around its designed background.
    EXPECT_EQ(shot.pixelColor(128, 40), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(311, 55), QColor(255, 255, 128));
}

TEST_F(SignInLayout, StartLeavesThePracticeWindowVisibleButDisabledBehind) {
    // Before any event runs, so the first tick cannot have come yet.
    EXPECT_EQ(signIn->lblFlash.backColor(), 0x0080FFFFU);
    EXPECT_EQ(signIn->lblFlash.foreColor(), tk::colour::ButtonText);
    EXPECT_TRUE(signIn->visible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(widgetOf(*signIn)));
    EXPECT_EQ(signIn->focusedControl(), &signIn->txtPeriod);
    EXPECT_FALSE(signIn->cmdOk.enabled());
    EXPECT_TRUE(signIn->cmdExit.usable());
    for (const tk::TextBox* box : {&signIn->txtPeriod, &signIn->txtID, &signIn->txtName, &signIn->txtTeacher})
        EXPECT_EQ(box->text(), "") << box->name();

    EXPECT_TRUE(practice->visible());
    EXPECT_TRUE(widgetOf(*practice)->isVisible());
    EXPECT_FALSE(practice->enabled());
    EXPECT_FALSE(widgetOf(*practice)->isEnabled());
    EXPECT_EQ(practice->lblPeriod.caption(), "18") << "untouched labels keep their captions";

    // The practice window ignores the mouse and the keyboard while it waits.
    QTest::mouseClick(widgetOf(practice->cmdStart), Qt::LeftButton);
    QTest::keyClick(widgetOf(*practice), Qt::Key_Return);
    settle();
    EXPECT_EQ(practice->lblProbCount.caption(), "0");
    EXPECT_TRUE(practice->cmdStart.enabled());
}

TEST_F(SignInLayout, TabWalksTheBoxesThenOkOnlyWhileEnabledThenExit) {
    const auto walk = [this] {
        signIn->txtPeriod.setFocus();
        std::vector<std::string> visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(signIn->focusedControl()->name());
        }
        return visited;
    };
    widgetOf(*signIn)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf(*signIn)));
    EXPECT_EQ(walk(), (std::vector<std::string>{"txtID", "txtName", "txtTeacher", "cmdExit", "txtPeriod", "txtID"}));
    fillAll();
    EXPECT_EQ(walk(), (std::vector<std::string>{"txtID", "txtName", "txtTeacher", "cmdOk", "cmdExit", "txtPeriod"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(signIn->focusedControl(), &signIn->cmdExit);
}

}  // namespace
}  // namespace tarnivo::testing
