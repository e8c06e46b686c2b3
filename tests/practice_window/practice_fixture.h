// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/runtime/random_source.h"
#include "app/toolkit/forms.h"
#include "tests/support/student_input.h"
#include "tests/support/test_app.h"
#include "ui/practice/frm_tarnivo.h"

namespace tarnivo {

// The practice window's own state, which the window keeps and never shows as such.
class PracticeWindowProbe {
public:
    static const SavedLayout& savedLayout(const frmTarnivo& form) { return form.savedLayout_; }
    static Integer problemLimit(const frmTarnivo& form) { return form.problemLimit_; }
    static const Score& score(const frmTarnivo& form) { return form.score_; }
};

}  // namespace tarnivo

namespace practice_test {

using tarnivo::frmTarnivo;
using tarnivo::testing::settle;
using tarnivo::testing::widgetOf;
namespace tk = tarnivo::tk;

using tk::colour::Green;
using tk::colour::PaleCyan;
using tk::colour::Red;
using Answer = tarnivo::testing::KeyAnswer;
using tarnivo::testing::answerFor;

// Draws that give chosen exponents: twelve per problem, term by term (a, b, c, d) and
// prime by prime (2, 3, 5) within a term, repeated for every problem.
class ChosenDraws : public tarnivo::RandomSource {
public:
    explicit ChosenDraws(std::vector<int> exponents) : exponents_(std::move(exponents)) {}
    float next() override {
        const int exponent = exponents_[position_++ % exponents_.size()];
        return (static_cast<float>(exponent) + 0.5F) / 3.0F;
    }

private:
    std::vector<int> exponents_;
    std::size_t position_ = 0;
};

// The practice window, loaded and shown, driven through its controls with QTest input.
class PracticeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        tarnivo::testing::ensureApplication();
        open();
    }

    void TearDown() override {
        EXPECT_TRUE(tarnivo::testing::reportedErrors().empty())
            << "error reached the boundary: " << tarnivo::testing::reportedErrors().front();
        tarnivo::testing::resetProgram();
    }

    // Unloads the window and opens a new one, as a new run of the program would.
    void reopen() {
        tarnivo::testing::resetProgram();
        open();
    }

    void open() {
        form = &tk::Forms::get<frmTarnivo>();
        form->show();
        settle();
    }

    // What the sign-in window writes into the student-data band.
    void fillStudentData() {
        form->lblName.setCaption("Smith, Ann");
        form->lblID.setCaption("1234");
        form->lblTeacher.setCaption("Mr Jones");
        form->lblDate.setCaption("12/08/2026");
    }

    void useDraws(std::vector<int> exponents) {
        form->setRandomSource(std::make_unique<ChosenDraws>(std::move(exponents)));
    }

    static void click(const tk::Control& control) {
        QWidget* widget = widgetOf(control);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        settle();
    }

    void chooseForm(int shape) { click(form->optAnswerForm[static_cast<std::size_t>(shape)]); }

    // Clicks into the box, selects what it holds and types over it.
    void typeInto(int box, const std::string& text) {
        const tk::TextBox& target = form->txtAnswer[static_cast<std::size_t>(box)];
        click(target);
        QTest::keyClick(widgetOf(target), Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) {
            QTest::keyClick(widgetOf(target), Qt::Key_Delete);
        } else {
            QTest::keyClicks(widgetOf(target), QString::fromStdString(text));
        }
    }

    [[nodiscard]] std::array<std::string, 3> key() const { return tarnivo::testing::keyOf(*form); }
    [[nodiscard]] std::array<std::string, 3> texts() const {
        return {form->txtAnswer[0].text(), form->txtAnswer[1].text(), form->txtAnswer[2].text()};
    }
    [[nodiscard]] std::array<tk::Colour, 3> colours() const {
        return {form->txtAnswer[0].backColor(), form->txtAnswer[1].backColor(), form->txtAnswer[2].backColor()};
    }
    [[nodiscard]] const tk::Control* focused() const { return form->focusedControl(); }

    // Starts the set and answers all twenty problems right from the key, as a student
    // would, which leaves the end-of-set screen.
    void workTheWholeSet();

    frmTarnivo* form = nullptr;
};

inline void PracticeWindow::workTheWholeSet() {
    click(form->cmdStart);
    for (int problem = 1; problem <= tarnivo::ProblemLimit; ++problem) {
        tarnivo::testing::enterAnswer(*form, answerFor(key()));
        click(form->cmdSubmit);
        if (problem < tarnivo::ProblemLimit) click(form->cmdNew);
    }
    settle();
}

}  // namespace practice_test
