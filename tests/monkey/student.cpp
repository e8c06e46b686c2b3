// SPDX-License-Identifier: MIT
#include "tests/monkey/student.h"

#include <QTest>

#include "app/toolkit/forms.h"
#include "tests/monkey/desktop_input.h"
#include "tests/monkey/program_controls.h"
#include "tests/support/student_input.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"

namespace monkey {

namespace {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;
using tarnivo::testing::answerFor;
using tarnivo::testing::keyOf;
using tarnivo::testing::widgetOf;

constexpr int PrintsPerRun = 2;
constexpr int AccessKeyAnimationMs = 120;

// Now and then the student uses the keyboard instead of the mouse.
constexpr double UsesAccessKey = 0.01;
constexpr double UsesSpace = 0.2;

const std::array<const char*, 6> SampleEntries{"3", "4217", "Lovelace, Ada", "Hopper", "  ", "Ñúñez-Øre, Zoë"};

bool live(const tk::Control& control) { return control.shownOnScreen() && control.usable(); }

// Presses a button as a student might: a click, Space when it has the focus, or its
// access key, waiting for the key's animated press. The press may end the program and
// take the button with it, so everything about the button is read beforehand.
WalkEvent press(const tk::CommandButton& button, Qt::Key accessKey, bool space, bool accessKeyUsed) {
    QWidget* widget = widgetOf(button);
    const std::string name = button.fullName();
    if (accessKeyUsed && accessKey != Qt::Key_unknown) {
        QTest::keyClick(keyTarget(*button.window()), accessKey, Qt::AltModifier);
        runEventsFor(AccessKeyAnimationMs);
        return {"student presses the access key of " + name};
    }
    if (space && widget->hasFocus()) {
        QTest::keyClick(widget, Qt::Key_Space);
        return {"student presses Space on " + name};
    }
    click(button);
    return {"student clicks " + name};
}

}  // namespace

bool Student::chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

WalkEvent Student::step() {
    if (tk::FormsProbe::find<frmSignIn>() != nullptr) return signIn();
    auto* practice = tk::FormsProbe::find<frmTarnivo>();
    if (practice == nullptr) return {"student finds no window"};
    if (live(practice->cmdStart)) return press(practice->cmdStart, Qt::Key_unknown, chance(UsesSpace), false);
    if (live(practice->cmdSubmit)) return answer();
    if (live(practice->cmdNew)) return press(practice->cmdNew, Qt::Key_N, chance(UsesSpace), chance(UsesAccessKey));
    if (live(practice->cmdPrintIt) && printsThisRun_ < PrintsPerRun) {
        ++printsThisRun_;
        WalkEvent event = press(practice->cmdPrintIt, Qt::Key_unknown, false, false);
        event.printPressed = true;
        return event;
    }
    const bool exitLive = live(practice->cmdExit);
    WalkEvent event = press(practice->cmdExit, Qt::Key_unknown, false, false);
    event.mustEnd = exitLive;
    return event;
}

WalkEvent Student::signIn() {
    auto& window = *tk::FormsProbe::find<frmSignIn>();
    if (window.cmdOk.usable() && chance(0.6)) {
        if (chance(0.3)) {
            QWidget* target = keyTarget(window);
            WalkEvent event{"student presses Enter in " + nameOf(target)};
            QTest::keyClick(target, Qt::Key_Return);
            return event;
        }
        click(window.cmdOk);
        return {"student clicks cmdOk"};
    }
    if (chance(0.15)) {
        typeOver(window.txtPeriod, QString::fromUtf8(frmSignIn::PeriodBypassCode.data(),
                                                     static_cast<int>(frmSignIn::PeriodBypassCode.size())));
        return {"student types the bypass code into txtPeriod"};
    }
    std::array<tk::TextBox*, 4> boxes{&window.txtPeriod, &window.txtID, &window.txtName, &window.txtTeacher};
    tk::TextBox* box = boxes[std::uniform_int_distribution<std::size_t>(0, boxes.size() - 1)(random_)];
    for (tk::TextBox* empty : boxes) {
        if (empty->text().empty()) box = empty;
    }
    const char* entry = SampleEntries[std::uniform_int_distribution<std::size_t>(0, SampleEntries.size() - 1)(random_)];
    typeOver(*box, QString::fromUtf8(entry));
    return {"student types \"" + std::string(entry) + "\" into " + box->fullName()};
}

WalkEvent Student::answer() {
    auto& practice = *tk::FormsProbe::find<frmTarnivo>();
    const std::array<std::string, 3> key = keyOf(practice);
    const int shape = answerFor(key).shape;
    if (practice.selectedAnswerForm() != shape) {
        const tk::Control& option = practice.optAnswerForm[static_cast<std::size_t>(shape)];
        click(option);
        return {"student chooses " + option.fullName()};
    }
    for (std::size_t box = 0; box < key.size(); ++box) {
        const tk::TextBox& target = practice.txtAnswer[box];
        if (target.shownOnScreen() && target.text() != key[box]) {
            typeOver(target, QString::fromStdString(key[box]));
            return {"student types \"" + key[box] + "\" into " + target.fullName()};
        }
    }
    return press(practice.cmdSubmit, Qt::Key_S, false, chance(UsesAccessKey));
}

}  // namespace monkey
