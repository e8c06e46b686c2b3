// SPDX-License-Identifier: MIT
// The whole-program tests' fixture: the real program on its own X desktop, and where its
// controls stand on the screen.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/runtime/random_source.h"
#include "app/toolkit/qt_bridge.h"
#include "engine/problem.h"
#include "tests/program/x_desktop.h"
#include "tests/support/test_app.h"

namespace tarnivo::testing {

inline const QString SignInTitle = "Please Sign In";
inline const QString PracticeTitle = "Tarnivo Practice";
inline const QString Screens = TARNIVO_BUILD_DIR "/screens/";
inline const QColor Green = tk::toQColor(tk::colour::Green);
inline const QColor PaleCyan = tk::toQColor(tk::colour::PaleCyan);
inline const QColor Red = tk::toQColor(tk::colour::Red);
inline const QColor LightYellow = tk::toQColor(tk::colour::LightYellow);

// A box of the practice window's layout, in twips from its client area's corner.
inline QRect twips(float left, float top, float width, float height) {
    return {static_cast<int>(left / 15), static_cast<int>(top / 15), static_cast<int>(width / 15),
            static_cast<int>(height / 15)};
}
// fraAnswer and fraStudentData hold these, so their corners are added.
inline const QRect AnswerBoxes[3] = {twips(405 + 1830, 2265 + 1365, 1065, 540),
                                     twips(405 + 3585, 2265 + 1380, 1065, 540),
                                     twips(405 + 2745, 2265 + 2250, 1065, 540)};
// Where each box shows its verdict sign: just right of the box, level with its top.
inline const QRect SignAreas[3] = {twips(405 + 1830 + 1065 + 15, 2265 + 1365 + 30, 165, 165),
                                   twips(405 + 3585 + 1065 + 15, 2265 + 1380 + 30, 165, 165),
                                   twips(405 + 2745 + 1065 + 15, 2265 + 2250 + 30, 165, 165)};
inline const QRect StartButton = twips(7215, 2055, 1215, 495);
inline const QRect SubmitButton = twips(5505, 3165, 1215, 495);
inline const QRect NextButton = twips(5490, 3720, 1215, 495);
inline const QRect RightBox = twips(6930, 3045, 960, 480);
inline const QRect TotalBox = twips(6960, 3765, 975, 465);
inline const QRect GradeBox = twips(6810, 4485, 1350, 480);
inline const QRect PeriodBox = twips(45, 7140 + 90, 645, 435);
inline const QRect IdBox = twips(795, 7140 + 90, 855, 435);
inline const QRect DateBox = twips(1755, 7140 + 90, 1590, 435);
inline const QRect NameBox = twips(3420, 7140 + 90, 3645, 435);
inline const QRect TeacherBox = twips(7095, 7140 + 105, 1635, 435);
inline const QRect ExitButton = twips(7590, 5475, 1215, 495);
inline const QSize PracticeClient(612, 529);
inline const QSize SignInClient(321, 323);

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

    // Types each text into a box and Tab between them, as a student fills a row of boxes.
    void typeInTurn(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) desktop.keys({"Tab"});
            desktop.type(QString::fromStdString(texts[i]));
        }
    }
    // Types an answer into the three boxes of the full shape A√B/C, over what they held.
    void typeAnswer(qulonglong practice, const std::array<std::string, 3>& boxes) {
        desktop.click(practice, AnswerBoxes[0].center());
        desktop.keys({"ctrl+a"});
        typeInTurn({boxes[0], boxes[1], boxes[2]});
    }
    // Presses Next and waits until the boxes are emptied for the next problem.
    [[nodiscard]] bool nextProblem(qulonglong practice, const std::vector<QPoint>& boxProbes) {
        desktop.click(practice, NextButton.center());
        return desktop.waitForPixels(boxProbes, PaleCyan);
    }
    // Presses Start; returns a corner inside each answer box, clear of the digits, that shows the box's colour.
    std::vector<QPoint> pressStart(qulonglong practice, const QRect& practiceRect) {
        desktop.click(practice, StartButton.center());
        std::vector<QPoint> probes;
        for (const QRect& box : AnswerBoxes)
            probes.push_back(practiceRect.topLeft() + box.bottomRight() - QPoint(4, 4));
        return probes;
    }

    XDesktop desktop;
    std::unique_ptr<QProcess> program;
};

}  // namespace tarnivo::testing
