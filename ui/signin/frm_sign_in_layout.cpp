// SPDX-License-Identifier: MIT
// The layout of the sign-in window: one row per control, in creation order.
#include "ui/signin/frm_sign_in.h"

namespace tarnivo {

namespace {
const tk::FontStyle BoxFont{"MS Sans Serif", 18.0F, 400};
const tk::FontStyle FlashFont{"MS Sans Serif", 18.0F, 700};
constexpr tk::Colour FlashDesignColour = 0x0080FFFF;
}  // namespace

frmSignIn::frmSignIn()
    //: Title of the small sign-in window, and the flashing prompt in it: the student is asked to
    //: give their name and number before working. Keep it short.
    : Window({.caption = QT_TR_NOOP("Please Sign In"),
              .clientWidth = 4815,
              .clientHeight = 4845,
              .backColor = tk::colour::LightYellow,
              .borderless = true,
              .showInTaskbar = false,
              .dialog = true,
              .translationContext = "frmSignIn"}) {
    placeControls();
    connectEvents();
}

void frmSignIn::placeControls() {
    using tk::colour::LightYellow;
    // In creation order; the first placed is drawn on top. One row per control, wrapped by hand.
    // clang-format off
    //: Button that ends the program without signing in.
    cmdExit.place(*this, "cmdExit", {.left = 2760, .top = 4080, .width = 1215, .height = 495,
                                     .caption = QT_TR_NOOP("Exit"), .tabIndex = 10});
    Timer1.place(*this, 1000);
    //: Button that signs in and opens the practice window.
    cmdOk.place(*this, "cmdOk", {.left = 1200, .top = 4080, .width = 1215, .height = 495,
                                 .caption = QT_TR_NOOP("OK"), .tabIndex = 5, .enabled = false});
    //: The student number given by the school; "#" reads "number".
    txtID.place(*this, "txtID", {.left = 600, .top = 1440, .width = 975, .height = 495,
                                 .tabIndex = 2, .font = BoxFont, .accessibleName = QT_TR_NOOP("#ID or Student ID")});
    //: The name of the student's teacher.
    txtTeacher.place(*this, "txtTeacher", {.left = 600, .top = 3360, .width = 3735, .height = 495,
                                           .tabIndex = 4, .font = BoxFont, .accessibleName = QT_TR_NOOP("Teacher")});
    //: The class period: the lesson of the school day (first period, second period), not a length of time.
    txtPeriod.place(*this, "txtPeriod", {.left = 600, .top = 480, .width = 675, .height = 495,
                                         .tabIndex = 0, .font = BoxFont, .accessibleName = QT_TR_NOOP("Period")});
    //: The student's name, family name first, then given name, with a comma between.
    txtName.place(*this, "txtName", {.left = 600, .top = 2400, .width = 3735, .height = 495,
                                     .tabIndex = 3, .font = BoxFont,
                                     .accessibleName = QT_TR_NOOP("Name (Last, First)")});
    //: A flashing prompt in large bold letters in a box of fixed width: keep it short.
    lblFlash.place(*this, "lblFlash", {.left = 1920, .top = 360, .width = 2775, .height = 495,
                                       .caption = QT_TR_NOOP("Please Sign In"), .tabIndex = 9, .font = FlashFont,
                                       .backColor = FlashDesignColour, .bordered = true, .shrinkToFit = true});
    Shape1.place(*this, "Shape1", {.left = 0, .top = 0, .width = 4815, .height = 4815, .lineWidth = 4});
    Label3.place(*this, "Label3", {.left = 600, .top = 1080, .width = 2355, .height = 255,
                                   .caption = QT_TR_NOOP("#ID or Student ID"), .tabIndex = 8, .backColor = LightYellow,
                                   .shrinkToFit = true});
    Label2.place(*this, "Label2", {.left = 600, .top = 3000, .width = 1215, .height = 255,
                                   .caption = QT_TR_NOOP("Teacher"), .tabIndex = 7, .backColor = LightYellow,
                                   .shrinkToFit = true});
    Label1.place(*this, "Label1", {.left = 600, .top = 120, .width = 1215, .height = 255,
                                   .caption = QT_TR_NOOP("Period"), .tabIndex = 6, .backColor = LightYellow,
                                   .shrinkToFit = true});
    lblNameTitle.place(*this, "lblNameTitle", {.left = 600, .top = 2040, .width = 1455, .height = 255,
                                               .caption = QT_TR_NOOP("Name (Last, First)"), .tabIndex = 1,
                                               .backColor = LightYellow, .shrinkToFit = true});
    // What a screen reader reads: the prompt, then each caption with its box
    setReadingOrder({&lblFlash, &Label1, &txtPeriod, &Label3, &txtID, &lblNameTitle, &txtName, &Label2, &txtTeacher,
                     &cmdOk, &cmdExit});
    setCaptions({{&Label1, &txtPeriod}, {&Label3, &txtID}, {&lblNameTitle, &txtName}, {&Label2, &txtTeacher}});
    // clang-format on
    setDefaultButton(cmdOk);
}

}  // namespace tarnivo
