// SPDX-License-Identifier: MIT
// The layout of the practice window: one row per control, container by container, each
// container's controls topmost first. Frames come before the controls inside them.
#include "ui/practice/frm_tarnivo.h"

namespace tarnivo {

namespace {

using tk::Align;
namespace colour = tk::colour;

const tk::FontSpec NumberStyle{"Arial Narrow", 21.75F, 700};
const tk::FontSpec ScoreStyle{"MS Sans Serif", 18.0F, 700};
const tk::FontSpec StudentStyle{"Times New Roman", 15.75F, 700};
const tk::FontSpec TitleStyle{"Myriad Roman", 36.0F, 400};
const tk::FontSpec NoteStyle{"MS Sans Serif", 12.0F, 400};
const tk::FontSpec NoteTitleStyle{"MS Sans Serif", 12.0F, 700};

constexpr tk::Colour PaleGreen = 0x00C0FFC0;
constexpr tk::Colour PaleRed = 0x00C0C0FF;
constexpr tk::Colour LightGrey = 0x00E0E0E0;
constexpr tk::Colour PaleOrange = 0x00C0E0FF;

const std::string RadicalPicture = ":/assets/RadicalPicture.png";
const std::string AnswerFormsPicture = ":/assets/AnswerFormsPicture.png";

}  // namespace

frmTarnivo::frmTarnivo()
    : Window({.caption = "Tarnivo Practice",
              .clientWidth = 9180,
              .clientHeight = 7935,
              .icon = ":/assets/PracticeIcon.png"}) {
    placeControls();
    setDefaultButton(cmdSubmit);
    connectEvents();
}

// g++ 12 takes the default font of a row for possibly uninitialised on the path that
// would destroy the row if placing threw; every field of every row is initialised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
// One row per control, wrapped by hand, so that the table reads like the layout.
// clang-format off
void frmTarnivo::placeControls() {
    // The window
    cmdStart.place(*this, "cmdStart", {.left = 7215, .top = 2055, .width = 1215, .height = 495, .caption = "Start",
                                       .tabIndex = 0});
    cmdPrintIt.place(*this, "cmdPrintIt", {.left = 8205, .top = 4380, .width = 705, .height = 645,
                                           .caption = "Print Results", .tabIndex = 28, .visible = false,
                                           .enabled = false});
    fraAnswer.place(*this, "fraAnswer", {.left = 405, .top = 2265, .width = 5025, .height = 4845, .caption = "Answer",
                                         .tabIndex = 21});
    fraKey.place(*this, "fraKey", {.left = 3195, .top = 435, .width = 2445, .height = 1725, .caption = "Key",
                                   .tabIndex = 17, .readAsPhrase = true});
    cmdExit.place(*this, "cmdExit", {.left = 7590, .top = 5475, .width = 1215, .height = 495, .caption = "E&xit",
                                     .tabIndex = 29});
    cmdSubmit.place(*this, "cmdSubmit", {.left = 5505, .top = 3165, .width = 1215, .height = 495, .caption = "&Submit",
                                         .tabIndex = 5, .enabled = false});
    cmdNew.place(*this, "cmdNew", {.left = 5490, .top = 3720, .width = 1215, .height = 495, .caption = "&Next",
                                   .tabIndex = 6, .enabled = false});
    fraProb.place(*this, "fraProb", {.left = 360, .top = 420, .width = 2445, .height = 1725, .caption = "Simplify",
                                     .tabIndex = 12, .readAsPhrase = true, .announceAs = "Simplify"});
    fraStudentData.place(*this, "fraStudentData", {.left = 0, .top = 7140, .width = 8880, .height = 645,
                                                   .caption = "Student Data", .tabIndex = 1, .backColor = LightGrey,
                                                   .foreColor = colour::WindowText, .borderless = true});
    lblTitle.place(*this, "lblTitle", {.left = 195, .top = 1065, .width = 6480, .height = 1125,
                                       .caption = "Tarnivo Program", .tabIndex = 32, .visible = false,
                                       .font = TitleStyle, .backColor = colour::White, .align = Align::Left,
                                       .bordered = true});
    Label4.place(*this, "Label4", {.left = 6210, .top = 120, .width = 1350, .height = 255, .caption = "Current Problem",
                                   .tabIndex = 31});
    lblProbCount.place(*this, "lblProbCount", {.left = 6405, .top = 420, .width = 660, .height = 555, .caption = "0",
                                               .tabIndex = 30, .font = NumberStyle, .backColor = colour::LightYellow,
                                               .align = Align::Centre, .bordered = true, .announceAs = "Problem"});
    lblRight.place(*this, "lblRight", {.left = 6930, .top = 3045, .width = 960, .height = 480, .caption = "0",
                                       .tabIndex = 27, .font = ScoreStyle, .backColor = PaleGreen,
                                       .align = Align::Centre, .bordered = true, .announceAs = "Right"});
    lblWrong.place(*this, "lblWrong", {.left = 6960, .top = 3765, .width = 975, .height = 465, .caption = "0",
                                       .tabIndex = 26, .font = ScoreStyle, .backColor = PaleRed, .align = Align::Centre,
                                       .bordered = true, .announceAs = "Total"});
    lblPercent.place(*this, "lblPercent", {.left = 6810, .top = 4485, .width = 1350, .height = 480, .caption = "0%",
                                           .tabIndex = 25, .font = ScoreStyle, .backColor = colour::LightYellow,
                                           .align = Align::Centre, .bordered = true, .announceAs = "Grade"});
    Label1.place(*this, "Label1", {.left = 6975, .top = 2850, .width = 900, .height = 195, .caption = "Right",
                                   .tabIndex = 24, .align = Align::Centre});
    Label2.place(*this, "Label2", {.left = 6960, .top = 3555, .width = 900, .height = 195, .caption = "Total",
                                   .tabIndex = 23, .align = Align::Centre});
    Label3.place(*this, "Label3", {.left = 6990, .top = 4275, .width = 900, .height = 195, .caption = "Grade",
                                   .tabIndex = 22, .align = Align::Centre});

    // fraProb: the problem
    Line1.place(fraProb, "Line1", {.x1 = 60, .y1 = 915, .x2 = 2145, .y2 = 930, .lineWidth = 3,
                                   .accessibleName = "over"});
    lblProb[3].place(fraProb, "lblProb(3)", {.left = 1560, .top = 1020, .width = 225, .height = 495, .caption = "0",
                                             .tabIndex = 16, .font = NumberStyle, .align = Align::Centre,
                                             .autoSize = true});
    lblProb[2].place(fraProb, "lblProb(2)", {.left = 585, .top = 1005, .width = 225, .height = 495, .caption = "0",
                                             .tabIndex = 15, .font = NumberStyle, .align = Align::Centre,
                                             .autoSize = true});
    lblProb[1].place(fraProb, "lblProb(1)", {.left = 1560, .top = 405, .width = 225, .height = 495, .caption = "0",
                                             .tabIndex = 14, .font = NumberStyle, .align = Align::Centre,
                                             .autoSize = true});
    lblProb[0].place(fraProb, "lblProb(0)", {.left = 585, .top = 405, .width = 225, .height = 495, .caption = "0",
                                             .tabIndex = 13, .font = NumberStyle, .align = Align::Centre,
                                             .autoSize = true});
    Image2.place(fraProb, "Image2", {.left = 1005, .top = 285, .width = 1215, .height = 555, .picture = RadicalPicture,
                                     .stretch = true, .accessibleName = "root"});
    Image3.place(fraProb, "Image3", {.left = 1035, .top = 945, .width = 1215, .height = 495, .picture = RadicalPicture,
                                     .stretch = true, .accessibleName = "root"});

    // fraKey: the answer key
    lblProb[6].place(fraKey, "lblProb(6)", {.left = 1110, .top = 1020, .width = 225, .height = 495, .caption = "0",
                                            .tabIndex = 20, .font = NumberStyle, .align = Align::Centre,
                                            .autoSize = true});
    lblProb[5].place(fraKey, "lblProb(5)", {.left = 1515, .top = 405, .width = 225, .height = 495, .caption = "0",
                                            .tabIndex = 19, .font = NumberStyle, .align = Align::Centre,
                                            .autoSize = true});
    lblProb[4].place(fraKey, "lblProb(4)", {.left = 570, .top = 375, .width = 225, .height = 495, .caption = "0",
                                            .tabIndex = 18, .font = NumberStyle, .align = Align::Centre,
                                            .autoSize = true});
    Line2.place(fraKey, "Line2", {.x1 = 60, .y1 = 915, .x2 = 2265, .y2 = 930, .lineWidth = 3,
                                  .accessibleName = "over"});
    Image1.place(fraKey, "Image1", {.left = 1005, .top = 285, .width = 1215, .height = 555, .picture = RadicalPicture,
                                    .stretch = true, .accessibleName = "root"});

    // fraAnswer: the answer
    Frame1.place(fraAnswer, "Frame1", {.left = 45, .top = 255, .width = 1170, .height = 4545, .tabIndex = 33,
                                       .borderless = true, .accessibleName = "Answer shape"});
    txtAnswer[2].place(fraAnswer, "txtAnswer(2)", {.left = 2745, .top = 2250, .width = 1065, .height = 540,
                                                   .tabIndex = 4, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = "denominator", .announceAs = "denominator"});
    txtAnswer[1].place(fraAnswer, "txtAnswer(1)", {.left = 3585, .top = 1380, .width = 1065, .height = 540,
                                                   .tabIndex = 3, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = "number under the root", .announceAs = "number under the root"});
    txtAnswer[0].place(fraAnswer, "txtAnswer(0)", {.left = 1830, .top = 1365, .width = 1065, .height = 540,
                                                   .tabIndex = 2, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = "coefficient", .announceAs = "coefficient"});
    lneViniculum.place(fraAnswer, "lneViniculum", {.x1 = 1875, .y1 = 2040, .x2 = 4710, .y2 = 2055, .lineWidth = 3});
    imgRadical.place(fraAnswer, "imgRadical", {.left = 3015, .top = 1200, .width = 1770, .height = 765,
                                               .picture = RadicalPicture, .stretch = true});
    Label5.place(fraAnswer, "Label5", {.left = 1350, .top = 2955, .width = 3600, .height = 300,
                                       .caption = "Wrong shape:", .tabIndex = 41, .visible = false,
                                       .font = NoteTitleStyle});
    lblHiddenPart.place(fraAnswer, "lblHiddenPart", {.left = 1350, .top = 3255, .width = 3600, .height = 1155,
                                                     .tabIndex = 42, .visible = false, .font = NoteStyle,
                                                     .wordWrap = true, .announceAs = "Wrong shape:"});

    // Frame1: the answer shapes, each level with its formula in Image4
    optAnswerForm[6].place(Frame1, "optAnswerForm(6)", {.left = 135, .top = 3840, .width = 240, .height = 315,
                                                        .tabIndex = 40, .accessibleName = "1 over c"});
    optAnswerForm[5].place(Frame1, "optAnswerForm(5)", {.left = 150, .top = 3240, .width = 240, .height = 315,
                                                        .tabIndex = 39, .accessibleName = "root b"});
    optAnswerForm[4].place(Frame1, "optAnswerForm(4)", {.left = 165, .top = 2775, .width = 240, .height = 315,
                                                        .tabIndex = 38, .accessibleName = "a"});
    optAnswerForm[3].place(Frame1, "optAnswerForm(3)", {.left = 180, .top = 2370, .width = 240, .height = 315,
                                                        .tabIndex = 37, .accessibleName = "a root b"});
    optAnswerForm[2].place(Frame1, "optAnswerForm(2)", {.left = 150, .top = 1785, .width = 240, .height = 315,
                                                        .tabIndex = 36, .accessibleName = "a over c"});
    optAnswerForm[1].place(Frame1, "optAnswerForm(1)", {.left = 225, .top = 1065, .width = 240, .height = 315,
                                                        .tabIndex = 35, .accessibleName = "root b over c"});
    optAnswerForm[0].place(Frame1, "optAnswerForm(0)", {.left = 195, .top = 315, .width = 240, .height = 315,
                                                        .tabIndex = 34, .selected = true,
                                                        .accessibleName = "a root b over c"});
    Image4.place(Frame1, "Image4", {.left = 450, .top = 0, .width = 675, .height = 4440,
                                    .picture = AnswerFormsPicture});

    // fraStudentData: reads period, student number, date, name, teacher from left to right
    lblPeriod.place(fraStudentData, "lblPeriod", {.left = 45, .top = 90, .width = 645, .height = 435, .caption = "18",
                                                  .tabIndex = 11, .font = StudentStyle, .backColor = PaleOrange,
                                                  .align = Align::Centre, .bordered = true, .shrinkToFit = true});
    lblDate.place(fraStudentData, "lblDate", {.left = 1755, .top = 90, .width = 1590, .height = 435, .tabIndex = 10,
                                              .font = StudentStyle, .backColor = PaleOrange, .align = Align::Centre,
                                              .bordered = true, .shrinkToFit = true});
    lblID.place(fraStudentData, "lblID", {.left = 795, .top = 90, .width = 855, .height = 435, .tabIndex = 9,
                                          .font = StudentStyle, .backColor = PaleOrange, .align = Align::Centre,
                                          .bordered = true, .shrinkToFit = true});
    lblName.place(fraStudentData, "lblName", {.left = 3420, .top = 90, .width = 3645, .height = 435, .tabIndex = 8,
                                              .font = StudentStyle, .backColor = PaleOrange, .align = Align::Centre,
                                              .bordered = true, .shrinkToFit = true});
    lblTeacher.place(fraStudentData, "lblTeacher", {.left = 7095, .top = 105, .width = 1635, .height = 435,
                                                    .tabIndex = 7, .font = StudentStyle, .backColor = PaleOrange,
                                                    .align = Align::Centre, .bordered = true, .shrinkToFit = true});

    // What a screen reader reads, container by container, where the tab indices do not say it
    setReadingOrder({&lblTitle, &Label4, &lblProbCount, &fraProb, &fraKey, &cmdStart, &fraAnswer, &cmdSubmit, &cmdNew,
                     &Label1, &lblRight, &Label2, &lblWrong, &Label3, &lblPercent, &cmdPrintIt, &cmdExit,
                     &fraStudentData});
    fraProb.setReadingOrder({&lblProb[0], &Image2, &lblProb[1], &Line1, &lblProb[2], &Image3, &lblProb[3]});
    fraKey.setReadingOrder({&lblProb[4], &Image1, &lblProb[5], &Line2, &lblProb[6]});
    fraAnswer.setReadingOrder({&txtAnswer[0], &txtAnswer[1], &txtAnswer[2], &Label5, &lblHiddenPart, &Frame1});
    fraStudentData.setReadingOrder({&lblPeriod, &lblID, &lblDate, &lblName, &lblTeacher});
}
// clang-format on
#pragma GCC diagnostic pop

}  // namespace tarnivo
