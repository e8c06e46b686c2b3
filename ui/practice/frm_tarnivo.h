// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <memory>

#include "app/runtime/integer.h"
#include "app/runtime/random_source.h"
#include "app/toolkit/command_button.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/line.h"
#include "app/toolkit/option_button.h"
#include "app/toolkit/picture.h"
#include "app/toolkit/text_box.h"
#include "app/toolkit/translation.h"
#include "app/toolkit/window.h"
#include "engine/problem.h"
#include "engine/score.h"
#include "engine/submit.h"
#include "engine/work_record.h"
#include "ui/practice/answer_form_selector.h"

namespace tarnivo {

// The practice window: one set of twenty problems, each shown as a fraction of radicals
// with its key, answered in the shape the student picks, and marked box by box.
class frmTarnivo : public tk::Window {
    Q_DECLARE_TR_FUNCTIONS(frmTarnivo)

public:
    frmTarnivo();

    void Form_Load() override;
    // While the window waits for sign-in it is disabled; a close from the desktop then ends
    // the program rather than leave the sign-in window with nothing to hand over to.
    void closeRequested() override;

    void cmdStart_Click();
    void cmdNew_Click();
    void cmdSubmit_Click();
    void cmdPrintIt_Click();
    void cmdExit_Click();
    void optAnswerForm_Click(Integer index);
    // A press on a row of the formula picture chooses the shape drawn in it.
    void Image4_MouseDown(float x, float y);
    // The end-of-set screen: the record that Print Results prints.
    void shutdown();
    void CaptureSavedLayout();

    // The selected answer shape, or -1 when no option is selected.
    [[nodiscard]] int selectedAnswerForm() const;
    // Problems are drawn from this source from now on; tests hand in chosen draws.
    void setRandomSource(std::unique_ptr<RandomSource> source) { random_ = std::move(source); }

    // Window
    tk::CommandButton cmdStart;
    tk::CommandButton cmdPrintIt;
    tk::Frame fraAnswer;
    tk::Frame fraKey;
    tk::CommandButton cmdExit;
    tk::CommandButton cmdSubmit;
    tk::CommandButton cmdNew;
    tk::Frame fraProb;
    tk::Frame fraStudentData;
    tk::Label lblTitle;
    tk::Label Label4;
    tk::Label lblProbCount;
    tk::Label lblRight;
    tk::Label lblWrong;
    tk::Label lblPercent;
    tk::Label Label1;
    tk::Label Label2;
    tk::Label Label3;
    // fraProb holds lblProb(0..3), fraKey lblProb(4..6)
    std::array<tk::Label, 7> lblProb;
    tk::Line Line1;
    tk::Picture Image2;
    tk::Picture Image3;
    // fraKey
    tk::Line Line2;
    tk::Picture Image1;
    // fraAnswer
    tk::Frame Frame1;
    std::array<tk::TextBox, 3> txtAnswer;
    tk::Line lneViniculum;
    tk::Picture imgRadical;
    // Shown after a submission while the chosen shape leaves out a part that is not 1.
    tk::Label Label5;
    tk::Label lblHiddenPart;
    // Frame1
    std::array<tk::OptionButton, 7> optAnswerForm;
    tk::Picture Image4;
    // fraStudentData
    tk::Label lblPeriod;
    tk::Label lblDate;
    tk::Label lblID;
    tk::Label lblName;
    tk::Label lblTeacher;

private:
    friend class PracticeWindowProbe;  // tests read the set's state that the window keeps to itself
    void placeControls();
    void connectEvents();
    void applySubmitOutcome(const SubmitOutcome& outcome);
    void showVerdicts(const SubmitOutcome& outcome);
    void clearVerdicts();
    void emptyAnswerArea();
    void focusFirstAnswerBox();

    Integer problemLimit_;
    SavedLayout savedLayout_;
    Score score_;
    DrillProblem problem_;
    WorkRecord work_;
    std::unique_ptr<RandomSource> random_ = std::make_unique<RandomSource>();
    AnswerFormSelector answerForms_{txtAnswer, imgRadical, lneViniculum};
};

}  // namespace tarnivo
