// SPDX-License-Identifier: MIT
// The real program on a real X server, driven from the outside as a student would drive it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/runtime/random_source.h"
#include "app/toolkit/current_date.h"
#include "app/toolkit/qt_bridge.h"
#include "engine/problem.h"
#include "engine/submit.h"
#include "tests/program/screen_text.h"
#include "tests/program/wayland_desktop.h"
#include "tests/program/x_desktop.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"
#include "tests/support/test_app.h"
#include "tests/support/verdict_sign.h"

namespace tarnivo::testing {
namespace {

const QString SignInTitle = "Please Sign In";
const QString PracticeTitle = "Tarnivo Practice";
const QString Screens = TARNIVO_BUILD_DIR "/screens/";
const QColor Green = tk::toQColor(tk::colour::Green);
const QColor PaleCyan = tk::toQColor(tk::colour::PaleCyan);
const QColor Red = tk::toQColor(tk::colour::Red);
const QColor LightYellow = tk::toQColor(tk::colour::LightYellow);

// A box of the practice window's layout, in twips from its client area's corner.
QRect twips(float left, float top, float width, float height) {
    return {static_cast<int>(left / 15), static_cast<int>(top / 15), static_cast<int>(width / 15),
            static_cast<int>(height / 15)};
}
// fraAnswer and fraStudentData hold these, so their corners are added.
const QRect AnswerBoxes[3] = {twips(405 + 1830, 2265 + 1365, 1065, 540), twips(405 + 3585, 2265 + 1380, 1065, 540),
                              twips(405 + 2745, 2265 + 2250, 1065, 540)};
// Where each box shows its verdict sign: just right of the box, level with its top.
const QRect SignAreas[3] = {twips(405 + 1830 + 1065 + 15, 2265 + 1365 + 30, 165, 165),
                            twips(405 + 3585 + 1065 + 15, 2265 + 1380 + 30, 165, 165),
                            twips(405 + 2745 + 1065 + 15, 2265 + 2250 + 30, 165, 165)};
const QRect StartButton = twips(7215, 2055, 1215, 495);
const QRect SubmitButton = twips(5505, 3165, 1215, 495);
const QRect NextButton = twips(5490, 3720, 1215, 495);
const QRect RightBox = twips(6930, 3045, 960, 480);
const QRect TotalBox = twips(6960, 3765, 975, 465);
const QRect GradeBox = twips(6810, 4485, 1350, 480);
const QRect PeriodBox = twips(45, 7140 + 90, 645, 435);
const QRect IdBox = twips(795, 7140 + 90, 855, 435);
const QRect DateBox = twips(1755, 7140 + 90, 1590, 435);
const QRect NameBox = twips(3420, 7140 + 90, 3645, 435);
const QRect TeacherBox = twips(7095, 7140 + 105, 1635, 435);
const QRect ExitButton = twips(7590, 5475, 1215, 495);
const QSize PracticeClient(612, 529);
const QSize SignInClient(321, 323);

class WholeProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        const std::string why = desktop.start();
        if (!why.empty()) GTEST_SKIP() << "No X desktop for this test: " << why;
        QDir().mkpath(Screens);
    }
    void TearDown() override {
        if (program && program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished(3000);
        }
        if (program && HasFailure()) std::cerr << "Program output:\n" << program->readAllStandardError().toStdString();
        desktop.stop();
    }

    void startProgram(const std::function<void(QProcessEnvironment&)>& adjust = {}) {
        program = std::make_unique<QProcess>();
        QProcessEnvironment environment = desktop.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        if (adjust) adjust(environment);
        program->setProcessEnvironment(environment);
        program->start(TARNIVO_BUILD_DIR "/tarnivo", {});
        ASSERT_TRUE(program->waitForStarted(5000)) << "cannot start " TARNIVO_BUILD_DIR "/tarnivo";
    }
    // The exit status once the program has ended by itself; -1 if it is still running or crashed.
    int exitStatus(int timeoutMs = 10000) {
        if (!program->waitForFinished(timeoutMs) || program->exitStatus() != QProcess::NormalExit) return -1;
        return program->exitCode();
    }
    // What the screen and the program looked like when an expected window did not come.
    std::string windowMissing(const QString& title) {
        (void)desktop.screenshot(Screens + "program-no-window.png");
        return "no visible window \"" + title.toStdString() + "\"; the program is " +
               (program->state() == QProcess::Running ? "running" : "not running") + "; windows:\n" +
               desktop.run("xwininfo", {"-root", "-children"}).toStdString() + "\n" + desktop.report();
    }
    // The window on the screen with the frame that the window manager put around it.
    QRect withFrame(qulonglong window) {
        const QStringList extents = cardinals(window, "_NET_FRAME_EXTENTS").split(", ");  // left, right, top, bottom
        if (extents.size() != 4) return desktop.clientRect(window);
        return desktop.clientRect(window).adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(),
                                                   extents[3].toInt());
    }
    // The numbers of an xprop property, as "a, b, c, d".
    QString cardinals(qulonglong window, const QString& name) {
        return desktop.property(window, name).section(" = ", 1);
    }

    XDesktop desktop;
    std::unique_ptr<QProcess> program;
};

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
    desktop.type("3");
    desktop.keys({"Tab"});
    desktop.type("4217");
    desktop.keys({"Tab"});
    desktop.type("Lovelace, Ada");
    desktop.keys({"Tab"});
    desktop.type("Hopper");
    // The pictures of the two windows that the README shows.
    desktop.screenshot(Screens + "program-signin.png").copy(signInRect).save(Screens + "signin.png");
    atStart.copy(withFrame(practice)).save(Screens + "startup.png");
    desktop.keys({"Return"});
    ASSERT_TRUE(desktop.waitForWindowGone(SignInTitle)) << "OK did not close the sign-in window";
    EXPECT_EQ(desktop.waitForActiveWindow(practice), practice) << "the practice window takes over the keyboard";

    const QRect practiceRect = desktop.clientRect(practice);
    // A corner inside each answer box, clear of the digits: it shows the box's colour.
    std::vector<QPoint> boxProbes;
    for (const QRect& box : AnswerBoxes) boxProbes.push_back(practiceRect.topLeft() + box.bottomRight() - QPoint(4, 4));
    desktop.click(practice, StartButton.center());
    RandomSource random;  // the program's own sequence, from its start
    for (int number = 1; number <= 3; ++number) {
        const DrillProblem problem = GenerateProblem(random);
        SCOPED_TRACE("problem " + std::to_string(number) + ", key " + problem.keyTexts[0] + " " + problem.keyTexts[1] +
                     " " + problem.keyTexts[2]);
        if (number > 1) {
            desktop.click(practice, NextButton.center());
            ASSERT_TRUE(desktop.waitForPixels(boxProbes, PaleCyan)) << "Next did not clear the answer boxes";
        }
        // The full shape A√B/C, with "1" where a part of the key is 1.
        desktop.click(practice, AnswerBoxes[0].center());
        desktop.type(QString::fromStdString(problem.keyTexts[0]));
        desktop.keys({"Tab"});
        desktop.type(QString::fromStdString(problem.keyTexts[1]));
        desktop.keys({"Tab"});
        desktop.type(QString::fromStdString(problem.keyTexts[2]));
        if (number == 1) {
            // First a wrong number under the root: without its colours the screen still tells it apart.
            desktop.click(practice, AnswerBoxes[1].center());
            desktop.keys({"ctrl+a"});
            desktop.type(QString::fromStdString(problem.keyTexts[1] + "1"));
            desktop.click(practice, SubmitButton.center());
            ASSERT_TRUE(desktop.waitForPixels({boxProbes[1]}, Red)) << "the wrong box was not marked";
            expectSignsInGrey(desktop.screenshot(Screens + "program-marked.png"), practiceRect.topLeft(),
                              {SignSeen::Tick, SignSeen::Cross, SignSeen::Tick});
            desktop.click(practice, AnswerBoxes[1].center());
            desktop.keys({"ctrl+a"});
            desktop.type(QString::fromStdString(problem.keyTexts[1]));
        }
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

// A high-contrast scheme as desktops set one: white and yellow on black, a yellow highlight.
const char* const HighContrastScheme = R"([ColorScheme]
active_colors=#ffffffff, #ff000000, #ffffffff, #ff000000, #ffffffff, #ffffffff, #ffffffff, #ffffff00, #ffffff00, #ff000000, #ff000000, #ffffffff, #ffffff00, #ff000000, #ffffff00, #ff00ffff, #ff000000, #ff000000, #ff000000, #ffffffff, #ffc0c0c0
inactive_colors=#ffffffff, #ff000000, #ffffffff, #ff000000, #ffffffff, #ffffffff, #ffffffff, #ffffff00, #ffffff00, #ff000000, #ff000000, #ffffffff, #ffffff00, #ff000000, #ffffff00, #ff00ffff, #ff000000, #ff000000, #ff000000, #ffffffff, #ffc0c0c0
disabled_colors=#ff00ff00, #ff000000, #ffffffff, #ff000000, #ffffffff, #ffffffff, #ff00ff00, #ffffff00, #ff00ff00, #ff000000, #ff000000, #ffffffff, #ffffff00, #ff000000, #ffffff00, #ff00ffff, #ff000000, #ff000000, #ff000000, #ffffffff, #ffc0c0c0
)";

// One control that carries text, or a line, a picture, a border: where it is in its
// window and the contrast it needs (4.5:1 for text, 3:1 for large text and for the rest).
struct Readable {
    const char* name;
    QRect box;
    double least;
};
constexpr double Text = 4.5;
constexpr double Large = 3.0;  // text of 18 pt, or 14 pt bold, and larger; lines, pictures, borders
// The text inside a push button or a text box, clear of its edge.
QRect inside(const QRect& box) { return box.adjusted(4, 4, -4, -4); }

const std::vector<Readable> SignInTexts = {
    {"Period caption", twips(600, 120, 1215, 255), Text},
    {"#ID caption", twips(600, 1080, 2355, 255), Text},
    {"Name caption", twips(600, 2040, 1455, 255), Text},
    {"Teacher caption", twips(600, 3000, 1215, 255), Text},
    {"prompt", inside(twips(1920, 360, 2775, 495)), Large},
    {"Period box", inside(twips(600, 480, 675, 495)), Large},
    {"#ID box", inside(twips(600, 1440, 975, 495)), Large},
    {"Name box", inside(twips(600, 2400, 3735, 495)), Large},
    {"Teacher box", inside(twips(600, 3360, 3735, 495)), Large},
    {"OK", inside(twips(1200, 4080, 1215, 495)), Text},
    {"Exit", inside(twips(2760, 4080, 1215, 495)), Text},
    {"the frame around the window", twips(0, 0, 4815, 4815).adjusted(0, 0, 0, -8), Large},
};
// Texts of the practice window in every state after sign-in (Start is disabled by then,
// and a disabled control need not stand out).
const std::vector<Readable> PracticeTexts = {
    {"Current Problem", twips(6210, 120, 1350, 255), Text},
    {"problem number", twips(6405, 420, 660, 555).adjusted(1, 1, -1, -1), Large},
    {"Right caption", twips(6975, 2850, 900, 195), Text},
    {"Total caption", twips(6960, 3555, 900, 195), Text},
    {"Grade caption", twips(6990, 4275, 900, 195), Text},
    {"Right", RightBox.adjusted(1, 1, -1, -1), Large},
    {"Total", TotalBox.adjusted(1, 1, -1, -1), Large},
    {"Grade", GradeBox.adjusted(1, 1, -1, -1), Large},
    {"Exit", inside(ExitButton), Text},
    {"period", PeriodBox.adjusted(1, 1, -1, -1), Large},
    {"student number", IdBox.adjusted(1, 1, -1, -1), Large},
    {"date", DateBox.adjusted(1, 1, -1, -1), Large},
    {"name", NameBox.adjusted(1, 1, -1, -1), Large},
    {"teacher", TeacherBox.adjusted(1, 1, -1, -1), Large},
    {"border of the problem number", twips(6405, 420, 660, 555).adjusted(-2, 2, -30, -2), Large},
    {"border of the name", NameBox.adjusted(-2, 2, -200, -2), Large},
};
const std::vector<Readable> MarkedProblemTexts = {
    {"Simplify caption", twips(360 + 90, 420, 900, 210), Text},
    {"Key caption", twips(3195 + 90, 435, 500, 210), Text},
    {"Answer caption", twips(405 + 90, 2265, 900, 210), Text},
    {"problem", twips(360 + 60, 420 + 300, 2300, 1300), Large},
    {"key", twips(3195 + 60, 435 + 300, 2300, 1300), Large},
    {"radical sign of the key", twips(3195 + 1005, 435 + 285, 300, 555), Large},
    {"fraction bar of the key", twips(3195 + 60, 435 + 870, 2200, 105), Large},
    {"radical sign of the answer", twips(405 + 3015, 2265 + 1200, 500, 765), Large},
    {"fraction bar of the answer", twips(405 + 1875, 2265 + 1995, 1500, 105), Large},
    {"answer-shape formulas", twips(405 + 45 + 450, 2265 + 255, 675, 4440), Large},
    {"circle of a shape option", twips(405 + 150, 2265 + 3240, 240, 315), Large},
    {"coefficient", inside(AnswerBoxes[0]), Large},
    {"number under the root", inside(AnswerBoxes[1]), Large},
    {"denominator", inside(AnswerBoxes[2]), Large},
    {"Submit", inside(SubmitButton), Text},
};
const QRect PrintButton = twips(8205, 4380, 705, 645);
const std::vector<Readable> EndOfSetTexts = {
    {"title", twips(195, 1065, 6480, 1125).adjusted(1, 1, -1, -1), Large},
    {"Print Results", inside(PrintButton), Text},
};

// Every control of the list reads on the grab of its window's client area.
void expectReadable(const QImage& window, const std::vector<Readable>& controls, const std::string& scheme) {
    for (const Readable& control : controls) {
        const double ratio = inkContrast(window, control.box);
        EXPECT_GE(ratio, control.least) << control.name << " under " << scheme;
        ::testing::Test::RecordProperty(scheme + ": " + control.name, std::to_string(ratio));
    }
}

TEST_F(WholeProgram, EveryColourSchemeReadsEveryControlAndPrintsTheSamePage) {
    const QString cupsMissing = CupsTestServer::unavailableReason();
    if (!cupsMissing.isEmpty()) GTEST_SKIP() << cupsMissing.toStdString();
    if (!canRenderPdf()) GTEST_SKIP() << "pdftoppm is not installed";
    CupsTestServer::isolatePrinting();
    CupsTestServer server;
    if (!server.start()) GTEST_SKIP() << "no print server could be started: " << server.failure().toStdString();
    const QString queue = "TarnivoRecord";
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue)) << server.failure().toStdString();
    QTemporaryDir folder;
    QFile highContrast(folder.filePath("high-contrast.conf"));
    ASSERT_TRUE(highContrast.open(QIODevice::WriteOnly));
    highContrast.write(HighContrastScheme);
    highContrast.close();
    std::vector<DrillProblem> problems;
    RandomSource random;  // the program's own sequence, from its start
    for (int i = 0; i < 20; ++i) problems.push_back(GenerateProblem(random));

    QImage defaultPage;
    for (const auto& [scheme, file] : {std::pair<std::string, QString>{"default", ""},
                                       {"darker", "/usr/share/qt6ct/colors/darker.conf"},
                                       {"high contrast", highContrast.fileName()}}) {
        SCOPED_TRACE(scheme);
        const QString shot = Screens + "scheme-" + QString::fromStdString(scheme).replace(' ', '-');
        if (!desktop.useColourScheme(file)) GTEST_SKIP() << "qt6ct is not installed (scripts/install-deps.sh test)";
        startProgram();
        const qulonglong signIn = desktop.waitForWindow(SignInTitle);
        ASSERT_NE(signIn, 0U) << windowMissing(SignInTitle);
        const qulonglong practice = desktop.waitForWindow(PracticeTitle);
        ASSERT_NE(practice, 0U) << windowMissing(PracticeTitle);
        const QRect signInRect = desktop.clientRect(signIn);
        ASSERT_EQ(desktop.waitForActiveWindow(signIn), signIn);
        QThread::msleep(300);
        const QImage atStart = desktop.screenshot();
        desktop.type("3");
        desktop.keys({"Tab"});
        desktop.type("4217");
        desktop.keys({"Tab"});
        desktop.type("Lovelace, Ada");
        desktop.keys({"Tab"});
        desktop.type("Hopper");
        QThread::msleep(300);
        const QImage signedIn = desktop.screenshot(shot + "-signin.png");
        if (scheme == "darker") signedIn.copy(withFrame(practice)).save(Screens + "dark-scheme.png");
        expectReadable(signedIn.copy(signInRect), SignInTexts, scheme);
        EXPECT_GE(focusContrast(atStart.copy(signInRect), signedIn.copy(signInRect), twips(600, 480, 675, 495)), Large)
            << "focus indicator of the Period box";
        desktop.keys({"Return"});
        ASSERT_TRUE(desktop.waitForWindowGone(SignInTitle)) << "OK did not close the sign-in window";

        // A marked problem: the coefficient wrong, the rest right; the focus back in the first box.
        const QRect practiceRect = desktop.clientRect(practice);
        const auto probe = [&](int box) {
            return practiceRect.topLeft() + AnswerBoxes[box].bottomRight() - QPoint(4, 4);
        };
        const auto answer = [&](const DrillProblem& problem, const std::string& coefficient) {
            desktop.click(practice, AnswerBoxes[0].center());
            desktop.keys({"ctrl+a"});
            desktop.type(QString::fromStdString(coefficient));
            desktop.keys({"Tab"});
            desktop.type(QString::fromStdString(problem.keyTexts[1]));
            desktop.keys({"Tab"});
            desktop.type(QString::fromStdString(problem.keyTexts[2]));
            desktop.keys({"alt+s"});
        };
        desktop.click(practice, StartButton.center());
        answer(problems[0], problems[0].keyTexts[0] + "1");
        ASSERT_TRUE(desktop.waitForPixels({probe(0)}, tk::toQColor(tk::colour::Red)))
            << "the wrong answer was not marked; the screen is in " << (shot + "-failed.png").toStdString()
            << (desktop.screenshot(shot + "-failed.png").isNull() ? "" : "");
        QThread::msleep(200);
        const QImage marked = desktop.screenshot(shot + "-marked.png").copy(practiceRect);
        desktop.keys({"Tab"});
        QThread::msleep(300);
        const QImage markedTabbed = desktop.screenshot().copy(practiceRect);
        expectReadable(marked, PracticeTexts, scheme);
        expectReadable(marked, MarkedProblemTexts, scheme);
        EXPECT_GE(focusContrast(marked, markedTabbed, AnswerBoxes[0]), Large) << "focus indicator of an answer box";

        // The scheme changed while the program runs, and changed back: the window follows it, the
        // marked box stays red, and the page printed at the end is still the light one.
        if (scheme == "darker") {
            const QPoint background = practiceRect.topLeft() + QPoint(20, 60);
            const QColor darker = marked.pixelColor(QPoint(20, 60));
            ASSERT_TRUE(desktop.changeColourScheme(highContrast.fileName()));
            ASSERT_TRUE(desktop.waitForPixels({background}, QColor(Qt::black), 10000))
                << "the window did not follow the new scheme";
            QThread::msleep(300);
            EXPECT_EQ(desktop.screenshot(shot + "-changed.png").pixelColor(probe(0)), tk::toQColor(tk::colour::Red))
                << "the marked box lost its colour with the new scheme";
            ASSERT_TRUE(desktop.changeColourScheme("/usr/share/qt6ct/colors/darker.conf"));
            ASSERT_TRUE(desktop.waitForPixels({background}, darker, 10000)) << "the window did not follow back";
            QThread::msleep(300);
            EXPECT_EQ(desktop.screenshot().pixelColor(probe(0)), tk::toQColor(tk::colour::Red));
        }

        // The set to its end; the focus indicator of a push button on the way.
        for (int number = 1; number <= 20; ++number) {
            SCOPED_TRACE("problem " + std::to_string(number));
            const DrillProblem& problem = problems[static_cast<std::size_t>(number - 1)];
            if (number > 1) {
                desktop.keys({"alt+n"});
                ASSERT_TRUE(desktop.waitForPixels({probe(0), probe(2)}, PaleCyan));
            }
            answer(problem, problem.keyTexts[0]);
            if (number == 20) break;
            ASSERT_TRUE(desktop.waitForPixels({probe(0), probe(1), probe(2)}, Green));
            if (number == 1) {
                QThread::msleep(300);
                const QImage nextFocused = desktop.screenshot().copy(practiceRect);
                desktop.keys({"Tab"});  // to Exit
                QThread::msleep(300);
                const QImage exitFocused = desktop.screenshot().copy(practiceRect);
                EXPECT_GE(focusContrast(nextFocused, exitFocused, NextButton), Large) << "focus indicator of Next";
                EXPECT_GE(focusContrast(exitFocused, nextFocused, ExitButton), Large) << "focus indicator of Exit";
                desktop.keys({"shift+Tab"});
            }
        }
        const QPoint whiteProbe = practiceRect.topLeft() + QPoint(20, 60);
        ASSERT_TRUE(desktop.waitForPixels({whiteProbe}, QColor(Qt::white))) << "no end-of-set screen";
        QThread::msleep(300);
        const QImage end = desktop.screenshot(shot + "-end.png").copy(practiceRect);
        expectReadable(end, PracticeTexts, scheme);
        expectReadable(end, EndOfSetTexts, scheme);

        // The record: the same page whatever the desktop's scheme.
        const int printed = server.completedJobs(queue);
        desktop.click(practice, PrintButton.center());
        // The click reaches the program a moment later: wait for its job, not for an idle queue.
        for (int tries = 0; tries < 300 && server.completedJobs(queue) == printed; ++tries) QThread::msleep(100);
        ASSERT_EQ(server.completedJobs(queue), printed + 1) << "Print Results printed nothing";
        // One message says which printer took it; OK, or Enter, closes it.
        const QString printTitle = "Print";
        const qulonglong told = desktop.waitForWindow(printTitle);
        ASSERT_NE(told, 0U) << windowMissing(printTitle);
        if (defaultPage.isNull() && ScreenText::available()) {
            const QString said =
                ScreenText::readArea(desktop.screenshot(shot + "-printed.png"), desktop.clientRect(told));
            EXPECT_TRUE(said.contains("sent to the printer")) << said.toStdString();
        }
        desktop.keys({"Return"});
        ASSERT_TRUE(desktop.waitForWindowGone(printTitle));
        ASSERT_TRUE(server.waitUntilIdle(std::chrono::seconds(30))) << server.failure().toStdString();
        const QImage page = renderPdfPage(server.outputOf(queue), 50);
        ASSERT_FALSE(page.isNull());
        renderPdfPage(server.outputOf(queue), 100).save(shot + "-page.png");
        if (defaultPage.isNull()) {
            defaultPage = page;
        } else {
            EXPECT_LT(meanDifference(page, defaultPage), 0.5) << "the page differs from the one of the default scheme";
        }
        desktop.closeWindow(practice);
        EXPECT_EQ(exitStatus(), 0);
    }
}

TEST_F(WholeProgram, InGermanTheWindowsTheirCaptionsAndTheMessageBoxesSpeakGerman) {
    ASSERT_TRUE(ScreenText::available()) << "tesseract is needed to read the screen (scripts/install-deps.sh test)";
    QTemporaryDir runtime;
    startProgram([&](QProcessEnvironment& environment) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
        environment.insert("LANG", "de_DE.UTF-8");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        // No print server answers, whatever other tests run: Print Results has to ask what to do.
        environment.insert("CUPS_SERVER", runtime.filePath("no-cups.sock"));
    });
    const QString germanSignIn = "Bitte anmelden";
    const QString germanPractice = "Tarnivo – Übung";
    const qulonglong signIn = desktop.waitForWindow(germanSignIn);
    ASSERT_NE(signIn, 0U) << windowMissing(germanSignIn);
    const qulonglong practice = desktop.waitForWindow(germanPractice);
    ASSERT_NE(practice, 0U) << windowMissing(germanPractice);
    ASSERT_EQ(desktop.waitForActiveWindow(signIn), signIn);
    const QImage atStart = desktop.screenshot(Screens + "program-german-sign-in.png");
    const QRect signInRect = desktop.clientRect(signIn);
    // Label2 of the sign-in window, with a pixel of room around its caption.
    const QRect teacherCaption = twips(600, 3000, 1215, 255).adjusted(-2, -2, 2, 2).translated(signInRect.topLeft());
    EXPECT_EQ(ScreenText::readBox(atStart, teacherCaption).toStdString(), "Lehrkraft");

    desktop.type("*");  // the bypass code: OK without the other boxes
    desktop.keys({"Return"});
    ASSERT_TRUE(desktop.waitForWindowGone(germanSignIn)) << "OK did not close the sign-in window";
    const QRect practiceRect = desktop.clientRect(practice);
    std::vector<QPoint> boxProbes;
    for (const QRect& box : AnswerBoxes) boxProbes.push_back(practiceRect.topLeft() + box.bottomRight() - QPoint(4, 4));
    desktop.click(practice, StartButton.center());
    RandomSource random;  // the program's own sequence, from its start
    for (int number = 1; number <= 20; ++number) {
        const DrillProblem problem = GenerateProblem(random);
        if (number > 1) {
            desktop.click(practice, NextButton.center());
            ASSERT_TRUE(desktop.waitForPixels(boxProbes, PaleCyan)) << "Next did not clear the answer boxes";
        }
        desktop.click(practice, AnswerBoxes[0].center());
        desktop.type(QString::fromStdString(problem.keyTexts[0]));
        desktop.keys({"Tab"});
        desktop.type(QString::fromStdString(problem.keyTexts[1]));
        desktop.keys({"Tab"});
        desktop.type(QString::fromStdString(problem.keyTexts[2]));
        desktop.click(practice, SubmitButton.center());
        // The last right answer turns the window into the white end-of-set screen.
        ASSERT_TRUE(desktop.waitForPixels(boxProbes, number < 20 ? Green : QColor(Qt::white)))
            << "problem " << number << " was not marked right";
    }

    // Print Results, on the end-of-set screen, finds no printer and asks in German.
    desktop.click(practice, twips(8205, 4380, 705, 645).center());
    const QString printTitle = "Drucken";
    const qulonglong question = desktop.waitForWindow(printTitle);
    ASSERT_NE(question, 0U) << windowMissing(printTitle);
    const QImage asked = desktop.screenshot(Screens + "program-german-message-box.png");
    const QString said = ScreenText::readArea(asked, desktop.clientRect(question));
    EXPECT_TRUE(said.contains("Standarddrucker")) << said.toStdString();
    EXPECT_TRUE(said.contains("Als PDF speichern")) << said.toStdString();
    EXPECT_TRUE(said.contains("Abbrechen")) << "Qt's own button in German: " << said.toStdString();
    desktop.keys({"Escape"});
    ASSERT_TRUE(desktop.waitForWindowGone(printTitle));
    desktop.closeWindow(practice);
    EXPECT_EQ(exitStatus(), 0);
    const QString errors = QString::fromUtf8(program->readAllStandardError()).trimmed();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

// What a screen reader finds in a tree that screen_reader_walk.py recorded.
class BusTree {
public:
    explicit BusTree(const QJsonObject& step) {
        for (const QJsonValue window : step["windows"].toArray()) windows_.push_back(window.toObject());
    }
    // The first node with the role and the name, depth first in reading order.
    [[nodiscard]] QJsonObject find(const QString& role, const QString& name) const {
        for (const QJsonObject& window : windows_) {
            if (QJsonObject found = find(window, role, name); !found.isEmpty()) return found;
        }
        return {};
    }
    static QJsonObject find(const QJsonObject& node, const QString& role, const QString& name) {
        if (node["role"] == role && node["name"] == name) return node;
        for (const QJsonValue child : node["children"].toArray()) {
            if (QJsonObject found = find(child.toObject(), role, name); !found.isEmpty()) return found;
        }
        return {};
    }
    // The names of a node's children as a screen reader reads them in turn.
    static std::string read(const QJsonObject& node) {
        QStringList names;
        for (const QJsonValue child : node["children"].toArray()) names << child.toObject()["name"].toString();
        return names.join(" | ").toStdString();
    }
    static bool has(const QJsonObject& node, const QString& state) { return node["states"].toArray().contains(state); }
    // The value read after a caption among a node's children ("Right" then "3").
    static std::string after(const QJsonObject& node, const QString& caption) {
        const QJsonArray children = node["children"].toArray();
        for (qsizetype i = 0; i + 1 < children.size(); ++i) {
            if (children[i].toObject()["name"] == caption)
                return children[i + 1].toObject()["name"].toString().toStdString();
        }
        return "(no " + caption.toStdString() + ")";
    }

private:
    std::vector<QJsonObject> windows_;
};

// Whether a step's events hold one of the type from a source with the role and the name
// (and, when given, read right after `after`).
bool heard(const QJsonObject& step, const QString& type, const QString& role, const QString& name,
           const QString& after = {}) {
    for (const QJsonValue value : step["events"].toArray()) {
        const QJsonObject event = value.toObject();
        if (event["type"] == type && event["role"] == role && event["name"] == name &&
            (after.isEmpty() || event["after"] == after))
            return true;
    }
    return false;
}

std::string problemPhrase(const DrillProblem& problem) {
    const auto& t = problem.termTexts;
    return t[0] + " root " + t[1] + " over " + t[2] + " root " + t[3];
}
std::string keyPhrase(const DrillProblem& problem) {
    const auto& k = problem.keyTexts;
    return k[0] + " root " + k[1] + " over " + k[2];
}

TEST_F(WholeProgram, AScreenReaderUserSignsInAndWorksTheWholeSet) {
    // What the bus showed at each step, kept for a person to read.
    const QString BusRecord = TARNIVO_BUILD_DIR "/screens/screen-reader-walk.json";
    const QString sessionBus = QStandardPaths::findExecutable("dbus-run-session");
    if (sessionBus.isEmpty()) GTEST_SKIP() << "dbus-run-session is missing (dbus): no accessibility bus";
    if (!QFile::exists("/usr/bin/python3")) GTEST_SKIP() << "/usr/bin/python3 is missing: no AT-SPI client";
    std::vector<DrillProblem> problems;
    RandomSource random;  // the program's own sequence, from its start
    QJsonArray keys;
    for (int i = 0; i < 20; ++i) {
        problems.push_back(GenerateProblem(random));
        const auto& k = problems.back().keyTexts;
        keys.append(
            QJsonArray{QString::fromStdString(k[0]), QString::fromStdString(k[1]), QString::fromStdString(k[2])});
    }
    // The walk answers the first problem with the shape "a" and its coefficient, then wrong in
    // the number under the root, then right, then every other problem right; the engine says
    // what the window shows for that.
    Score score;
    const auto submit = [&](int number, const std::array<std::string, 3>& boxes) {
        return Submit(score, boxes, problems[number - 1].keyTexts, std::to_string(number), 20);
    };
    const auto& firstKey = problems[0].keyTexts;
    const SubmitOutcome wrongShape = submit(1, {firstKey[0], "1", "1"});
    const SubmitOutcome wrong = submit(1, {firstKey[0], firstKey[1] + "1", firstKey[2]});
    const SubmitOutcome right = submit(1, firstKey);
    SubmitOutcome last;
    for (int number = 2; number <= 20; ++number) last = submit(number, problems[number - 1].keyTexts);
    const auto verdict = [](bool isRight) { return isRight ? "right" : "wrong"; };
    const auto text = [](const std::optional<std::string>& caption) { return caption.value_or("(none)"); };
    // The line a screen reader speaks wherever the focus is, as the window's notification.
    const auto announced = [](const QJsonObject& step, const std::string& line) {
        return heard(step, "object:state-changed:showing", "notification", QString::fromStdString(line));
    };
    // Where in a step's events the first of the type from the source comes; -1 when none does.
    const auto eventIndex = [](const QJsonObject& step, const QString& type, const QString& role, const QString& name) {
        const QJsonArray events = step["events"].toArray();
        for (qsizetype i = 0; i < events.size(); ++i) {
            const QJsonObject event = events[i].toObject();
            if (event["type"] == type && event["role"] == role && event["name"] == name) return static_cast<int>(i);
        }
        return -1;
    };
    // The controls that gained the focus during a step, in turn.
    const auto focusLandings = [](const QJsonObject& step) {
        std::vector<std::string> landed;
        for (const QJsonValue value : step["events"].toArray()) {
            const QJsonObject event = value.toObject();
            if (event["type"] == "object:state-changed:focused" && event["detail"].toInt() == 1)
                landed.push_back(event["name"].toString().toStdString());
        }
        return landed;
    };
    const auto verdicts = [&](const SubmitOutcome& outcome) {
        return std::string("coefficient ") + verdict(outcome.verdicts[0]) + ", number under the root " +
               verdict(outcome.verdicts[1]) + ", denominator " + verdict(outcome.verdicts[2]);
    };
    const auto scoreLine = [&](const SubmitOutcome& outcome) {
        const auto trimmed = [&](const std::optional<std::string>& caption) {
            return QString::fromStdString(text(caption)).trimmed().toStdString();
        };
        return "Right " + trimmed(outcome.rightText) + ", Total " + trimmed(outcome.totalText) + ", Grade " +
               trimmed(outcome.gradeText);
    };

    QTemporaryDir folder;
    QFile answers(folder.filePath("answers.json"));
    ASSERT_TRUE(answers.open(QIODevice::WriteOnly));
    answers.write(QJsonDocument(keys).toJson());
    answers.close();

    QProcess walk;
    walk.setProcessEnvironment(desktop.environment());
    walk.setProcessChannelMode(QProcess::MergedChannels);
    walk.start(sessionBus, {"--", "/usr/bin/python3", TARNIVO_SOURCE_DIR "/tests/program/screen_reader_walk.py",
                            TARNIVO_BUILD_DIR "/tarnivo", answers.fileName(), BusRecord});
    ASSERT_TRUE(walk.waitForFinished(90000)) << "the walk did not end";
    const std::string output = walk.readAll().toStdString();
    if (walk.exitCode() == 77) GTEST_SKIP() << "No accessibility bus for this test: " << output;
    ASSERT_EQ(walk.exitCode(), 0) << output;
    QFile recorded(BusRecord);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QJsonObject bus = QJsonDocument::fromJson(recorded.readAll()).object();
    const QJsonObject steps = bus["steps"].toObject();

    {
        SCOPED_TRACE("sign in: a dialog whose boxes are named by their captions, read in tab order");
        const BusTree tree(steps["signin"].toObject());
        const QJsonObject dialog = tree.find("dialog", "Please Sign In");
        ASSERT_FALSE(dialog.isEmpty());
        EXPECT_EQ(BusTree::read(dialog),
                  "Please Sign In | Period | Period | #ID or Student ID | #ID or Student ID | "
                  "Name (Last, First) | Name (Last, First) | Teacher | Teacher | OK | Exit");
        for (const QJsonValue child : dialog["children"].toArray()) {
            const QJsonObject node = child.toObject();
            EXPECT_NE(node["role"].toString().toStdString(), "filler") << node["name"].toString().toStdString();
            const QJsonArray extents = node["extents"].toArray();
            EXPECT_GT(extents[2].toInt(), 0) << node["name"].toString().toStdString() << " has no place on screen";
        }
        EXPECT_TRUE(BusTree::has(BusTree::find(dialog, "text", "Period"), "focused"));
        EXPECT_EQ(bus["idle_signin_events"].toInt(), 0) << "the flashing prompt is heard";
        // Each caption names its box, so a screen reader does not read the captions as the
        // dialog's own text when it opens.
        for (const char* caption : {"Period", "#ID or Student ID", "Name (Last, First)", "Teacher"}) {
            EXPECT_EQ(BusTree::find(dialog, "label", caption)["relations"].toArray(),
                      (QJsonArray{QJsonArray{"label-for", caption}}))
                << caption;
        }
        EXPECT_EQ(BusTree::find(dialog, "label", "Please Sign In")["relations"].toArray(), QJsonArray{});
    }
    {
        SCOPED_TRACE("the practice window: frames, labels, boxes, options and buttons, each named once");
        const BusTree tree(steps["signed_in"].toObject());
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        ASSERT_FALSE(practice.isEmpty());
        EXPECT_EQ(
            BusTree::read(practice),
            "Tarnivo Program | Current Problem | 0 | Simplify | Key | Start | Answer | Submit | Next | Right | 0 | "
            "Total | 0 | Grade | 0% | Print Results | Exit | Student Data | ");  // the last: nothing announced yet
        EXPECT_EQ(BusTree::read(tree.find("panel", "Answer")),
                  "coefficient | number under the root | denominator | Wrong shape: |  | Answer shape");
        EXPECT_EQ(BusTree::read(tree.find("panel", "Answer shape")),
                  "a root b over c | root b over c | a over c | a root b | a | root b | 1 over c");
        for (const QJsonValue option : tree.find("panel", "Answer shape")["children"].toArray())
            EXPECT_EQ(option.toObject()["description"].toString().toStdString(), "") << "the shape is said twice";
        const QJsonObject band = tree.find("panel", "Student Data");
        EXPECT_EQ(BusTree::read(band), "3 | 4217 | " + QString::fromStdString(tk::currentDateText()).toStdString() +
                                           " | Lovelace, Ada | Hopper");
        EXPECT_FALSE(BusTree::find(practice, "label", "Current Problem").isEmpty()) << "no static text for the caption";
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Start"), "focused"));
    }
    {
        SCOPED_TRACE("Start: the problem and its key each read as one phrase");
        const QJsonObject step = steps["start"].toObject();
        const BusTree tree(step);
        const QJsonObject simplify = tree.find("panel", "Simplify");
        EXPECT_EQ(simplify["description"].toString().toStdString(), problemPhrase(problems[0]));
        // Review reads the same words one by one: numbers, "root", "over".
        EXPECT_EQ(BusTree::read(simplify),
                  QString::fromStdString(problemPhrase(problems[0])).replace(" ", " | ").toStdString());
        EXPECT_EQ(tree.find("panel", "Key")["description"].toString().toStdString(), keyPhrase(problems[0]));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "panel", "Simplify"));
        EXPECT_TRUE(announced(step, "Problem 1, Simplify " + problemPhrase(problems[0])));
        EXPECT_TRUE(BusTree::has(tree.find("text", "coefficient"), "focused"));
    }
    {
        SCOPED_TRACE("a shape that leaves out wrong parts: the parts are named");
        const QJsonObject step = steps["wrong_shape"].toObject();
        const BusTree tree(step);
        ASSERT_TRUE(wrongShape.verdicts[0] && !wrongShape.verdicts[1] && !wrongShape.verdicts[2])
            << "the first key has no number under the root and no denominator to leave out";
        EXPECT_TRUE(announced(step,
                              "coefficient right, Wrong shape: the answer also has a number under the root and "
                              "a denominator."));
        const QJsonObject answer = tree.find("panel", "Answer");
        EXPECT_TRUE(BusTree::has(BusTree::find(answer, "label", "Wrong shape:"), "showing"));
        EXPECT_FALSE(BusTree::has(tree.find("text", "denominator"), "showing"));
        EXPECT_EQ(BusTree::after(tree.find("frame", "Tarnivo Practice"), "Total"), "0");
    }
    {
        SCOPED_TRACE("a new shape: the emptied boxes say no verdict");
        const BusTree tree(steps["new_shape"].toObject());
        for (const char* box : {"coefficient", "number under the root", "denominator"})
            EXPECT_EQ(tree.find("text", box)["description"].toString().toStdString(), "") << box;
    }
    {
        SCOPED_TRACE("a wrong answer: each box says its verdict");
        const QJsonObject step = steps["wrong"].toObject();
        const BusTree tree(step);
        const std::array<QString, 3> boxes{"coefficient", "number under the root", "denominator"};
        for (std::size_t box = 0; box < boxes.size(); ++box) {
            EXPECT_EQ(tree.find("text", boxes[box])["description"].toString().toStdString(),
                      verdict(wrong.verdicts[box]));
            EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "text", boxes[box]));
        }
        EXPECT_FALSE(wrong.verdicts[1]) << "the walk's wrong answer is marked right by the engine";
        EXPECT_TRUE(announced(step, verdicts(wrong)));
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        EXPECT_EQ(BusTree::after(practice, "Right"), "0");
        EXPECT_EQ(BusTree::after(practice, "Total"), "0");
    }
    {
        SCOPED_TRACE("a right answer: every box right, the new score heard");
        const QJsonObject step = steps["right"].toObject();
        const BusTree tree(step);
        for (const char* box : {"coefficient", "number under the root", "denominator"})
            EXPECT_EQ(tree.find("text", box)["description"].toString().toStdString(), "right") << box;
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        const QString name = "object:property-change:accessible-name";
        for (const auto& [caption, value] :
             {std::pair{"Right", text(right.rightText)}, std::pair{"Total", text(right.totalText)},
              std::pair{"Grade", text(right.gradeText)}}) {
            EXPECT_EQ(BusTree::after(practice, caption), value) << caption;
            EXPECT_TRUE(heard(step, name, "label", QString::fromStdString(value), caption)) << caption << " not heard";
        }
        EXPECT_TRUE(announced(step, verdicts(right) + ", " + scoreLine(right)));
    }
    {
        SCOPED_TRACE("Next: the new problem heard, the verdicts gone");
        const QJsonObject step = steps["next"].toObject();
        const BusTree tree(step);
        EXPECT_EQ(tree.find("panel", "Simplify")["description"].toString().toStdString(), problemPhrase(problems[1]));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "panel", "Simplify"));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-name", "label",
                          QString::fromStdString(problems[1].termTexts[0])));
        EXPECT_TRUE(announced(step, "Problem 2, Simplify " + problemPhrase(problems[1])));
        EXPECT_EQ(tree.find("text", "coefficient")["description"].toString().toStdString(), "");
        EXPECT_EQ(BusTree::after(tree.find("frame", "Tarnivo Practice"), "Current Problem"), "2");
        // One focus move, from Next straight to where the student goes on, which a screen
        // reader speaks; not a burst through the boxes.
        const std::string target = NeedsAnswerForm(problems[1].answerKey) ? "a root b over c" : "coefficient";
        std::vector<std::string> landed = focusLandings(step);
        std::erase(landed, "Next");
        EXPECT_EQ(landed, std::vector<std::string>{target});
        EXPECT_TRUE(BusTree::has(
            tree.find(target == "coefficient" ? "text" : "radio button", QString::fromStdString(target)), "focused"));
        // A screen reader that hears of a change in a box only once the focus is in it takes the box as
        // focused already and never names it: the focus comes first, the emptying after.
        if (target == "coefficient") {
            const QJsonArray events = step["events"].toArray();
            const int focusAt = eventIndex(step, "object:state-changed:focused", "text", "coefficient");
            EXPECT_GE(focusAt, 0) << "no focus event names the box";
            for (int i = 0; i < focusAt; ++i) {
                const QJsonObject event = events[i].toObject();
                EXPECT_FALSE(event["type"].toString().startsWith("object:text-changed") &&
                             event["name"] == "coefficient")
                    << "the box changed before the focus reached it";
            }
        }
    }
    {
        SCOPED_TRACE("the end of the set: the record a screen reader reads");
        const QJsonObject step = steps["end"].toObject();
        const BusTree tree(step);
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        EXPECT_TRUE(BusTree::has(BusTree::find(practice, "label", "Tarnivo Program"), "showing"));
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Print Results"), "showing"));
        for (const char* frame : {"Simplify", "Key", "Answer"})
            EXPECT_FALSE(BusTree::has(tree.find("panel", frame), "showing")) << frame;
        EXPECT_EQ(BusTree::after(practice, "Current Problem"), "20");
        EXPECT_TRUE(last.setComplete);
        EXPECT_EQ(BusTree::after(practice, "Right"), text(last.rightText));
        EXPECT_EQ(BusTree::after(practice, "Total"), text(last.totalText));
        EXPECT_EQ(BusTree::after(practice, "Grade"), text(last.gradeText));
        // The last verdicts, the final score and the end in one line, heard before the
        // focus lands on Print Results.
        const std::string endLine = verdicts(last) + ", " + scoreLine(last) + ", End of the set";
        EXPECT_TRUE(announced(step, endLine));
        const int heardAt =
            eventIndex(step, "object:state-changed:showing", "notification", QString::fromStdString(endLine));
        const int focusAt = eventIndex(step, "object:state-changed:focused", "push button", "Print Results");
        EXPECT_GE(focusAt, 0) << "the focus never landed on Print Results";
        EXPECT_LT(heardAt, focusAt);
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Print Results"), "focused"));
    }
    // A screen reader may still ask after the closed sign-in window's objects for events they sent
    // before it closed (newer AT-SPI clients do); the program must know every other object it named.
    QStringList signInPaths;
    const std::function<void(const QJsonObject&)> collect = [&](const QJsonObject& node) {
        signInPaths << node["path"].toString();
        for (const QJsonValue child : node["children"].toArray()) collect(child.toObject());
    };
    collect(BusTree(steps["signin"].toObject()).find("dialog", "Please Sign In"));
    QStringList errors = bus["stderr"].toString().split('\n', Qt::SkipEmptyParts);
    errors.removeIf([&](const QString& line) {
        const QString path = line.section('"', 1, 1);
        return line.contains("Could not find accessible on path") && signInPaths.contains(path);
    });
    const QString left = errors.join('\n');
    EXPECT_FALSE(left.contains("invalid", Qt::CaseInsensitive) || left.contains("could not find", Qt::CaseInsensitive))
        << left.toStdString();
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
