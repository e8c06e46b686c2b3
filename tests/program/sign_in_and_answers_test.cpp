// SPDX-License-Identifier: MIT
// Signing in, three problems answered, and the sign-in window's place before sign-in, on X.
#include <algorithm>

#include "app/toolkit/current_date.h"
#include "tests/program/screen_text.h"
#include "tests/program/whole_program.h"
#include "tests/support/verdict_sign.h"

namespace tarnivo::testing {
namespace {

// A student who cannot tell red from green sees the screen as greys: the signs beside the
// boxes must tell the verdicts apart on their own.
void expectSignsInGrey(const QImage& screen, QPoint client, const std::array<SignSeen, 3>& expected) {
    const QImage grey = screen.convertToFormat(QImage::Format_Grayscale8);
    grey.save(Screens + "program-marked-grey.png");
    for (std::size_t box = 0; box < 3; ++box) {
        const SignSeen seen = signIn(grey, SignAreas[box].translated(client).adjusted(-1, -1, 1, 1));
        EXPECT_EQ(seen, expected[box]) << "box " << box << " shows " << nameOf(seen) << " instead of "
                                       << nameOf(expected[box]);
    }
}

TEST_F(WholeProgram, SignInAnswerThreeProblemsAndCloseThroughTheWindowManager) {
    ASSERT_TRUE(ScreenText::available()) << "tesseract is needed to read the screen (scripts/install-deps.sh test)";
    startProgram();
    const qulonglong signIn = desktop.waitForWindow(SignInTitle);
    ASSERT_NE(signIn, 0U) << windowMissing(SignInTitle);
    const qulonglong practice = desktop.waitForWindow(PracticeTitle);
    ASSERT_NE(practice, 0U) << windowMissing(PracticeTitle);

    // Centred, borderless, a utility window (no taskbar entry), in front and active.
    const QSize screen = desktop.screenSize();
    const QRect signInRect = desktop.clientRect(signIn);
    EXPECT_EQ(signInRect.size(), SignInClient);
    EXPECT_LE(std::abs(signInRect.left() - (screen.width() - signInRect.right() - 1)), 1) << "horizontally centred";
    EXPECT_LE(std::abs(signInRect.top() - (screen.height() - signInRect.bottom() - 1)), 1) << "vertically centred";
    EXPECT_EQ(cardinals(signIn, "_NET_FRAME_EXTENTS"), "0, 0, 0, 0") << "no frame around the sign-in window";
    EXPECT_NE(cardinals(practice, "_NET_FRAME_EXTENTS"), "0, 0, 0, 0") << "the practice window has its frame";
    // flags, functions, decorations, ...: the decorations field is in use and asks for none.
    const QStringList motif = cardinals(signIn, "_MOTIF_WM_HINTS").split(", ");
    ASSERT_GE(motif.size(), 3) << "the sign-in window sets no decoration hints";
    EXPECT_TRUE((motif[0].toUInt(nullptr, 16) & 0x2U) != 0 && motif[2].toUInt(nullptr, 16) == 0U)
        << "decorations asked for: " << motif.join(", ").toStdString();
    EXPECT_TRUE(desktop.property(signIn, "_NET_WM_WINDOW_TYPE").contains("= _NET_WM_WINDOW_TYPE_UTILITY"));
    EXPECT_EQ(desktop.waitForActiveWindow(signIn), signIn);
    EXPECT_TRUE(desktop.waitForPixels({signInRect.topLeft() + QPoint(10, 200)}, LightYellow))
        << "the sign-in window stands in front of the practice window";
    const QImage atStart = desktop.screenshot(Screens + "program-startup.png");

    // The focus is in the Period box, so typing starts there at once.
    typeInTurn({"3", "4217", "Lovelace, Ada", "Hopper"});
    // The pictures of the two windows that the README shows.
    desktop.screenshot(Screens + "program-signin.png").copy(signInRect).save(Screens + "signin.png");
    atStart.copy(withFrame(practice)).save(Screens + "startup.png");
    desktop.keys({"Return"});
    ASSERT_TRUE(desktop.waitForWindowGone(SignInTitle)) << "OK did not close the sign-in window";
    EXPECT_EQ(desktop.waitForActiveWindow(practice), practice) << "the practice window takes over the keyboard";

    const QRect practiceRect = desktop.clientRect(practice);
    const std::vector<QPoint> boxProbes = pressStart(practice, practiceRect);
    RandomSource random;  // the program's own sequence, from its start
    for (int number = 1; number <= 3; ++number) {
        const DrillProblem problem = GenerateProblem(random);
        SCOPED_TRACE("problem " + std::to_string(number) + ", key " + problem.keyTexts[0] + " " + problem.keyTexts[1] +
                     " " + problem.keyTexts[2]);
        if (number > 1) {
            ASSERT_TRUE(nextProblem(practice, boxProbes)) << "Next did not clear the answer boxes";
        }
        if (number == 1) {
            // First a wrong number under the root: without its colours the screen still tells it apart.
            const auto& key = problem.keyTexts;
            typeAnswer(practice, {key[0], key[1] + "1", key[2]});
            desktop.click(practice, SubmitButton.center());
            ASSERT_TRUE(desktop.waitForPixels({boxProbes[1]}, Red)) << "the wrong box was not marked";
            expectSignsInGrey(desktop.screenshot(Screens + "program-marked.png"), practiceRect.topLeft(),
                              {SignSeen::Tick, SignSeen::Cross, SignSeen::Tick});
        }
        // The full shape A√B/C, with "1" where a part of the key is 1.
        typeAnswer(practice, problem.keyTexts);
        desktop.click(practice, SubmitButton.center());
        if (!desktop.waitForPixels(boxProbes, Green)) {
            (void)desktop.screenshot(Screens + "program-failed.png");
            FAIL() << "the answer was not marked right; the screen is in " << Screens.toStdString()
                   << "program-failed.png";
        }
    }

    const QImage after = desktop.screenshot(Screens + "program-after-three.png");
    const auto read = [&](const QRect& box) {
        return ScreenText::readBox(after, box.translated(practiceRect.topLeft())).toStdString();
    };
    EXPECT_EQ(read(RightBox), "3");
    EXPECT_EQ(read(TotalBox), "4");
    EXPECT_EQ(read(GradeBox), "75%");
    EXPECT_EQ(read(PeriodBox), "3");
    EXPECT_EQ(read(IdBox), "4217");
    EXPECT_EQ(read(NameBox), "Lovelace, Ada");
    EXPECT_EQ(read(TeacherBox), "Hopper");
    EXPECT_EQ(read(DateBox), QString::fromStdString(tk::currentDateText()).simplified().toStdString());

    desktop.closeWindow(practice);
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(WholeProgram, ClosingEitherWindowBeforeSignInEndsTheProgram) {
    for (const QString& closed : {SignInTitle, PracticeTitle}) {
        SCOPED_TRACE(closed.toStdString());
        startProgram();
        ASSERT_NE(desktop.waitForWindow(SignInTitle), 0U) << windowMissing(SignInTitle);
        desktop.closeWindow(desktop.waitForWindow(closed));
        EXPECT_EQ(exitStatus(), 0) << "the program did not end";
        EXPECT_TRUE(desktop.waitForWindowGone(SignInTitle, 1000));
        EXPECT_TRUE(desktop.waitForWindowGone(PracticeTitle, 1000));
    }
}

TEST_F(WholeProgram, AClickAnywhereOnThePracticeWindowLeavesTheSignInWindowInFrontAndActive) {
    startProgram();
    const qulonglong signIn = desktop.waitForWindow(SignInTitle);
    ASSERT_NE(signIn, 0U) << windowMissing(SignInTitle);
    const qulonglong practice = desktop.waitForWindow(PracticeTitle);
    ASSERT_NE(practice, 0U) << windowMissing(PracticeTitle);
    EXPECT_EQ(desktop.property(signIn, "WM_TRANSIENT_FOR").section("# ", 1).toULongLong(nullptr, 16), practice)
        << "the sign-in window names the practice window as its owner";
    ASSERT_EQ(desktop.waitForActiveWindow(signIn), signIn);

    // Its client area clear of the sign-in window, its disabled Start button, its title bar.
    for (const QPoint point : {QPoint(20, 60), StartButton.center(), QPoint(200, -10)}) {
        SCOPED_TRACE("click at " + std::to_string(point.x()) + ", " + std::to_string(point.y()));
        desktop.click(practice, point);
        EXPECT_EQ(desktop.waitForActiveWindow(signIn), signIn) << "the keyboard stays with the sign-in window";
        const std::vector<qulonglong> stack = desktop.stackingOrder();
        ASSERT_FALSE(stack.empty()) << "openbox lists no windows";
        EXPECT_EQ(stack.back(), signIn) << "the sign-in window is on top";
    }
}

}  // namespace
}  // namespace tarnivo::testing
