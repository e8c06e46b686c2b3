// SPDX-License-Identifier: MIT
#include "ui/practice/frm_tarnivo.h"

#include "app/runtime/text.h"
#include "app/toolkit/announcer_registry.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/print.h"
#include "ui/practice/record_file_name.h"
#include "ui/practice/work_review.h"

namespace tarnivo {

void frmTarnivo::connectEvents() {
    cmdStart.onClick = [this] { cmdStart_Click(); };
    cmdNew.onClick = [this] { cmdNew_Click(); };
    cmdSubmit.onClick = [this] { cmdSubmit_Click(); };
    cmdPrintIt.onClick = [this] { cmdPrintIt_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
    for (tk::OptionButton& option : optAnswerForm) option.onClick = [this](int index) { optAnswerForm_Click(index); };
    Image4.onMouseDown = [this](float x, float y) { Image4_MouseDown(x, y); };
}

void frmTarnivo::Form_Load() {
    problemLimit_ = ProblemLimit;
    CaptureSavedLayout();
}

void frmTarnivo::closeRequested() {
    if (enabled()) {
        tk::Forms::unload(*this);
    } else {
        tk::Forms::end(0);
    }
}

void frmTarnivo::CaptureSavedLayout() { savedLayout_ = answerForms_.capture(); }

// A new shape empties the boxes, and with them go the signs and words of their verdicts;
// the colours stay until the next Submit.
void frmTarnivo::optAnswerForm_Click(Integer index) {
    answerForms_.apply(index, savedLayout_);
    clearVerdicts();
}

void frmTarnivo::Image4_MouseDown(float /*x*/, float y) {
    tk::OptionButton& option = optAnswerForm[static_cast<std::size_t>(AnswerFormSelector::formAtPictureRow(y))];
    if (!option.shownOnScreen() || !option.usable()) return;
    option.setFocus();
    option.setValue(true);
}

int frmTarnivo::selectedAnswerForm() const {
    for (const tk::OptionButton& option : optAnswerForm) {
        if (option.value()) return option.index();
    }
    return -1;
}

void frmTarnivo::cmdStart_Click() {
    cmdStart.setEnabled(false);
    cmdSubmit.setEnabled(true);
    cmdNew_Click();
    txtAnswer[0].setFocus();
}

void frmTarnivo::cmdNew_Click() {
    cmdNew.setEnabled(false);
    lblProbCount.setCaption(trim(signText(numericValue(lblProbCount.caption()) + 1)));
    for (tk::TextBox& box : txtAnswer) box.setAccessibleDescription("");

    problem_ = GenerateProblem(*random_);
    work_.startProblem(problem_);
    for (std::size_t i = 0; i < problem_.termTexts.size(); ++i) lblProb[i].setCaption(problem_.termTexts[i]);
    for (std::size_t i = 0; i < problem_.keyTexts.size(); ++i) lblProb[4 + i].setCaption(problem_.keyTexts[i]);

    cmdSubmit.setEnabled(true);
    // With a part of the key equal to 1 the student first picks the shape of the answer.
    if (NeedsAnswerForm(problem_.answerKey)) {
        emptyAnswerArea();
        optAnswerForm[0].setFocus();
    } else {
        // The focus lands before the box is emptied: a screen reader that learns of a change
        // in a box only once the focus is there takes it as focused already and keeps quiet.
        answerForms_.arrange(0, savedLayout_);
        txtAnswer[0].setFocus();
        emptyAnswerArea();
    }
}

// The full shape, its boxes empty and pale cyan, for a new problem.
void frmTarnivo::emptyAnswerArea() {
    optAnswerForm_Click(0);
    optAnswerForm[0].setValue(true);
    for (tk::TextBox& box : txtAnswer) box.setText("");
    for (tk::TextBox& box : txtAnswer) box.setBackColor(tk::colour::PaleCyan);
}

void frmTarnivo::cmdSubmit_Click() {
    const std::array<std::string, 3> keyTexts{lblProb[4].caption(), lblProb[5].caption(), lblProb[6].caption()};
    const std::array<std::string, 3> boxTexts{txtAnswer[0].text(), txtAnswer[1].text(), txtAnswer[2].text()};
    const SubmitOutcome outcome = Submit(score_, boxTexts, keyTexts, lblProbCount.caption(), problemLimit_);
    work_.recordSubmission(selectedAnswerForm(), boxTexts, outcome.verdicts);
    applySubmitOutcome(outcome);
}

void frmTarnivo::applySubmitOutcome(const SubmitOutcome& outcome) {
    showVerdicts(outcome);
    if (!outcome.fullyRight) {
        focusFirstAnswerBox();
        return;
    }
    cmdSubmit.setEnabled(false);
    // "Total" is repainted before "Right", each before the handler goes on.
    if (outcome.totalText) {
        lblWrong.setCaption(*outcome.totalText);
        lblWrong.refresh();
    }
    if (outcome.rightText) {
        lblRight.setCaption(*outcome.rightText);
        lblRight.refresh();
    }
    if (outcome.gradeText) lblPercent.setCaption(*outcome.gradeText);
    cmdNew.setEnabled(true);
    cmdNew.setFocus();
    if (outcome.setComplete) shutdown();
}

// Each box's colour, also as a sign beside it and in words for a student who hears the
// screen. A part that the chosen shape leaves out holds "1" where the key has another
// number; no box shows it, so a line under the boxes names it.
void frmTarnivo::showVerdicts(const SubmitOutcome& outcome) {
    for (std::size_t box = 0; box < txtAnswer.size(); ++box) {
        txtAnswer[box].setBackColor(outcome.boxColours[box]);
        txtAnswer[box].setMark(outcome.verdicts[box] ? tk::TextBox::Mark::Right : tk::TextBox::Mark::Wrong);
        //: Heard after an answer box once it is marked: the number typed in it is right. An
        //: adjective for "the number" (agree with your word for it).
        const QString right = tr("right");
        //: As "right": the number typed in the answer box is wrong.
        const QString wrong = tr("wrong");
        txtAnswer[box].announceVerdict((outcome.verdicts[box] ? right : wrong).toStdString());
    }
    std::array<bool, 3> shown{};
    for (std::size_t box = 0; box < txtAnswer.size(); ++box) shown[box] = txtAnswer[box].visible();
    const std::string hidden = AnswerFormSelector::leftOutPartsText(outcome.verdicts, shown);
    Label5.setVisible(!hidden.empty());
    lblHiddenPart.setVisible(!hidden.empty());
    lblHiddenPart.setCaption(hidden);
}

void frmTarnivo::clearVerdicts() {
    for (tk::TextBox& box : txtAnswer) box.setMark(tk::TextBox::Mark::None);
    for (tk::TextBox& box : txtAnswer) box.setAccessibleDescription("");
    Label5.setVisible(false);
    lblHiddenPart.setVisible(false);
    lblHiddenPart.setCaption("");
}

// Box 0 when it is shown; the shapes without a coefficient hide it, and the focus cannot
// go to a hidden box, so then it goes to the first box that shape lets the student fill.
void frmTarnivo::focusFirstAnswerBox() {
    const int box = txtAnswer[0].visible() ? 0 : AnswerFormSelector::firstAnswerBox(selectedAnswerForm());
    tk::TextBox& target = txtAnswer[static_cast<std::size_t>(box)];
    if (target.shownOnScreen() && target.usable()) target.setFocus();
}

void frmTarnivo::shutdown() {
    fraProb.setVisible(false);
    fraKey.setVisible(false);
    fraAnswer.setVisible(false);
    setBackColor(tk::colour::White);
    lblTitle.setVisible(true);
    cmdSubmit.setVisible(false);
    cmdNew.setVisible(false);
    cmdPrintIt.setVisible(true);
    cmdPrintIt.setEnabled(true);
    // Heard after the last verdicts and the final score, before the focus lands anywhere.
    //: Heard by a student with a screen reader when the twenty problems are done.
    tk::AnnouncerRegistry::say(*this, tr("End of the set").toStdString());
}

// The print service tells the student itself when the page could not be printed or saved.
// A print queue lists the records by the student's name; without one, by the window's caption.
void frmTarnivo::cmdPrintIt_Click() {
    const std::string& name = lblName.caption();
    const std::string& date = lblDate.caption();
    const std::string title = trim(name).empty() ? caption() : recordTitle(name, date);
    const ReviewHeading heading{
        lblPeriod.caption(), lblID.caption(),     name, lblTeacher.caption(), date, lblRight.caption(),
        lblWrong.caption(),  lblPercent.caption()};
    tk::printWindow(*this, title, recordFileName(name, date), workReview(heading, work_));
}

void frmTarnivo::cmdExit_Click() { tk::Forms::unload(*this); }

}  // namespace tarnivo
