// SPDX-License-Identifier: MIT
// Every colour scheme: every control readable, and the same printed page.
#include <QFile>

#include "tests/program/screen_text.h"
#include "tests/program/whole_program.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"

namespace tarnivo::testing {
namespace {

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
        typeInTurn({"3", "4217", "Lovelace, Ada", "Hopper"});
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
            typeAnswer(practice, {coefficient, problem.keyTexts[1], problem.keyTexts[2]});
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

}  // namespace
}  // namespace tarnivo::testing
