// SPDX-License-Identifier: MIT
#include "ui/startup.h"

#include "app/toolkit/forms.h"
#include "ui/signin/frm_sign_in.h"

namespace tarnivo {

// Loading the sign-in window loads the practice window and shows it, disabled, first;
// the sign-in window then opens centred in front of it with the focus in the Period box.
void showStartupWindow() { tk::Forms::get<frmSignIn>().show(); }

}  // namespace tarnivo
