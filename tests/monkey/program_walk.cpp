// SPDX-License-Identifier: MIT
#include "tests/monkey/program_walk.h"

#include <QAbstractButton>
#include <QApplication>
#include <array>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "tests/monkey/desktop_input.h"
#include "tests/monkey/program_invariants.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace monkey {

namespace {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;
using tarnivo::testing::reportedErrors;
using tarnivo::testing::widgetOf;
namespace tk = tarnivo::tk;

enum class Move { Student, Click, Key, Paste, AnswerForm, Close };

// Relative weights of the moves: mostly abuse, with enough of the student's steps that
// a walk gets through dozens of sets. A run lasts about 270 events before an Exit or a
// close ends it, and a set takes the student a hundred steps or more; at a weight of 22
// a walk finished 0 to 8 sets, so whether it reached the end-of-set screen at all
// depended on how the access keys' delayed presses fell on the clock.
constexpr std::array<std::pair<Move, double>, 6> Moves{{
    {Move::Student, 40.0},
    {Move::Click, 25.0},
    {Move::Key, 30.0},
    {Move::Paste, 2.0},
    {Move::AnswerForm, 5.0},
    {Move::Close, 0.03},
}};

// Most clicks that land on an Exit button are aimed again.
constexpr double ExitClickChance = 0.25;
constexpr std::size_t RecentEventsKept = 8;

// Two remarks would fill the log tens of thousands of times over: that a click or key
// on a plain part of a window was not taken, and that the offscreen platform cannot
// raise a window.
QtMessageHandler previousHandler = nullptr;
void quietClicks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("not accepted by receiving widget")) ||
        message.contains(QLatin1String("does not support raise()")))
        return;
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

ProgramWalk::ProgramWalk(unsigned seed, const tarnivo::testing::ScriptedDialogs& dialogs)
    : seed_(seed), random_(seed), dialogs_(dialogs), monkey_(random_), student_(random_) {
    monkey_.setExitClickChance(ExitClickChance);
}

void ProgramWalk::startProgram() {
    tarnivo::tk::dispatch([] { tarnivo::showStartupWindow(); });
    // Watches the Exit buttons, however they are pressed: a click, a key or the
    // animated press of an access key that lands a little later.
    const auto watchExit = [this](const tk::CommandButton& button) {
        if (auto* widget = qobject_cast<QAbstractButton*>(widgetOf(button)))
            QObject::connect(widget, &QAbstractButton::clicked, [this] { exitClicked_ = true; });
    };
    if (const auto* signIn = tk::FormsProbe::find<frmSignIn>()) watchExit(signIn->cmdExit);
    if (const auto* practice = tk::FormsProbe::find<frmTarnivo>()) watchExit(practice->cmdExit);
    setCounted_ = false;
    student_.startOver();
    QApplication::processEvents();
}

WalkEvent ProgramWalk::nextEvent() {
    std::array<double, Moves.size()> weights{};
    for (std::size_t i = 0; i < Moves.size(); ++i) weights[i] = Moves[i].second;
    const Move move = Moves[std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(random_)].first;
    switch (move) {
        case Move::Student: return student_.step();
        case Move::Click: return monkey_.click();
        case Move::Key: return monkey_.key();
        case Move::Paste: return monkey_.paste();
        case Move::AnswerForm: return monkey_.chooseAnswerForm();
        case Move::Close: return monkey_.close();
    }
    return {};
}

std::string ProgramWalk::check(const WalkEvent& event, int offersBefore) {
    if (!reportedErrors().empty()) return "a run-time error reached the error boundary: " + reportedErrors().front();
    if (tk::Forms::ended()) {
        if (tk::Forms::exitCode() != 0) return "the program ended with status " + std::to_string(tk::Forms::exitCode());
        if (!event.mustEnd && !exitClicked_) return "the program ended though nobody pressed Exit or closed a window";
        return {};
    }
    if (event.mustEnd) return "the program is still running after Exit or a close";
    if (event.printPressed && dialogs_.reasons.size() == offersBefore)
        return "Print Results neither printed nor told the student why not";
    return brokenInvariant();
}

std::string ProgramWalk::failureReport(int index, const std::string& broken) const {
    std::string text = "seed " + std::to_string(seed_) + ", event " + std::to_string(index) + ": " + broken +
                       "\n  events up to it, oldest first:";
    for (const std::string& what : recentEvents_) text += "\n    " + what;
    return text;
}

WalkReport ProgramWalk::run(int eventCount) {
    previousHandler = qInstallMessageHandler(quietClicks);
    report_ = {};
    recentEvents_.clear();
    startProgram();
    for (int index = 0; index < eventCount; ++index) {
        exitClicked_ = false;
        const int offersBefore = dialogs_.reasons.size();
        const WalkEvent event = nextEvent();
        QApplication::processEvents();
        activateFrontWindowIfNoneIs();
        ++report_.events;
        if (event.printPressed) ++report_.printsPressed;

        recentEvents_.push_back(std::to_string(index) + ": " + event.what);
        if (recentEvents_.size() > RecentEventsKept) recentEvents_.pop_front();

        if (const std::string broken = check(event, offersBefore); !broken.empty()) {
            report_.failure = failureReport(index, broken);
            break;
        }
        if (tk::Forms::ended()) {
            tarnivo::testing::resetProgram();
            startProgram();
            ++report_.restarts;
            continue;
        }
        const auto* practice = tk::FormsProbe::find<frmTarnivo>();
        if (!setCounted_ && practice->lblTitle.visible()) {
            setCounted_ = true;
            ++report_.setsCompleted;
        }
    }
    qInstallMessageHandler(previousHandler);
    return report_;
}

}  // namespace monkey
