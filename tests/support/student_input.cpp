// SPDX-License-Identifier: MIT
#include "tests/support/student_input.h"

#include <QApplication>

#include "app/toolkit/dispatch.h"

namespace tarnivo::testing {

std::array<std::string, 3> keyOf(const frmTarnivo& form) {
    return {form.lblProb[4].caption(), form.lblProb[5].caption(), form.lblProb[6].caption()};
}

KeyAnswer answerFor(const std::array<std::string, 3>& key) {
    const bool a = key[0] != "1";
    const bool b = key[1] != "1";
    const bool c = key[2] != "1";
    if (a && b && c) return {0, key};
    if (!a && b && c) return {1, {"", key[1], key[2]}};
    if (a && !b && c) return {2, {key[0], "", key[2]}};
    if (a && b && !c) return {3, {key[0], key[1], ""}};
    if (a && !b && !c) return {4, {key[0], "", ""}};
    if (!a && b && !c) return {5, {"", key[1], ""}};
    if (!a && !b && c) return {6, {"", "", key[2]}};
    return {0, {"1", "1", "1"}};  // the whole answer is 1: the full shape, all ones
}

void enterAnswer(frmTarnivo& form, const KeyAnswer& answer, bool wrong) {
    form.optAnswerForm[static_cast<std::size_t>(answer.shape)].setValue(true);
    const int spoiled = AnswerFormSelector::firstAnswerBox(answer.shape);
    for (int box = 0; box < 3; ++box) {
        std::string text = answer.boxes[static_cast<std::size_t>(box)];
        if (wrong && box == spoiled) text += "0";
        if (!text.empty()) form.txtAnswer[static_cast<std::size_t>(box)].setText(text);
    }
}

void signIn(frmSignIn& window) {
    tk::dispatch([&] {
        window.txtPeriod.setText("3");
        window.txtID.setText("1234");
        window.txtName.setText("Smith, Ann");
        window.txtTeacher.setText("Mr Jones");
    });
    QApplication::processEvents();
    window.cmdOk.press();
    QApplication::processEvents();
}

}  // namespace tarnivo::testing
