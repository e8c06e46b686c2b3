// SPDX-License-Identifier: MIT
#include "tests/monkey/program_controls.h"

#include <QWidget>

#include "app/toolkit/forms.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"

namespace monkey {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;

std::vector<const tk::Control*> widgetControls() {
    std::vector<const tk::Control*> controls;
    if (const auto* s = tk::FormsProbe::find<frmSignIn>()) {
        controls.insert(controls.end(),
                        {&s->cmdExit, &s->cmdOk, &s->txtID, &s->txtTeacher, &s->txtPeriod, &s->txtName});
    }
    if (const auto* p = tk::FormsProbe::find<frmTarnivo>()) {
        controls.insert(controls.end(), {&p->cmdStart, &p->cmdPrintIt, &p->fraAnswer, &p->fraKey, &p->cmdExit,
                                         &p->cmdSubmit, &p->cmdNew, &p->fraProb, &p->fraStudentData, &p->Frame1});
        for (const auto& box : p->txtAnswer) controls.push_back(&box);
        for (const auto& option : p->optAnswerForm) controls.push_back(&option);
    }
    return controls;
}

const tk::Control* controlOf(const QWidget* widget) {
    for (const tk::Control* control : widgetControls()) {
        if (control->widget() == widget) return control;
    }
    return nullptr;
}

std::string nameOf(const QWidget* widget) {
    if (widget == nullptr) return "nothing";
    if (const tk::Control* control = controlOf(widget)) return control->fullName();
    if (widget->isWindow()) return "window \"" + widget->windowTitle().toStdString() + "\"";
    return widget->metaObject()->className();
}

bool isExitButton(const tk::Control* control) {
    if (control == nullptr) return false;
    const auto* s = tk::FormsProbe::find<frmSignIn>();
    const auto* p = tk::FormsProbe::find<frmTarnivo>();
    return (s != nullptr && control == &s->cmdExit) || (p != nullptr && control == &p->cmdExit);
}

}  // namespace monkey
