// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "app/toolkit/command_button.h"
#include "app/toolkit/label.h"
#include "app/toolkit/shape.h"
#include "app/toolkit/text_box.h"
#include "app/toolkit/timer.h"
#include "app/toolkit/translation.h"
#include "app/toolkit/window.h"

namespace tarnivo {

// The start-up window: collects the class period, student number, name and teacher,
// copies each into the practice window behind it as it is typed, and hands over on OK.
class frmSignIn : public tk::Window {
    Q_DECLARE_TR_FUNCTIONS(frmSignIn)

public:
    // A Period box holding exactly this enables OK on its own, so a teacher can open the
    // practice window without filling in the other boxes. A student does not put it in a
    // period by accident.
    static constexpr std::string_view PeriodBypassCode = "*";

    frmSignIn();

    void Form_Load() override;
    // There is no close command; any close from the desktop ends the program as Exit
    // does, so the disabled practice window is never left behind on its own.
    void closeRequested() override;

    void Timer1_Timer();
    void txtPeriod_Change();
    void txtID_Change();
    void txtName_Change();
    void txtTeacher_Change();
    void OnOk();
    void cmdOk_Click();
    void cmdExit_Click();

    tk::CommandButton cmdExit;
    tk::Timer Timer1;
    tk::CommandButton cmdOk;
    tk::TextBox txtID;
    tk::TextBox txtTeacher;
    tk::TextBox txtPeriod;
    tk::TextBox txtName;
    tk::Label lblFlash;
    tk::Shape Shape1;
    tk::Label Label3;
    tk::Label Label2;
    tk::Label Label1;
    tk::Label lblNameTitle;

private:
    void placeControls();
    void connectEvents();
};

}  // namespace tarnivo
