// SPDX-License-Identifier: MIT
// The program on a Wayland desktop, and with no display at all.
#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "tests/program/wayland_desktop.h"
#include "tests/program/whole_program.h"

namespace tarnivo::testing {
namespace {

// Qt's Wayland plugin on a headless weston: the compositor, not the program, places windows there.
TEST(WaylandDesktopProgram, TheSignInWindowStandsWholeInFrontOfThePracticeWindowWithoutWarnings) {
    ensureApplication();
    WaylandDesktop desktop;
    const std::string why = desktop.start();
    if (!why.empty()) GTEST_SKIP() << "No Wayland desktop for this test: " << why;
    QDir().mkpath(Screens);
    QProcess program;
    program.setProcessEnvironment(desktop.environment());
    program.start(TARNIVO_BUILD_DIR "/tarnivo", {});
    ASSERT_TRUE(program.waitForStarted(5000));

    // The boxes of the screen's rows and columns that hold at least `least` pixels of `colour`.
    const auto extent = [](const QImage& screen, QColor colour, int least) {
        std::vector<int> rows(static_cast<std::size_t>(screen.height()));
        std::vector<int> columns(static_cast<std::size_t>(screen.width()));
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (screen.pixelColor(x, y) == colour) {
                    ++rows[static_cast<std::size_t>(y)];
                    ++columns[static_cast<std::size_t>(x)];
                }
        const auto span = [least](const std::vector<int>& counts) {
            const auto first = std::find_if(counts.begin(), counts.end(), [least](int n) { return n >= least; });
            const auto last = std::find_if(counts.rbegin(), counts.rend(), [least](int n) { return n >= least; });
            return first == counts.end() ? std::pair(0, -1)
                                         : std::pair(static_cast<int>(first - counts.begin()),
                                                     static_cast<int>(counts.rend() - last) - 1);
        };
        const auto [top, bottom] = span(rows);
        const auto [left, right] = span(columns);
        return QRect(QPoint(left, top), QPoint(right, bottom));
    };
    // Inside its four-pixel frame the sign-in window is light yellow; no practice label is as wide.
    const int frame = 4;
    QImage screen;
    QRect signIn;
    for (int attempt = 0; attempt < 40 && signIn.width() < SignInClient.width() - 2 * frame - 2; ++attempt) {
        QThread::msleep(250);
        screen = desktop.screenshot();
        if (!screen.isNull()) signIn = extent(screen, LightYellow, 200);
    }
    ASSERT_FALSE(screen.isNull()) << "weston took no screenshot: " << desktop.report();
    screen.save(Screens + "wayland.png");
    // The practice window's background reaches into the title bar that Qt draws for it there.
    const QRect practice = extent(screen, QApplication::palette().color(QPalette::Button), 250);
    ASSERT_GE(practice.width(), PracticeClient.width() - 4) << "no practice window on the screen";
    ASSERT_GE(practice.height(), PracticeClient.height() - 4) << "no practice window on the screen";
    ASSERT_TRUE(signIn.intersects(practice)) << "the windows do not overlap, so neither is in front";
    // Nothing covers the sign-in window: its light yellow is whole.
    EXPECT_GE(signIn.width(), SignInClient.width() - 2 * frame - 2);
    EXPECT_GE(signIn.height(), SignInClient.height() - 2 * frame - 2);
    // weston's desktop shell puts every new window where it likes, parent or not; where the
    // sign-in window stands relative to the practice window's centre is for the record only.
    const QPoint offset =
        signIn.center() -
        QRect(practice.bottomLeft() - QPoint(0, PracticeClient.height() - 1), PracticeClient).center();
    ::testing::Test::RecordProperty("SignInOffsetFromPracticeCentre",
                                    std::to_string(offset.x()) + ", " + std::to_string(offset.y()));

    program.kill();
    program.waitForFinished(3000);
    const QString errors = QString::fromUtf8(program.readAllStandardError()).trimmed();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

TEST(ProgramWithoutADisplay, SaysSoInOneLineAndEndsWithStatusOne) {
    ensureApplication();
    for (const bool forcedPlatform : {false, true}) {
        SCOPED_TRACE(forcedPlatform ? "Qt's X plugin asked for" : "no platform asked for");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        if (forcedPlatform) environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TARNIVO_BUILD_DIR "/tarnivo", {});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "the program aborted";
        EXPECT_EQ(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError()).trimmed();
        EXPECT_EQ(said.count('\n'), 0) << said.toStdString();
        EXPECT_TRUE(said.contains("needs a graphical display")) << said.toStdString();
    }
}

}  // namespace
}  // namespace tarnivo::testing
