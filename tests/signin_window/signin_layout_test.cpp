// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <string>
#include <vector>

#include "tests/signin_window/signin_fixture.h"

namespace tarnivo::testing {
namespace {

using SignInLayout = SignInTest;

struct ControlRow {
    const char* name;
    float left, top, width, height;
    const char* caption;
    int tabIndex;
};

// The window's layout, in creation order (the timer is not a control on the window's surface).
const std::vector<ControlRow> LayoutTable = {
    {"cmdExit", 2760, 4080, 1215, 495, "Exit", 10},
    {"cmdOk", 1200, 4080, 1215, 495, "OK", 5},
    {"txtID", 600, 1440, 975, 495, "", 2},
    {"txtTeacher", 600, 3360, 3735, 495, "", 4},
    {"txtPeriod", 600, 480, 675, 495, "", 0},
    {"txtName", 600, 2400, 3735, 495, "", 3},
    {"lblFlash", 1920, 360, 2775, 495, "Please Sign In", 9},
    {"Shape1", 0, 0, 4815, 4815, "", -1},
    {"Label3", 600, 1080, 2355, 255, "#ID or Student ID", 8},
    {"Label2", 600, 3000, 1215, 255, "Teacher", 7},
    {"Label1", 600, 120, 1215, 255, "Period", 6},
    {"lblNameTitle", 600, 2040, 1455, 255, "Name (Last, First)", 1},
};

std::string captionOf(const tk::Control* control) {
    if (const auto* button = dynamic_cast<const tk::CommandButton*>(control)) return button->caption();
    if (const auto* label = dynamic_cast<const tk::Label*>(control)) return label->caption();
    if (const auto* box = dynamic_cast<const tk::TextBox*>(control)) return box->text();
    return {};
}

TEST_F(SignInLayout, ControlsStandWhereTheLayoutPutsThemInCreationOrder) {
    const auto& controls = signIn->controls();
    ASSERT_EQ(controls.size(), LayoutTable.size());
    for (std::size_t i = 0; i < LayoutTable.size(); ++i) {
        const ControlRow& row = LayoutTable[i];
        const tk::Control* control = controls[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control->name(), row.name);
        EXPECT_EQ(control->left(), row.left);
        EXPECT_EQ(control->top(), row.top);
        EXPECT_EQ(control->width(), row.width);
        EXPECT_EQ(control->height(), row.height);
        EXPECT_EQ(captionOf(control), row.caption);
        EXPECT_EQ(control->tabIndex(), row.tabIndex);
        if (QWidget* widget = control->widget()) {
            const QRect pixels(static_cast<int>(row.left / 15), static_cast<int>(row.top / 15),
                               static_cast<int>(row.width / 15), static_cast<int>(row.height / 15));
            EXPECT_EQ(widget->geometry(), pixels);
        }
    }
    for (const tk::TextBox* box : {&signIn->txtPeriod, &signIn->txtID, &signIn->txtName, &signIn->txtTeacher}) {
        const QFontInfo font(widgetOf(*box)->font());
        EXPECT_EQ(font.pixelSize(), 24) << box->name() << ": 18 pt";
        EXPECT_FALSE(font.bold()) << box->name();
    }
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
    QApplication::setActiveWindow(widgetOf(*signIn));
    EXPECT_EQ(walk(), (std::vector<std::string>{"txtID", "txtName", "txtTeacher", "cmdExit", "txtPeriod", "txtID"}));
    fillAll();
    EXPECT_EQ(walk(), (std::vector<std::string>{"txtID", "txtName", "txtTeacher", "cmdOk", "cmdExit", "txtPeriod"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(signIn->focusedControl(), &signIn->cmdExit);
}

}  // namespace
}  // namespace tarnivo::testing
