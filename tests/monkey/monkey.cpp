// SPDX-License-Identifier: MIT
#include "tests/monkey/monkey.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <array>

#include "app/toolkit/forms.h"
#include "tests/monkey/desktop_input.h"
#include "tests/monkey/program_controls.h"
#include "tests/monkey/random_text.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"

namespace monkey {

namespace {

using tarnivo::testing::widgetOf;

enum class Typed { Key, Digit, Letter };

struct KeyStroke {
    const char* name;
    Typed typed;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};

const std::array<KeyStroke, 26> KeyStrokes{{
    {"digit", Typed::Digit, Qt::Key_0, Qt::NoModifier, 30},
    {"letter", Typed::Letter, Qt::Key_A, Qt::NoModifier, 12},
    {"Tab", Typed::Key, Qt::Key_Tab, Qt::NoModifier, 10},
    {"Shift+Tab", Typed::Key, Qt::Key_Backtab, Qt::ShiftModifier, 5},
    {"Enter", Typed::Key, Qt::Key_Return, Qt::NoModifier, 5},
    {"keypad Enter", Typed::Key, Qt::Key_Enter, Qt::KeypadModifier, 1},
    {"Space", Typed::Key, Qt::Key_Space, Qt::NoModifier, 5},
    {"Escape", Typed::Key, Qt::Key_Escape, Qt::NoModifier, 2},
    {"Backspace", Typed::Key, Qt::Key_Backspace, Qt::NoModifier, 5},
    {"Delete", Typed::Key, Qt::Key_Delete, Qt::NoModifier, 2},
    {"Home", Typed::Key, Qt::Key_Home, Qt::NoModifier, 1},
    {"End", Typed::Key, Qt::Key_End, Qt::NoModifier, 1},
    {"Left", Typed::Key, Qt::Key_Left, Qt::NoModifier, 1},
    {"Right", Typed::Key, Qt::Key_Right, Qt::NoModifier, 1},
    {"Up", Typed::Key, Qt::Key_Up, Qt::NoModifier, 1},
    {"Down", Typed::Key, Qt::Key_Down, Qt::NoModifier, 1},
    {"minus", Typed::Key, Qt::Key_Minus, Qt::NoModifier, 1},
    {"period", Typed::Key, Qt::Key_Period, Qt::NoModifier, 1},
    {"Alt+S", Typed::Key, Qt::Key_S, Qt::AltModifier, 3},
    {"Alt+N", Typed::Key, Qt::Key_N, Qt::AltModifier, 3},
    {"Alt+X", Typed::Key, Qt::Key_X, Qt::AltModifier, 1},
    {"Ctrl+A", Typed::Key, Qt::Key_A, Qt::ControlModifier, 1},
    {"Ctrl+Z", Typed::Key, Qt::Key_Z, Qt::ControlModifier, 1},
    {"Ctrl+X", Typed::Key, Qt::Key_X, Qt::ControlModifier, 1},
    {"Ctrl+C", Typed::Key, Qt::Key_C, Qt::ControlModifier, 1},
    {"Shift+letter", Typed::Letter, Qt::Key_A, Qt::ShiftModifier, 2},
}};

// The animated press of an access key lands about 100 ms later; now and then the walk
// waits for it, otherwise it lands in the middle of whatever comes next.
constexpr double WaitForAccessKey = 0.01;
constexpr int AccessKeyAnimationMs = 120;

bool pressesButton(const KeyStroke& stroke) {
    return stroke.modifiers == Qt::NoModifier && (stroke.key == Qt::Key_Return || stroke.key == Qt::Key_Space);
}

}  // namespace

bool Monkey::chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

WalkEvent Monkey::click() {
    const auto windows = shownWindows();
    if (windows.empty()) return {"click with no window on the screen"};
    QWidget* receiver = nullptr;
    QPoint global;
    for (int aim = 0; aim < 4; ++aim) {
        const tk::Window* window = windows[std::uniform_int_distribution<std::size_t>(0, windows.size() - 1)(random_)];
        QWidget* top = widgetOf(*window);
        const QPoint local(std::uniform_int_distribution<int>(0, top->width() - 1)(random_),
                           std::uniform_int_distribution<int>(0, top->height() - 1)(random_));
        global = top->mapToGlobal(local);
        receiver = widgetAt(global);
        if (!isExitButton(controlOf(receiver)) || chance(exitClickChance_)) break;
    }
    if (receiver == nullptr) return {"click beside the windows"};
    const tk::Control* control = controlOf(receiver);
    WalkEvent event{"click at (" + std::to_string(global.x()) + "," + std::to_string(global.y()) + ") on " +
                    nameOf(receiver)};
    const bool live = control != nullptr && control->shownOnScreen() && control->usable();
    event.mustEnd = live && isExitButton(control);
    const auto* practice = tk::FormsProbe::find<tarnivo::frmTarnivo>();
    event.printPressed = live && practice != nullptr && control == &practice->cmdPrintIt;
    clickAt(receiver, global);
    return event;
}

WalkEvent Monkey::key() {
    const auto windows = shownWindows();
    if (windows.empty()) return {"key with no window on the screen"};
    std::array<int, KeyStrokes.size()> weights{};
    for (std::size_t i = 0; i < KeyStrokes.size(); ++i) weights[i] = KeyStrokes[i].weight;
    const KeyStroke& stroke =
        KeyStrokes[std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(random_)];

    QWidget* target = keyTarget(*windows.front());
    WalkEvent event{std::string("key ") + stroke.name + " to " + nameOf(target)};
    const tk::Control* control = controlOf(target);
    event.mustEnd = pressesButton(stroke) && isExitButton(control) && control->shownOnScreen() && control->usable();

    if (stroke.typed != Typed::Key) {
        const char first = stroke.typed == Typed::Digit ? '0' : 'a';
        const int span = stroke.typed == Typed::Digit ? 10 : 26;
        char typed = static_cast<char>(first + std::uniform_int_distribution<int>(0, span - 1)(random_));
        if (stroke.modifiers & Qt::ShiftModifier) typed = static_cast<char>(typed - 'a' + 'A');
        event.what += std::string(" '") + typed + "'";
        QTest::keyClick(target, typed, stroke.modifiers);
    } else {
        QTest::keyClick(target, stroke.key, stroke.modifiers);
    }
    if ((stroke.modifiers & Qt::AltModifier) && chance(WaitForAccessKey)) runEventsFor(AccessKeyAnimationMs);
    return event;
}

WalkEvent Monkey::paste() {
    const auto windows = shownWindows();
    if (windows.empty()) return {"paste with no window on the screen"};
    tk::Window& window = *windows.front();
    if (qobject_cast<QLineEdit*>(keyTarget(window)) == nullptr || chance(0.3)) {
        std::vector<const tk::Control*> boxes;
        for (const tk::Control* control : widgetControls()) {
            if (control->window() == &window && qobject_cast<QLineEdit*>(control->widget()) != nullptr &&
                control->shownOnScreen())
                boxes.push_back(control);
        }
        if (!boxes.empty())
            monkey::click(*boxes[std::uniform_int_distribution<std::size_t>(0, boxes.size() - 1)(random_)]);
    }
    const QString text = randomPasteText(random_);
    QApplication::clipboard()->setText(text);
    QWidget* target = keyTarget(window);
    WalkEvent event{"paste of " + std::to_string(text.size()) + " characters into " + nameOf(target)};
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    return event;
}

WalkEvent Monkey::chooseAnswerForm() {
    const auto* practice = tk::FormsProbe::find<tarnivo::frmTarnivo>();
    if (practice == nullptr) return click();
    const int form = std::uniform_int_distribution<int>(0, 6)(random_);
    const tk::Control& option = practice->optAnswerForm[static_cast<std::size_t>(form)];
    // A hidden option cannot be clicked; the user's click lands on whatever is there.
    if (!option.shownOnScreen()) return click();
    WalkEvent event{"click on " + option.fullName()};
    monkey::click(option);
    return event;
}

WalkEvent Monkey::close() {
    const auto windows = shownWindows();
    if (windows.empty()) return {"close with no window on the screen"};
    tk::Window& window = *windows[std::uniform_int_distribution<std::size_t>(0, windows.size() - 1)(random_)];
    WalkEvent event{"close request on window \"" + window.caption() + "\""};
    event.mustEnd = true;
    widgetOf(window)->close();
    return event;
}

}  // namespace monkey
