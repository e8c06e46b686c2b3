// SPDX-License-Identifier: MIT
// The program started in German, from sign-in to the print question.

#include "tests/program/screen_text.h"
#include "tests/program/whole_program.h"

namespace tarnivo::testing {
namespace {

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
    const std::vector<QPoint> boxProbes = pressStart(practice, practiceRect);
    RandomSource random;  // the program's own sequence, from its start
    for (int number = 1; number <= 20; ++number) {
        const DrillProblem problem = GenerateProblem(random);
        if (number > 1) {
            ASSERT_TRUE(nextProblem(practice, boxProbes)) << "Next did not clear the answer boxes";
        }
        typeAnswer(practice, problem.keyTexts);
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

}  // namespace
}  // namespace tarnivo::testing
