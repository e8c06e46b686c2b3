// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/runtime/errors.h"
#include "app/runtime/integer.h"
#include "app/toolkit/command_button.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/line.h"
#include "app/toolkit/option_button.h"
#include "app/toolkit/picture.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/text_box.h"
#include "app/toolkit/timer.h"
#include "app/toolkit/window.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"

using namespace tarnivo::tk;
using tarnivo::ControlError;
using tarnivo::Integer;
using tarnivo::testing::widgetOf;
namespace support = tarnivo::testing;

namespace {

// Everything the handlers did, in order, so tests can check what ran before what.
std::vector<std::string> journal;
int loadCount = 0;
std::string samplePicture;  // a picture file for the sample window, when a test draws one

// g++ 12 takes the fonts of designated-initializer rows for uninitialized (a false alarm).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
// A small window built from the toolkit's control kinds.
class frmSample : public Window {
public:
    frmSample() : Window({.caption = "Sample", .clientWidth = 6000, .clientHeight = 4500}) {
        cmdGo.place(*this, "cmdGo",
                    {.left = 120, .top = 120, .width = 1215, .height = 495, .caption = "&Go", .tabIndex = 0});
        txtFirst.place(*this, "txtFirst", {.left = 1500, .top = 120, .width = 1200, .height = 495, .tabIndex = 2});
        txtSecond.place(*this, "txtSecond", {.left = 2900, .top = 120, .width = 1200, .height = 495, .tabIndex = 3});
        cmdOff.place(*this, "cmdOff",
                     {.left = 120,
                      .top = 700,
                      .width = 1215,
                      .height = 495,
                      .caption = "&Off",
                      .tabIndex = 1,
                      .enabled = false});
        fraGroup.place(*this, "fraGroup",
                       {.left = 120, .top = 1300, .width = 3000, .height = 2000, .caption = "Group", .tabIndex = 9});
        cmdLast.place(*this, "cmdLast",
                      {.left = 4200, .top = 120, .width = 1215, .height = 495, .caption = "Last", .tabIndex = 8});
        lblNumber.place(*this, "lblNumber",
                        {.left = 3300,
                         .top = 1400,
                         .width = 1500,
                         .height = 555,
                         .caption = "42",
                         .font = {"Arial Narrow", 21.75F, 700},
                         .backColor = colour::LightYellow,
                         .align = Align::Centre,
                         .bordered = true});
        lblAuto.place(*this, "lblAuto",
                      {.left = 3300,
                       .top = 2200,
                       .width = 225,
                       .height = 495,
                       .caption = "0",
                       .font = {"Arial Narrow", 21.75F, 700},
                       .autoSize = true});
        if (!samplePicture.empty())
            imgRadical.place(
                *this, "imgRadical",
                {.left = 3300, .top = 2900, .width = 1770, .height = 765, .picture = samplePicture, .stretch = true});
        lneBar.place(*this, "lneBar", {.x1 = 3300, .y1 = 3400, .x2 = 5500, .y2 = 3415, .lineWidth = 3});
        for (int i = 0; i < 3; ++i) {
            optChoice[static_cast<std::size_t>(i)].place(fraGroup, "optChoice(" + std::to_string(i) + ")",
                                                         {.left = 200,
                                                          .top = 300 + 450.0F * static_cast<float>(i),
                                                          .width = 240,
                                                          .height = 315,
                                                          .tabIndex = 10 + i,
                                                          .selected = i == 0});
            optChoice[static_cast<std::size_t>(i)].onClick = [this](int index) {
                journal.push_back("click " + std::to_string(index));
                clickSeenValue = optChoice[static_cast<std::size_t>(index)].value();
            };
        }
        txtInner.place(fraGroup, "txtInner", {.left = 1000, .top = 300, .width = 1200, .height = 495, .tabIndex = 4});
        cmdGo.onClick = [] { journal.emplace_back("go"); };
        cmdLast.onClick = [] { journal.emplace_back("last"); };
        txtFirst.onChange = [this] { journal.push_back("change " + txtFirst.text()); };
        setDefaultButton(cmdGo);
    }
    void Form_Load() override {
        ++loadCount;
        journal.emplace_back("load");
    }
    void closeRequested() override { Forms::unload(*this); }

    CommandButton cmdGo, cmdOff, cmdLast;
    TextBox txtFirst, txtSecond, txtInner;
    Frame fraGroup;
    std::array<OptionButton, 3> optChoice;
    Label lblNumber, lblAuto;
    Picture imgRadical;
    Line lneBar;
    bool clickSeenValue = false;
};

#pragma GCC diagnostic pop

class frmOther : public Window {
public:
    frmOther() : Window({.caption = "Other", .clientWidth = 3000, .clientHeight = 2000}) {
        cmdBoom.place(*this, "cmdBoom", {.left = 120, .top = 120, .width = 1215, .height = 495, .caption = "Boom"});
        cmdBoom.onClick = [] {
            journal.emplace_back("before");
            Integer big = 32767;
            big = big + 1;
            journal.emplace_back("after");
        };
        cmdClose.place(*this, "cmdClose", {.left = 120, .top = 700, .width = 1215, .height = 495, .caption = "Close"});
        cmdClose.onClick = [this] {
            Forms::unload(*this);
            journal.emplace_back("still running after unload");
        };
        Timer1.place(*this, 10);
        Timer1.onTimer = [] { journal.emplace_back("tick"); };
    }
    void closeRequested() override { Forms::unload(*this); }
    CommandButton cmdBoom, cmdClose;
    Timer Timer1;
};

class Toolkit : public ::testing::Test {
protected:
    void SetUp() override {
        support::ensureApplication();
        journal.clear();
        loadCount = 0;
    }
    void TearDown() override { support::resetProgram(); }

    static frmSample& shownSample() {
        auto& form = Forms::get<frmSample>();
        form.show();
        widgetOf(form)->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(widgetOf(form)));
        return form;
    }
};

TEST_F(Toolkit, TouchingAControlOfAnUnloadedWindowLoadsItOnce) {
    EXPECT_FALSE(FormsProbe::isLoaded<frmSample>());
    Forms::get<frmSample>().lblNumber.setCaption("7");
    Forms::get<frmSample>().lblNumber.setCaption("8");
    EXPECT_EQ(loadCount, 1);
    EXPECT_TRUE(FormsProbe::isLoaded<frmSample>());
    EXPECT_FALSE(Forms::get<frmSample>().visible()) << "loading does not show a window";
    EXPECT_EQ(Forms::get<frmSample>().lblNumber.caption(), "8");
}

TEST_F(Toolkit, SelectingAnOptionClearsTheOthersAndRaisesClickBeforeTheNextStatement) {
    auto& form = Forms::get<frmSample>();
    journal.clear();
    form.optChoice[2].setValue(true);
    journal.emplace_back("next statement");
    EXPECT_EQ(journal, (std::vector<std::string>{"click 2", "next statement"}));
    EXPECT_TRUE(form.clickSeenValue) << "the new value is in place when Click runs";
    EXPECT_FALSE(form.optChoice[0].value());
    EXPECT_TRUE(form.optChoice[2].value());

    journal.clear();
    form.optChoice[2].setValue(true);
    EXPECT_TRUE(journal.empty()) << "re-selecting the selected option raises nothing";

    QTest::mouseClick(widgetOf(form.optChoice[1]), Qt::LeftButton);
    EXPECT_EQ(journal, (std::vector<std::string>{"click 1"}));
    EXPECT_FALSE(form.optChoice[2].value());
}

TEST_F(Toolkit, TextBoxRaisesChangeForTypingDeletingPastingAndTheProgram) {
    frmSample& form = shownSample();
    form.txtFirst.setFocus();
    journal.clear();
    QTest::keyClicks(widgetOf(form.txtFirst), "ab");
    QTest::keyClick(widgetOf(form.txtFirst), Qt::Key_Backspace);
    QApplication::clipboard()->setText("xyz");
    static_cast<QLineEdit*>(widgetOf(form.txtFirst))->paste();
    form.txtFirst.setText("set");
    journal.emplace_back("next statement");
    EXPECT_EQ(journal, (std::vector<std::string>{"change a", "change ab", "change a", "change axyz", "change set",
                                                 "next statement"}));
    form.txtFirst.setText("set");
    EXPECT_EQ(journal.back(), "next statement") << "the same text again is no change";
}

TEST_F(Toolkit, FocusRefusedForHiddenOrDisabledControls) {
    frmSample& form = shownSample();
    form.txtSecond.setVisible(false);
    EXPECT_THROW(form.txtSecond.setFocus(), ControlError);
    EXPECT_THROW(form.cmdOff.setFocus(), ControlError);
    form.fraGroup.setVisible(false);
    EXPECT_THROW(form.txtInner.setFocus(), ControlError) << "a hidden frame hides what is inside";
    EXPECT_FALSE(widgetOf(form.optChoice[0])->isVisible());
    EXPECT_TRUE(form.optChoice[0].visible()) << "the option itself keeps its own Visible";
    form.fraGroup.setVisible(true);
    form.txtInner.setFocus();
    EXPECT_EQ(form.focusedControl(), &form.txtInner);
    form.setEnabled(false);
    EXPECT_THROW(form.txtFirst.setFocus(), ControlError);
}

TEST_F(Toolkit, TabFollowsTabIndexSkipsHiddenAndDisabledAndStopsOnceInAnOptionGroup) {
    frmSample& form = shownSample();
    form.optChoice[1].setValue(true);
    form.txtSecond.setVisible(false);
    EXPECT_EQ(form.focusedControl(), &form.cmdGo) << "the first tab stop has the focus when the window opens";
    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(form.focusedControl()->fullName());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"txtFirst", "txtInner", "cmdLast", "optChoice(1)", "cmdGo"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(form.focusedControl()->fullName(), "optChoice(1)");
}

TEST_F(Toolkit, EnterPressesTheDefaultButtonOnlyWhileEnabledAndAFocusedButtonItself) {
    frmSample& form = shownSample();
    form.txtFirst.setFocus();
    journal.clear();
    QTest::keyClick(widgetOf(form.txtFirst), Qt::Key_Return);
    form.cmdGo.setEnabled(false);
    QTest::keyClick(widgetOf(form.txtFirst), Qt::Key_Enter);
    form.cmdLast.setFocus();
    QTest::keyClick(widgetOf(form.cmdLast), Qt::Key_Return);
    EXPECT_EQ(journal, (std::vector<std::string>{"go", "last"}));
}

TEST_F(Toolkit, AccessKeysPressOnlyVisibleEnabledButtons) {
    frmSample& form = shownSample();
    journal.clear();
    QTest::keyClick(widgetOf(form), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(journal.size(), 1U);
    form.cmdGo.setVisible(false);
    QTest::keyClick(widgetOf(form), Qt::Key_G, Qt::AltModifier);
    form.cmdGo.setVisible(true);
    form.cmdGo.setEnabled(false);
    QTest::keyClick(widgetOf(form), Qt::Key_G, Qt::AltModifier);
    support::settle(300);
    EXPECT_EQ(journal, (std::vector<std::string>{"go"}));
}

TEST_F(Toolkit, PropertiesReadBackExactlyAndDrawRounded) {
    auto& form = Forms::get<frmSample>();
    form.lneBar.setX2(3292.5F);
    EXPECT_EQ(form.lneBar.x2(), 3292.5F);
    form.txtFirst.setLeft(1830.0F);
    EXPECT_EQ(form.txtFirst.left(), 1830.0F);
    EXPECT_EQ(widgetOf(form.txtFirst)->x(), 122);
    EXPECT_EQ(widgetOf(form.fraGroup)->geometry(), QRect(8, 87, 200, 133));
}

TEST_F(Toolkit, AutoSizedLabelGrowsToTheRightFromAFixedLeftEdge) {
    auto& form = Forms::get<frmSample>();
    const float oneDigit = form.lblAuto.width();
    form.lblAuto.setCaption("900");
    EXPECT_GT(form.lblAuto.width(), 2.5F * oneDigit);
    EXPECT_EQ(form.lblAuto.left(), 3300.0F);
    EXPECT_EQ(form.lblAuto.top(), 2200.0F);
    // A line of its type fits, in whole pixels (the line's height is fractional on newer fonts).
    const auto lineHeight = static_cast<float>(QFontMetricsF(toQFont({"Arial Narrow", 21.75F, 700})).height());
    EXPECT_GE(form.lblAuto.height(), lineHeight * TwipsPerPixel);
    EXPECT_LT(form.lblAuto.height(), (lineHeight + 1) * TwipsPerPixel);
    EXPECT_EQ(std::fmod(form.lblAuto.height(), TwipsPerPixel), 0.0F);
}

TEST_F(Toolkit, NamedFacesAreReplacedByInstalledOnesOfTheSameSizeAndWeight) {
    struct Case {
        const char* face;
        const char* expected;
    };
    const Case cases[] = {{"Arial Narrow", "Liberation Sans Narrow"},
                          {"Times New Roman", "Liberation Serif"},
                          {"MS Sans Serif", "Liberation Sans"},
                          {"Myriad Roman", "Liberation Sans"}};
    for (const auto& c : cases) {
        const QFontInfo info(toQFont({c.face, 18.0F, 700}));
        EXPECT_EQ(info.family().toStdString(), c.expected) << c.face;
        EXPECT_EQ(info.pixelSize(), 24) << c.face;
        EXPECT_TRUE(info.bold()) << c.face;
    }
}

TEST_F(Toolkit, ColoursAreBlueGreenRedWithSystemColoursByIndex) {
    EXPECT_EQ(toQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00C0FFFF), QColor(255, 255, 192));
    EXPECT_EQ(toQColor(0x00FFFFC0), QColor(192, 255, 255));
    EXPECT_EQ(toQColor(colour::ButtonFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(toQColor(colour::WindowText), QApplication::palette().color(QPalette::Text));
}

TEST_F(Toolkit, ARunTimeErrorInAHandlerIsReportedOnceAndEndsTheProgram) {
    auto& form = Forms::get<frmOther>();
    form.show();
    form.cmdBoom.press();
    EXPECT_EQ(journal, (std::vector<std::string>{"before"}));
    ASSERT_EQ(support::reportedErrors().size(), 1U);
    EXPECT_NE(support::reportedErrors()[0].find("Overflow"), std::string::npos);
    EXPECT_TRUE(Forms::ended());
    EXPECT_EQ(Forms::exitCode(), 1);
    EXPECT_FALSE(FormsProbe::isLoaded<frmOther>());
}

TEST_F(Toolkit, UnloadingTheLastWindowStopsItsTimersAndEndsTheProgram) {
    auto& form = Forms::get<frmOther>();
    form.show();
    QTRY_VERIFY(std::find(journal.begin(), journal.end(), "tick") != journal.end());
    form.cmdClose.press();  // unloads itself from inside its own handler
    EXPECT_EQ(journal.back(), "still running after unload");
    EXPECT_FALSE(FormsProbe::isLoaded<frmOther>());
    EXPECT_TRUE(Forms::ended());
    EXPECT_EQ(Forms::exitCode(), 0);
    journal.clear();
    support::settle(60);
    EXPECT_TRUE(journal.empty()) << "no tick after unload";
    EXPECT_TRUE(support::reportedErrors().empty());
}

TEST_F(Toolkit, AWindowShownDisabledGivesTheFocusToItsFirstStopWhenEnabled) {
    auto& form = Forms::get<frmSample>();
    form.setEnabled(false);
    form.show();
    EXPECT_EQ(form.focusedControl(), nullptr);
    form.setEnabled(true);
    EXPECT_EQ(form.focusedControl(), &form.cmdGo);
}

TEST_F(Toolkit, HidingTheFocusedControlPassesTheFocusOnUnlessTheProgramPlacesIt) {
    frmSample& form = shownSample();
    form.txtFirst.setFocus();
    form.txtFirst.setVisible(false);
    support::settle();
    EXPECT_EQ(form.focusedControl(), &form.txtSecond) << "the next stop after the hidden box";

    form.fraGroup.setEnabled(true);
    form.txtInner.setFocus();
    form.fraGroup.setVisible(false);
    support::settle();
    EXPECT_EQ(form.focusedControl(), &form.cmdLast) << "hiding a frame moves the focus out of it";

    form.cmdLast.setEnabled(false);
    form.txtSecond.setFocus();
    support::settle();
    EXPECT_EQ(form.focusedControl(), &form.txtSecond) << "where the program put the focus, it stays";
}

// Newer Qt makes and keeps a widget's interface as soon as a window's title or a control's name
// is set, screen reader or not: the bus must still see the toolkit's windows, and forget a
// control's widget once it is gone, or a later widget at the same address reads a dead one.
TEST_F(Toolkit, TheAccessibilityBusSeesWindowsWithTheirPaintedControlsAndForgetsWhatWent) {
    auto& form = Forms::get<frmSample>();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(widgetOf(form));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    QStringList names;
    for (int i = 0; i < window->childCount(); ++i) names << window->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("42"))) << "the painted number label: " << names.join(", ").toStdString();
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(widgetOf(form.fraGroup));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->role(), QAccessible::Grouping);

    const QAccessible::Id button = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widgetOf(form.cmdGo)));
    const QAccessible::Id frame = QAccessible::uniqueId(group);
    Forms::unload(form);
    Forms::collectGarbage();
    EXPECT_EQ(QAccessible::accessibleInterface(button), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(frame), nullptr);
}

TEST_F(Toolkit, TheDesktopCloseRequestUnloadsTheWindow) {
    auto& sample = Forms::get<frmSample>();
    Forms::get<frmOther>();
    sample.show();
    widgetOf(sample)->close();
    EXPECT_FALSE(FormsProbe::isLoaded<frmSample>());
    EXPECT_FALSE(Forms::ended()) << "another window is still loaded";
}

TEST_F(Toolkit, SampleWindowDrawsFrameBorderedNumberPictureAndThickLine) {
    QTemporaryDir folder;
    QImage radical(242, 121, QImage::Format_RGB32);
    radical.fill(QColor(192, 192, 192));
    QPainter draw(&radical);
    draw.fillRect(60, 16, 177, 4, Qt::black);
    draw.fillRect(30, 16, 8, 100, Qt::black);
    draw.end();
    const std::string path = (folder.path() + "/radical.png").toStdString();
    ASSERT_TRUE(radical.save(QString::fromStdString(path)));

    samplePicture = path;
    auto& form = Forms::get<frmSample>();
    samplePicture.clear();
    form.show();
    const QImage shot = support::grabWindow(form, "toolkit-sample");
    const QColor face = QApplication::palette().color(QPalette::Button);
    // The bordered number label: black border, light yellow inside, dark digits.
    EXPECT_EQ(shot.pixelColor(220, 93), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(223, 122), QColor(255, 255, 192));
    // The stretched picture: its overbar at a quarter across, its silver left out.
    EXPECT_EQ(shot.pixelColor(220 + 118 * 150 / 242, 193 + 51 * 17 / 121), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(220 + 110, 193 + 40), face) << "silver of the picture is not drawn";
    // The 3-pixel bar from y = 3400 to 3415 twips, smoothed: its ink across rows 222 to 232 adds up
    // to three rows of black wherever it is crossed.
    for (const int x : {240, 300, 350}) {
        double ink = 0;
        for (int y = 222; y < 233; ++y) ink += 1.0 - shot.pixelColor(x, y).valueF() / face.valueF();
        EXPECT_NEAR(ink, 3.0, 0.2) << "at x = " << x;
    }
}

}  // namespace
