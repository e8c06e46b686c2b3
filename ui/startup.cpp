// SPDX-License-Identifier: MIT
#include "ui/startup.h"

#include "app/toolkit/forms.h"
#include "app/toolkit/label.h"
#include "app/toolkit/window.h"

namespace tarnivo {

namespace {
// Stands in for the sign-in window until it exists.
class frmPlaceholder : public tk::Window {
public:
    frmPlaceholder() : Window({.caption = "Tarnivo", .clientWidth = 4815, .clientHeight = 1200}) {
        lblMessage.place(*this, "lblMessage", {.left = 240, .top = 360, .width = 4335, .height = 495,
                                                .caption = "Tarnivo is being built.", .align = tk::Align::Centre});
    }
    tk::Label lblMessage;
};
}  // namespace

void showStartupWindow() { tk::Forms::get<frmPlaceholder>().show(); }

}  // namespace tarnivo
