// SPDX-License-Identifier: MIT
#include "ui/signin/frm_sign_in.h"

#include "app/toolkit/current_date.h"
#include "app/toolkit/forms.h"
#include "ui/practice/frm_tarnivo.h"

namespace tarnivo {

void frmSignIn::connectEvents() {
    Timer1.onTimer = [this] { Timer1_Timer(); };
    txtPeriod.onChange = [this] { txtPeriod_Change(); };
    txtID.onChange = [this] { txtID_Change(); };
    txtName.onChange = [this] { txtName_Change(); };
    txtTeacher.onChange = [this] { txtTeacher_Change(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
}

void frmSignIn::Form_Load() {
    auto& practice = tk::Forms::get<frmTarnivo>();
    practice.setEnabled(false);
    practice.setVisible(true);
    setOwner(practice);
}

void frmSignIn::closeRequested() { tk::Forms::end(0); }

void frmSignIn::Timer1_Timer() {
    if (lblFlash.backColor() == tk::colour::Black) {
        lblFlash.setBackColor(tk::colour::Yellow);
        lblFlash.setForeColor(tk::colour::Black);
    } else {
        lblFlash.setBackColor(tk::colour::Black);
        lblFlash.setForeColor(tk::colour::Yellow);
    }
}

void frmSignIn::txtPeriod_Change() {
    tk::Forms::get<frmTarnivo>().lblPeriod.setCaption(txtPeriod.text());
    OnOk();
}

void frmSignIn::txtID_Change() {
    tk::Forms::get<frmTarnivo>().lblID.setCaption(txtID.text());
    OnOk();
}

void frmSignIn::txtName_Change() {
    tk::Forms::get<frmTarnivo>().lblName.setCaption(txtName.text());
    OnOk();
}

void frmSignIn::txtTeacher_Change() {
    tk::Forms::get<frmTarnivo>().lblTeacher.setCaption(txtTeacher.text());
    OnOk();
}

void frmSignIn::OnOk() {
    // Nothing is trimmed: a box holding only blanks counts as filled.
    const bool allFilled =
        !txtID.text().empty() && !txtName.text().empty() && !txtPeriod.text().empty() && !txtTeacher.text().empty();
    const bool bypass = txtPeriod.text() == PeriodBypassCode;
    cmdOk.setEnabled(allFilled || bypass);
}

void frmSignIn::cmdOk_Click() {
    auto& practice = tk::Forms::get<frmTarnivo>();
    practice.setEnabled(true);
    practice.lblDate.setCaption(tk::currentDateText());
    tk::Forms::unload(*this);
}

void frmSignIn::cmdExit_Click() { tk::Forms::end(0); }

}  // namespace tarnivo
