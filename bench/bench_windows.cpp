// SPDX-License-Identifier: MIT
// Time of each handler a student sets off, run through the real windows on the platform
// QT_QPA_PLATFORM names (offscreen unless set). Each benchmark has two rows: /paint:0 is
// the handler alone, including the repaints it forces at once; /paint:1 also lets the
// event loop draw what the handler left for the next paint, as the screen would.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <initializer_list>
#include <string>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "tests/support/student_input.h"
#include "tests/support/test_app.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace {

using namespace tarnivo;
using testing::answerFor;
using testing::enterAnswer;
using testing::keyOf;

// False once a window did not come on screen; every row after that is failed.
bool windowsExposed = true;

// Both windows as the program shows them at start-up. On an X display a window draws
// nothing until the server has mapped it, so this waits for that.
void startProgram() {
    testing::resetProgram();
    tk::dispatch([] { showStartupWindow(); });
    for (const tk::Window* window :
         std::initializer_list<const tk::Window*>{&tk::Forms::get<frmTarnivo>(), &tk::Forms::get<frmSignIn>()}) {
        if (!QTest::qWaitForWindowExposed(testing::widgetOf(*window)->windowHandle())) windowsExposed = false;
    }
    testing::settle();
}

// Signs in through the sign-in window and returns the practice window, enabled and
// alone, before Start.
frmTarnivo& signedIn() {
    startProgram();
    testing::signIn(tk::Forms::get<frmSignIn>());
    testing::settle();
    return tk::Forms::get<frmTarnivo>();
}

frmTarnivo& started() {
    frmTarnivo& form = signedIn();
    form.cmdStart.press();
    testing::settle();
    return form;
}

// Draws the next problem as problem `number` of the set, so that a long run neither
// completes the set nor counts past what the counter label is meant to hold.
void drawProblem(frmTarnivo& form, int number) {
    tk::dispatch([&] {
        form.lblProbCount.setCaption(std::to_string(number - 1));
        form.cmdNew_Click();
    });
}

void paintIfAsked(const benchmark::State& state) {
    if (state.range(0) != 0) QApplication::processEvents();
}

// Turns a run that reached the error boundary, or that did not do what it measures,
// into a failed row instead of a figure.
void check(benchmark::State& state, bool didItsWork, const char* what) {
    if (!windowsExposed) {
        state.SkipWithError("a window did not come on screen");
    } else if (!testing::reportedErrors().empty()) {
        state.SkipWithError(testing::reportedErrors().front().c_str());
    } else if (!didItsWork) {
        state.SkipWithError(what);
    }
}

void BM_SignInKeystroke(benchmark::State& state) {
    startProgram();
    auto& signIn = tk::Forms::get<frmSignIn>();
    tk::dispatch([&] {
        signIn.txtPeriod.setText("3");
        signIn.txtID.setText("1234");
        signIn.txtTeacher.setText("Mr Jones");
    });
    testing::settle();
    // With the other boxes filled, each keystroke in Name switches OK on or off.
    QWidget* name = testing::widgetOf(signIn.txtName);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(name, typed ? Qt::Key_Backspace : Qt::Key_A);
        typed = !typed;
        paintIfAsked(state);
    }
    const frmTarnivo& practice = tk::Forms::get<frmTarnivo>();
    check(state, practice.lblName.caption() == signIn.txtName.text() && signIn.cmdOk.enabled() == typed,
          "the keystroke was not copied into the practice window");
}
BENCHMARK(BM_SignInKeystroke)->ArgName("paint")->Arg(0)->Arg(1);

// One timed press of a button: `prepare` runs, and what it changed is painted, outside the
// timing; it returns the button to press.
template <typename Prepare>
void timePress(benchmark::State& state, Prepare prepare) {
    state.PauseTiming();
    tk::CommandButton& button = prepare();
    testing::settle();
    state.ResumeTiming();
    button.press();
    paintIfAsked(state);
}

// Puts the answer read off the key into the boxes, with the focus on Submit as a click
// or Alt+S leaves it.
void answerFromTheKey(frmTarnivo& form) {
    tk::dispatch([&] {
        enterAnswer(form, answerFor(keyOf(form)));
        form.cmdSubmit.setFocus();
    });
}

void BM_Start(benchmark::State& state) {
    frmTarnivo& form = signedIn();
    for (auto _ : state) {
        timePress(state, [&]() -> tk::CommandButton& {
            tk::dispatch([&] {
                form.lblProbCount.setCaption("0");
                form.cmdStart.setEnabled(true);
                form.cmdStart.setFocus();
            });
            return form.cmdStart;
        });
    }
    check(state, form.lblProbCount.caption() == "1" && !form.cmdStart.enabled(), "Start did not start the set");
}
BENCHMARK(BM_Start)->ArgName("paint")->Arg(0)->Arg(1);

void BM_Next(benchmark::State& state) {
    frmTarnivo& form = started();
    for (auto _ : state) {
        // Next is offered once the problem on show is answered right.
        timePress(state, [&]() -> tk::CommandButton& {
            tk::dispatch([&] { form.lblProbCount.setCaption("1"); });
            answerFromTheKey(form);
            form.cmdSubmit.press();
            return form.cmdNew;
        });
    }
    check(state, form.lblProbCount.caption() == "2" && !form.cmdNew.enabled(), "Next did not draw a problem");
}
BENCHMARK(BM_Next)->ArgName("paint")->Arg(0)->Arg(1);

void BM_SubmitRight(benchmark::State& state) {
    frmTarnivo& form = started();
    bool allRight = true;
    for (auto _ : state) {
        timePress(state, [&]() -> tk::CommandButton& {
            drawProblem(form, 1);
            answerFromTheKey(form);
            return form.cmdSubmit;
        });
        allRight = allRight && form.cmdNew.enabled();
    }
    check(state, allRight, "an answer read off the key was not marked right");
}
BENCHMARK(BM_SubmitRight)->ArgName("paint")->Arg(0)->Arg(1);

// The twentieth right answer also turns the window into the end-of-set screen; every
// iteration needs a window that has not been through it yet.
void BM_SubmitRightLast(benchmark::State& state) {
    bool summaryShown = true;
    for (auto _ : state) {
        frmTarnivo* form = nullptr;
        timePress(state, [&]() -> tk::CommandButton& {
            form = &started();
            drawProblem(*form, ProblemLimit);
            answerFromTheKey(*form);
            return form->cmdSubmit;
        });
        summaryShown = summaryShown && form->cmdPrintIt.visible() && !form->fraAnswer.visible();
    }
    check(state, summaryShown, "the last answer did not end the set");
}
BENCHMARK(BM_SubmitRightLast)->ArgName("paint")->Arg(0)->Arg(1)->Iterations(200);

// A wrong answer changes only the box colours and the focus, so the same answer can be
// submitted again and again; each time from the colours of a fresh problem and with the
// focus on Submit, as a click or Alt+S leaves it.
void BM_SubmitWrong(benchmark::State& state) {
    frmTarnivo& form = started();
    tk::dispatch([&] { enterAnswer(form, answerFor(keyOf(form)), true); });
    testing::settle();
    for (auto _ : state) {
        timePress(state, [&]() -> tk::CommandButton& {
            tk::dispatch([&] {
                for (tk::TextBox& box : form.txtAnswer) box.setBackColor(tk::colour::PaleCyan);
                form.cmdSubmit.setFocus();
            });
            return form.cmdSubmit;
        });
    }
    check(state, form.cmdSubmit.enabled() && !form.cmdNew.enabled(), "the wrong answer was marked right");
}
BENCHMARK(BM_SubmitWrong)->ArgName("paint")->Arg(0)->Arg(1);

// A click on an answer shape, going round all seven so that every click changes it.
void BM_AnswerFormChoice(benchmark::State& state) {
    frmTarnivo& form = started();
    int shape = 0;
    bool followed = true;
    for (auto _ : state) {
        shape = (shape + 1) % AnswerFormSelector::FormCount;
        auto* option =
            static_cast<QAbstractButton*>(testing::widgetOf(form.optAnswerForm[static_cast<std::size_t>(shape)]));
        option->click();
        paintIfAsked(state);
        followed = followed && form.selectedAnswerForm() == shape;
    }
    check(state, followed, "a click did not select its shape");
}
BENCHMARK(BM_AnswerFormChoice)->ArgName("paint")->Arg(0)->Arg(1);

// Submit right repaints the Total and Right labels at once, each over its own box.
void BM_ScoreLabelRefresh(benchmark::State& state) {
    frmTarnivo& form = started();
    for (auto _ : state) form.lblRight.refresh();
    check(state, true, "");
}
BENCHMARK(BM_ScoreLabelRefresh);

}  // namespace

int main(int argc, char** argv) {
    testing::ensureApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    testing::resetProgram();
    return 0;
}
