// SPDX-License-Identifier: MIT
// The layout of the practice window: one row per control, container by container, each
// container's controls topmost first. Frames come before the controls inside them.
#include "ui/practice/frm_tarnivo.h"

namespace tarnivo {

namespace {

using tk::Align;
namespace colour = tk::colour;

const tk::FontStyle NumberStyle{"Arial Narrow", 21.75F, 700};
const tk::FontStyle ScoreStyle{"MS Sans Serif", 18.0F, 700};
const tk::FontStyle StudentStyle{"Times New Roman", 15.75F, 700};
const tk::FontStyle TitleStyle{"Myriad Roman", 36.0F, 400};
const tk::FontStyle NoteStyle{"MS Sans Serif", 12.0F, 400};
const tk::FontStyle NoteTitleStyle{"MS Sans Serif", 12.0F, 700};

constexpr tk::Colour PaleGreen = 0x00C0FFC0;
constexpr tk::Colour PaleRed = 0x00C0C0FF;
constexpr tk::Colour LightGrey = 0x00E0E0E0;
constexpr tk::Colour PaleOrange = 0x00C0E0FF;

const std::string RadicalPicture = ":/assets/RadicalPicture.png";
const std::string AnswerFormsPicture = ":/assets/AnswerFormsPicture.png";

}  // namespace

frmTarnivo::frmTarnivo()
    //: Title of the practice window, where the student works the set of problems.
    : Window({.caption = QT_TR_NOOP("Tarnivo Practice"),
              .clientWidth = 9180,
              .clientHeight = 7935,
              .icon = ":/assets/PracticeIcon.png",
              .translationContext = "frmTarnivo"}) {
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
    //: Button that starts the set of twenty problems: a verb, "begin", on a small button.
    cmdStart.place(*this, "cmdStart", {.left = 7215, .top = 2055, .width = 1215, .height = 495,
                                       .caption = QT_TR_NOOP("Start"), .tabIndex = 0});
    //: Button on the end-of-set screen that prints the window as the record of the work.
    //: The button is narrow and tall: one or two short words read best.
    cmdPrintIt.place(*this, "cmdPrintIt", {.left = 8205, .top = 4380, .width = 705, .height = 645,
                                           .caption = QT_TR_NOOP("Print Results"), .tabIndex = 28, .visible = false,
                                           .enabled = false});
    //: Caption of the frame where the student types the answer.
    fraAnswer.place(*this, "fraAnswer", {.left = 405, .top = 2265, .width = 5025, .height = 4845,
                                         .caption = QT_TR_NOOP("Answer"), .tabIndex = 21});
    //: Caption of the frame with the answer key: the simplified answer, shown beside the problem.
    //: Not a key of the keyboard.
    fraKey.place(*this, "fraKey", {.left = 3195, .top = 435, .width = 2445, .height = 1725,
                                   .caption = QT_TR_NOOP("Key"), .tabIndex = 17, .readAsPhrase = true,
                                   //: What a screen reader reads for the answer key A√B / C: %1 is A,
                                   //: %2 is B (under the square root), %3 is C (the denominator).
                                   //: Put the words around the numbers as your language says it.
                                   .phrase = QT_TR_NOOP("%1 root %2 over %3")});
    //: Button that ends the program. "&" marks the access key (Alt and the letter after it),
    //: which must differ from those of Submit and Next.
    cmdExit.place(*this, "cmdExit", {.left = 7590, .top = 5475, .width = 1215, .height = 495,
                                     .caption = QT_TR_NOOP("E&xit"), .tabIndex = 29});
    //: Button that hands in the typed answer to be marked. "&" marks the access key, which
    //: must differ from those of Next and Exit.
    cmdSubmit.place(*this, "cmdSubmit", {.left = 5505, .top = 3165, .width = 1215, .height = 495,
                                         .caption = QT_TR_NOOP("&Submit"), .tabIndex = 5, .enabled = false});
    //: Button that moves on to the next problem. "&" marks the access key, which must differ
    //: from those of Submit and Exit.
    cmdNew.place(*this, "cmdNew", {.left = 5490, .top = 3720, .width = 1215, .height = 495,
                                   .caption = QT_TR_NOOP("&Next"), .tabIndex = 6, .enabled = false});
    //: Caption of the frame with the problem: an instruction to the student, "simplify this".
    fraProb.place(*this, "fraProb", {.left = 360, .top = 420, .width = 2445, .height = 1725,
                                     .caption = QT_TR_NOOP("Simplify"), .tabIndex = 12, .readAsPhrase = true,
                                     .announceAs = QT_TR_NOOP("Simplify"),
                                     //: What a screen reader reads for the problem a√b / (c√d): %1 is a,
                                     //: %2 is b, %3 is c, %4 is d, as in "60 root 25 over 225 root 20".
                                     //: Put the words around the numbers as your language says it.
                                     .phrase = QT_TR_NOOP("%1 root %2 over %3 root %4")});
    //: The band with the student's sign-in details; its name is heard with a screen reader only.
    fraStudentData.place(*this, "fraStudentData", {.left = 0, .top = 7140, .width = 8880, .height = 645,
                                                   .caption = QT_TR_NOOP("Student Data"), .tabIndex = 1,
                                                   .backColor = LightGrey, .foreColor = colour::WindowText,
                                                   .borderless = true});
    //: Title of the end-of-set screen, which is printed as the record of the work: the program's
    //: name and the word for a drill program, as a heading.
    lblTitle.place(*this, "lblTitle", {.left = 195, .top = 1065, .width = 6480, .height = 1125,
                                       .caption = QT_TR_NOOP("Tarnivo Program"), .tabIndex = 32, .visible = false,
                                       .font = TitleStyle, .backColor = colour::White, .align = Align::Left,
                                       .bordered = true, .shrinkToFit = true});
    //: Caption over the number of the problem being worked (1 to 20).
    Label4.place(*this, "Label4", {.left = 6210, .top = 120, .width = 1350, .height = 255,
                                   .caption = QT_TR_NOOP("Current Problem"), .tabIndex = 31, .shrinkToFit = true});
    //: Heard before the number of the problem being worked: "Problem 4". One exercise of the set.
    lblProbCount.place(*this, "lblProbCount", {.left = 6405, .top = 420, .width = 660, .height = 555, .caption = "0",
                                               .tabIndex = 30, .font = NumberStyle, .backColor = colour::LightYellow,
                                               .align = Align::Centre, .bordered = true,
                                               .announceAs = QT_TR_NOOP("Problem")});
    //: Caption over the number of answers that were right; also heard before that number.
    lblRight.place(*this, "lblRight", {.left = 6930, .top = 3045, .width = 960, .height = 480, .caption = "0",
                                       .tabIndex = 27, .font = ScoreStyle, .backColor = PaleGreen,
                                       .align = Align::Centre, .bordered = true, .announceAs = QT_TR_NOOP("Right")});
    //: Caption over the number of answers handed in so far, right or wrong: the total of
    //: submissions, not a sum of points. Also heard before that number.
    lblWrong.place(*this, "lblWrong", {.left = 6960, .top = 3765, .width = 975, .height = 465, .caption = "0",
                                       .tabIndex = 26, .font = ScoreStyle, .backColor = PaleRed, .align = Align::Centre,
                                       .bordered = true, .announceAs = QT_TR_NOOP("Total")});
    //: Caption over the grade: the percentage of submissions that were right. Also heard before it.
    lblPercent.place(*this, "lblPercent", {.left = 6810, .top = 4485, .width = 1350, .height = 480, .caption = "0%",
                                           .tabIndex = 25, .font = ScoreStyle, .backColor = colour::LightYellow,
                                           .align = Align::Centre, .bordered = true,
                                           .announceAs = QT_TR_NOOP("Grade")});
    Label1.place(*this, "Label1", {.left = 6975, .top = 2850, .width = 900, .height = 195,
                                   .caption = QT_TR_NOOP("Right"), .tabIndex = 24, .align = Align::Centre,
                                   .shrinkToFit = true});
    Label2.place(*this, "Label2", {.left = 6960, .top = 3555, .width = 900, .height = 195,
                                   .caption = QT_TR_NOOP("Total"), .tabIndex = 23, .align = Align::Centre,
                                   .shrinkToFit = true});
    Label3.place(*this, "Label3", {.left = 6990, .top = 4275, .width = 900, .height = 195,
                                   .caption = QT_TR_NOOP("Grade"), .tabIndex = 22, .align = Align::Centre,
                                   .shrinkToFit = true});

    // fraProb: the problem
    //: What a screen reader calls the fraction bar when it names it on its own: a noun or the
    //: word said for a bar ("a over b" is "a divided by b").
    Line1.place(fraProb, "Line1", {.x1 = 60, .y1 = 915, .x2 = 2145, .y2 = 930, .lineWidth = 3,
                                   .accessibleName = QT_TR_NOOP("over")});
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
    //: What a screen reader calls the square-root sign √ when it names it on its own: a noun, not
    //: the word inside a spoken formula (the problem and the key have their own sentences).
    Image2.place(fraProb, "Image2", {.left = 1005, .top = 285, .width = 1215, .height = 555, .picture = RadicalPicture,
                                     .stretch = true, .accessibleName = QT_TR_NOOP("root")});
    Image3.place(fraProb, "Image3", {.left = 1035, .top = 945, .width = 1215, .height = 495, .picture = RadicalPicture,
                                     .stretch = true, .accessibleName = QT_TR_NOOP("root")});

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
                                  .accessibleName = QT_TR_NOOP("over")});
    Image1.place(fraKey, "Image1", {.left = 1005, .top = 285, .width = 1215, .height = 555, .picture = RadicalPicture,
                                    .stretch = true, .accessibleName = QT_TR_NOOP("root")});

    // fraAnswer: the answer
    //: Spoken name of the group of buttons that choose the shape of the answer.
    Frame1.place(fraAnswer, "Frame1", {.left = 45, .top = 255, .width = 1170, .height = 4545, .tabIndex = 33,
                                       .borderless = true, .accessibleName = QT_TR_NOOP("Answer shape")});
    //: Spoken name of the answer box for the denominator C.
    txtAnswer[2].place(fraAnswer, "txtAnswer(2)", {.left = 2745, .top = 2250, .width = 1065, .height = 540,
                                                   .tabIndex = 4, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = QT_TR_NOOP("denominator"),
                                                   .announceAs = QT_TR_NOOP("denominator")});
    //: Spoken name of the answer box for the number B under the square root.
    txtAnswer[1].place(fraAnswer, "txtAnswer(1)", {.left = 3585, .top = 1380, .width = 1065, .height = 540,
                                                   .tabIndex = 3, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = QT_TR_NOOP("number under the root"),
                                                   .announceAs = QT_TR_NOOP("number under the root")});
    //: Spoken name of the answer box for the coefficient A in front of the square root.
    txtAnswer[0].place(fraAnswer, "txtAnswer(0)", {.left = 1830, .top = 1365, .width = 1065, .height = 540,
                                                   .tabIndex = 2, .font = NumberStyle, .backColor = colour::PaleCyan,
                                                   .align = Align::Centre, .asciiDigits = true,
                                                   .accessibleName = QT_TR_NOOP("coefficient"),
                                                   .announceAs = QT_TR_NOOP("coefficient")});
    lneViniculum.place(fraAnswer, "lneViniculum", {.x1 = 1875, .y1 = 2040, .x2 = 4710, .y2 = 2055, .lineWidth = 3});
    imgRadical.place(fraAnswer, "imgRadical", {.left = 3015, .top = 1200, .width = 1770, .height = 765,
                                               .picture = RadicalPicture, .stretch = true});
    //: Heading of the note shown under the answer boxes when the chosen answer shape leaves
    //: out a part of the answer the student got wrong (the line below it names that part).
    Label5.place(fraAnswer, "Label5", {.left = 1350, .top = 2955, .width = 3600, .height = 300,
                                       .caption = QT_TR_NOOP("Wrong shape:"), .tabIndex = 41, .visible = false,
                                       .font = NoteTitleStyle, .shrinkToFit = true});
    //: Heard before the note that names the part of the answer the chosen shape leaves out.
    lblHiddenPart.place(fraAnswer, "lblHiddenPart", {.left = 1350, .top = 3255, .width = 3600, .height = 1155,
                                                     .tabIndex = 42, .visible = false, .font = NoteStyle,
                                                     .wordWrap = true, .announceAs = QT_TR_NOOP("Wrong shape:")});

    // Frame1: the answer shapes, each level with its formula in Image4
    //: Spoken names of the answer shapes. a, b and c are the letters drawn beside the buttons:
    //: keep them. "root" is a square root, "over" a fraction bar.
    //: Each is the whole name of its button, read on its own.
    optAnswerForm[6].place(Frame1, "optAnswerForm(6)", {.left = 135, .top = 3840, .width = 240, .height = 315,
                                                        .tabIndex = 40, .accessibleName = QT_TR_NOOP("1 over c")});
    optAnswerForm[5].place(Frame1, "optAnswerForm(5)", {.left = 150, .top = 3240, .width = 240, .height = 315,
                                                        .tabIndex = 39,
                                                        //: Spoken name of the answer shape √b: the square root of b alone.
                                                        .accessibleName = QT_TR_NOOP("root b")});
    optAnswerForm[4].place(Frame1, "optAnswerForm(4)", {.left = 165, .top = 2775, .width = 240, .height = 315,
                                                        .tabIndex = 38,
                                                        //: Spoken name of the answer shape that is the letter a alone
                                                        //: (a whole number): keep the letter.
                                                        .accessibleName = QT_TR_NOOP("a")});
    optAnswerForm[3].place(Frame1, "optAnswerForm(3)", {.left = 180, .top = 2370, .width = 240, .height = 315,
                                                        //: Spoken name of the answer shape: the coefficient a times the square root of b.
                                                        .tabIndex = 37, .accessibleName = QT_TR_NOOP("a root b")});
    optAnswerForm[2].place(Frame1, "optAnswerForm(2)", {.left = 150, .top = 1785, .width = 240, .height = 315,
                                                        //: Spoken name of the answer shape: a divided by c.
                                                        .tabIndex = 36, .accessibleName = QT_TR_NOOP("a over c")});
    optAnswerForm[1].place(Frame1, "optAnswerForm(1)", {.left = 225, .top = 1065, .width = 240, .height = 315,
                                                        //: Spoken name of the answer shape: the square root of b, divided by c.
                                                        .tabIndex = 35, .accessibleName = QT_TR_NOOP("root b over c")});
    optAnswerForm[0].place(Frame1, "optAnswerForm(0)", {.left = 195, .top = 315, .width = 240, .height = 315,
                                                        .tabIndex = 34, .selected = true,
                                                        //: Spoken name of the answer shape: a times the square root of b, divided by c.
                                                        .accessibleName = QT_TR_NOOP("a root b over c")});
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
