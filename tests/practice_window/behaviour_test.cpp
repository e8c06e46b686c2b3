// SPDX-License-Identifier: MIT
// Start, Next, Submit, Exit and the keyboard, through the window's own controls.
#include "tests/practice_window/practice_fixture.h"
#include "tests/support/named_rows.h"
#include "tests/support/toolkit_probes.h"
#include "tests/support/verdict_sign.h"

#include <QInputMethodEvent>

namespace practice_test {
namespace {

// Exponents of 2, 3 and 5 for a, b, c and d.
const std::vector<int> KeyWithoutOne{1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0};  // 6√3 / (5√2): 3√6 / 5
const std::vector<int> KeyOneOnly{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};     // 1√1 / (1√1): 1
const std::vector<int> KeyRootBOverC{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0};  // √2 / 3
const std::vector<int> KeyRootB{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};       // √2

class Behaviour : public PracticeWindow {
protected:
    void start() {
        click(form->cmdStart);
        ASSERT_EQ(form->lblProbCount.caption(), "1");
    }
    void answerRight() {
        const Answer answer = answerFor(key());
        if (form->selectedAnswerForm() != answer.shape) chooseForm(answer.shape);
        for (int box = 0; box < 3; ++box)
            if (!answer.boxes[static_cast<std::size_t>(box)].empty())
                typeInto(box, answer.boxes[static_cast<std::size_t>(box)]);
        click(form->cmdSubmit);
    }
    void expectScoreLabels(const char* right, const char* total, const char* grade) {
        EXPECT_EQ(form->lblRight.caption(), right);
        EXPECT_EQ(form->lblWrong.caption(), total);
        EXPECT_EQ(form->lblPercent.caption(), grade);
    }
};

// A problem Start opens: the draws behind it and the key they make.
struct StartRow {
    const char* name;
    std::vector<int> draws;
    std::array<std::string, 3> key;
};
const StartRow StartRows[] = {
    {"NoOneInTheKey", KeyWithoutOne, {"3", "6", "5"}},
    {"AKeyOfOnes", KeyOneOnly, {"1", "1", "1"}},
};
void PrintTo(const StartRow& row, std::ostream* out) { *out << row.name; }
class StartOpensTheFirstProblem : public Behaviour, public ::testing::WithParamInterface<StartRow> {};

TEST_P(StartOpensTheFirstProblem, WithTheCursorInTheFirstBox) {
    useDraws(GetParam().draws);
    start();
    EXPECT_EQ(key(), GetParam().key);
    EXPECT_FALSE(form->cmdStart.enabled());
    EXPECT_TRUE(form->cmdSubmit.enabled());
    EXPECT_FALSE(form->cmdNew.enabled());
    EXPECT_FALSE(form->cmdPrintIt.visible());
    EXPECT_EQ(focused(), &form->txtAnswer[0]);
    EXPECT_EQ(texts(), (std::array<std::string, 3>{"", "", ""}));
    EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{PaleCyan, PaleCyan, PaleCyan}));
}
INSTANTIATE_TEST_SUITE_P(Behaviour, StartOpensTheFirstProblem, ::testing::ValuesIn(StartRows),
                         tarnivo::testing::RowName());

TEST_F(Behaviour, StartShowsTheFirstProblemOfTheProgramsSequence) {
    start();
    const std::array<std::string, 4> terms{form->lblProb[0].caption(), form->lblProb[1].caption(),
                                           form->lblProb[2].caption(), form->lblProb[3].caption()};
    tarnivo::RandomSource fresh;
    const tarnivo::DrillProblem first = tarnivo::GenerateProblem(fresh);
    EXPECT_EQ(terms, first.termTexts);
    EXPECT_EQ(key(), first.keyTexts);
}

TEST_F(Behaviour, NextFocusesTheShapeOptionsOnlyWhenAKeyPartIsOne) {
    start();
    int withOne = 0;
    int withoutOne = 0;
    // The program's own sequence has keys of both kinds among its first problems.
    for (int problem = 1; problem <= 8; ++problem) {
        answerRight();
        ASSERT_TRUE(form->cmdNew.enabled());
        ASSERT_EQ(focused(), &form->cmdNew);
        click(form->cmdNew);
        const auto k = key();
        const bool hasOne = k[0] == "1" || k[1] == "1" || k[2] == "1";
        (hasOne ? withOne : withoutOne) += 1;
        EXPECT_EQ(focused(), hasOne ? static_cast<const tk::Control*>(&form->optAnswerForm[0]) : &form->txtAnswer[0])
            << "problem " << problem + 1;
        EXPECT_EQ(form->lblProbCount.caption(), std::to_string(problem + 1));
        EXPECT_FALSE(form->cmdNew.enabled());
        EXPECT_TRUE(form->cmdSubmit.enabled());
    }
    EXPECT_GT(withOne, 0);
    EXPECT_GT(withoutOne, 0);
}

TEST_F(Behaviour, NextAfterAReducedShapeRestoresTheFullShape) {
    useDraws(KeyRootB);
    start();
    chooseForm(5);
    typeInto(1, "2");
    click(form->cmdSubmit);
    ASSERT_TRUE(form->cmdNew.enabled());
    ASSERT_EQ(colours(), (std::array<tk::Colour, 3>{Green, Green, Green}));
    click(form->cmdNew);
    EXPECT_EQ(form->selectedAnswerForm(), 0);
    for (const tk::TextBox& box : form->txtAnswer) {
        EXPECT_TRUE(box.visible()) << box.fullName();
        EXPECT_EQ(box.text(), "") << box.fullName();
        EXPECT_EQ(box.backColor(), PaleCyan) << box.fullName();
    }
    EXPECT_EQ(form->txtAnswer[1].left(), 3585.0F);
    EXPECT_EQ(form->imgRadical.left(), 3015.0F);
    EXPECT_TRUE(form->imgRadical.visible());
    EXPECT_EQ(form->lneViniculum.x2(), 4710.0F);
    EXPECT_TRUE(form->lneViniculum.visible());
}

TEST_F(Behaviour, AWrongBoxIsMarkedAndNothingElseMoves) {
    useDraws(KeyWithoutOne);
    start();
    struct Attempt {
        std::array<std::string, 3> typed;
        std::array<tk::Colour, 3> colours;
    };
    const std::vector<Attempt> attempts{
        {{"3", "7", "5"}, {Green, Red, Green}},
        {{"03", " 6 ", "5"}, {Red, Green, Green}},
        {{"", "", ""}, {Red, Red, Red}},
        {{"3", "6", "5.0"}, {Green, Green, Red}},
    };
    double total = 0;
    for (const Attempt& attempt : attempts) {
        SCOPED_TRACE(attempt.typed[0] + "|" + attempt.typed[1] + "|" + attempt.typed[2]);
        for (int box = 0; box < 3; ++box) typeInto(box, attempt.typed[static_cast<std::size_t>(box)]);
        click(form->cmdSubmit);
        ++total;
        EXPECT_EQ(colours(), attempt.colours);
        EXPECT_TRUE(form->cmdSubmit.enabled());
        EXPECT_FALSE(form->cmdNew.enabled());
        EXPECT_EQ(focused(), &form->txtAnswer[0]);
        // The score labels catch up only at the next fully right answer.
        expectScoreLabels("0", "0", "0%");
        EXPECT_EQ(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), total);
    }
    for (int box = 0; box < 3; ++box) typeInto(box, key()[static_cast<std::size_t>(box)]);
    click(form->cmdSubmit);
    expectScoreLabels(" 1", " 5", " 20%");
    EXPECT_FALSE(form->cmdSubmit.enabled());
    EXPECT_EQ(focused(), &form->cmdNew);
}

// A shape without the coefficient, the draws whose key fits it, and the boxes a wrong
// number under the root leaves marked.
struct WithoutCoefficientRow {
    const char* name;
    std::vector<int> draws;
    int shape;
    std::array<tk::Colour, 3> colours;
};
const WithoutCoefficientRow WithoutCoefficientRows[] = {
    {"RootBOverC", KeyRootBOverC, 1, {Green, Red, Green}},
    {"RootB", KeyRootB, 5, {Green, Red, Green}},
};
void PrintTo(const WithoutCoefficientRow& row, std::ostream* out) { *out << row.name; }
class AWrongAnswerUnderAShapeWithoutCoefficient : public Behaviour,
                                                  public ::testing::WithParamInterface<WithoutCoefficientRow> {};

TEST_P(AWrongAnswerUnderAShapeWithoutCoefficient, FocusesTheFirstShownBox) {
    const WithoutCoefficientRow& row = GetParam();
    useDraws(row.draws);
    start();
    chooseForm(row.shape);
    ASSERT_FALSE(form->txtAnswer[0].visible());
    typeInto(1, "8");
    if (row.shape == 1) typeInto(2, "3");
    click(form->cmdSubmit);
    EXPECT_TRUE(tarnivo::testing::reportedErrors().empty());
    EXPECT_FALSE(tk::Forms::ended());
    EXPECT_EQ(colours(), row.colours);
    EXPECT_EQ(focused(), &form->txtAnswer[1]);
    EXPECT_TRUE(form->cmdSubmit.enabled());
    // The student can go on at once: typing lands in the focused box.
    QTest::keyClick(widgetOf(form->txtAnswer[1]), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    click(form->cmdSubmit);
    EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{Green, Green, Green}));
    expectScoreLabels(" 1", " 2", " 50%");
}
INSTANTIATE_TEST_SUITE_P(Behaviour, AWrongAnswerUnderAShapeWithoutCoefficient,
                         ::testing::ValuesIn(WithoutCoefficientRows), tarnivo::testing::RowName());

using tarnivo::testing::SignSeen;
using Signs = std::array<SignSeen, 3>;

TEST_F(Behaviour, EachMarkedBoxShowsASignAndAWrongPartTheShapeLeavesOutIsNamed) {
    useDraws(KeyWithoutOne);  // 3√6 / 5
    start();
    const auto signs = [this] {
        const QImage answer = widgetOf(form->fraAnswer)->grab().toImage();
        Signs seen{};
        for (std::size_t box = 0; box < 3; ++box)
            seen[box] = tarnivo::testing::signIn(answer, form->txtAnswer[box].markArea());
        return seen;
    };
    const auto lineShown = [this] { return form->Label5.shownOnScreen() && form->lblHiddenPart.shownOnScreen(); };

    // The shape "a" leaves out the number under the root and the denominator, which are not 1 here.
    chooseForm(4);
    typeInto(0, "3");
    click(form->cmdSubmit);
    tarnivo::testing::grabWindow(*form, "practice-wrong-shape");
    EXPECT_EQ(colours()[0], Green);
    EXPECT_EQ(signs(), (Signs{SignSeen::Tick, SignSeen::None, SignSeen::None}));
    EXPECT_EQ(texts(), (std::array<std::string, 3>{"3", "1", "1"}));
    EXPECT_FALSE(form->txtAnswer[1].visible());
    EXPECT_FALSE(form->txtAnswer[2].visible());
    EXPECT_TRUE(lineShown());
    EXPECT_EQ(form->lblHiddenPart.caption(), "the answer also has a number under the root and a denominator.");
    EXPECT_TRUE(form->cmdSubmit.enabled());
    EXPECT_FALSE(form->cmdNew.enabled());
    expectScoreLabels("0", "0", "0%");

    // A new shape empties the boxes, and the signs and the line go with what they marked.
    chooseForm(0);
    EXPECT_EQ(signs(), (Signs{}));
    EXPECT_FALSE(lineShown());

    // A five-digit coefficient: its sign stands beside the box, clear of every box.
    typeInto(0, "27000");
    typeInto(1, "6");
    typeInto(2, "5");
    click(form->cmdSubmit);
    tarnivo::testing::grabWindow(*form, "practice-signs");
    EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{Red, Green, Green}));
    EXPECT_EQ(signs(), (Signs{SignSeen::Cross, SignSeen::Tick, SignSeen::Tick}));
    EXPECT_FALSE(lineShown());
    const QRect frame = widgetOf(form->fraAnswer)->rect();
    for (const tk::TextBox& marked : form->txtAnswer) {
        EXPECT_TRUE(frame.contains(marked.markArea())) << marked.fullName();
        for (const tk::TextBox& box : form->txtAnswer)
            EXPECT_FALSE(marked.markArea().intersects(widgetOf(box)->geometry())) << marked.fullName();
    }

    typeInto(0, "3");
    click(form->cmdSubmit);
    EXPECT_EQ(signs(), (Signs{SignSeen::Tick, SignSeen::Tick, SignSeen::Tick}));
    click(form->cmdNew);
    EXPECT_EQ(signs(), (Signs{}));
    EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{PaleCyan, PaleCyan, PaleCyan}));
}

TEST_F(Behaviour, DigitsOfOtherScriptsBecomeZeroToNineAsTheyAreTyped) {
    useDraws(KeyWithoutOne);  // 3√6 / 5
    start();
    struct Case {
        const char* typed;
        const char* held;
        tk::Colour colour;
    };
    const std::vector<Case> cases{
        {"３", "3", Green},     // full-width, from an input method for Chinese, Japanese or Korean
        {"٣", "3", Green},      // Arabic-Indic
        {"۳", "3", Green},      // Eastern Arabic-Indic
        {"३", "3", Green},      // Devanagari
        {"０３", "03", Red},    // a leading zero stays wrong
        {"＋３", "＋3", Red},   // so does a sign
        {"３.０", "3.0", Red},  // and a decimal point
        {"Ⅲ", "Ⅲ", Red},        // a Roman numeral is no decimal digit
        {"³", "³", Red},        // nor is a superscript
    };
    QWidget* box = widgetOf(form->txtAnswer[0]);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // An input method hands the box what was composed, over the selected old text.
        click(form->txtAnswer[0]);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8(c.typed));
        QApplication::sendEvent(box, &composed);
        EXPECT_EQ(form->txtAnswer[0].text(), c.held);
        typeInto(1, "7");
        click(form->cmdSubmit);
        EXPECT_EQ(colours()[0], c.colour);
    }
}

TEST_F(Behaviour, EnterInAnAnswerBoxPressesSubmitWhileItIsEnabled) {
    useDraws(KeyWithoutOne);  // 3√6 / 5
    start();
    typeInto(0, "3");
    QTest::keyClick(widgetOf(form->txtAnswer[0]), Qt::Key_Return);
    settle();
    EXPECT_EQ(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), 1.0);
    EXPECT_EQ(colours(), (std::array<tk::Colour, 3>{Green, Red, Red}));
    typeInto(1, "6");
    typeInto(2, "5");
    QTest::keyClick(widgetOf(form->txtAnswer[2]), Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    EXPECT_EQ(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), 2.0);
    ASSERT_TRUE(form->cmdNew.enabled());
    EXPECT_EQ(focused(), &form->cmdNew);
    // Submit is disabled now: Enter in a box presses nothing.
    click(form->txtAnswer[0]);
    QTest::keyClick(widgetOf(form->txtAnswer[0]), Qt::Key_Return);
    settle();
    EXPECT_EQ(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), 2.0);
    EXPECT_EQ(form->lblProbCount.caption(), "1");
}

TEST_F(Behaviour, AccessKeysPressSubmitAndNextOnlyWhileEnabled) {
    useDraws(KeyWithoutOne);
    QTest::keyClick(widgetOf(*form), Qt::Key_S, Qt::AltModifier);
    settle(300);
    EXPECT_TRUE(tarnivo::PracticeWindowProbe::score(*form).TotalCount().isEmpty());
    start();
    QTest::keyClick(widgetOf(*form), Qt::Key_N, Qt::AltModifier);
    settle(300);
    EXPECT_EQ(form->lblProbCount.caption(), "1");
    // An access key that no button answers types nothing into the focused box.
    QTest::keyClick(widgetOf(form->txtAnswer[0]), Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(widgetOf(form->txtAnswer[0]), Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
    settle(300);
    EXPECT_EQ(form->txtAnswer[0].text(), "");

    QTest::keyClick(widgetOf(*form), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), 1.0);
    for (int box = 0; box < 3; ++box) typeInto(box, key()[static_cast<std::size_t>(box)]);
    QTest::keyClick(widgetOf(*form), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(form->cmdNew.enabled());
    const std::string typed = form->txtAnswer[0].text();
    QTest::keyClick(widgetOf(form->txtAnswer[0]), Qt::Key_S, Qt::AltModifier);
    settle(300);
    EXPECT_EQ(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value(), 2.0);
    EXPECT_EQ(form->txtAnswer[0].text(), typed) << "Alt+S on the disabled Submit typed into the box";
    QTest::keyClick(widgetOf(*form), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(form->lblProbCount.caption(), std::string("2"));
}

TEST_F(Behaviour, ExitAndTheCloseButtonEndTheProgram) {
    start();
    click(form->cmdExit);
    EXPECT_FALSE(tk::FormsProbe::isLoaded<frmTarnivo>());
    EXPECT_TRUE(tk::Forms::ended());
    EXPECT_EQ(tk::Forms::exitCode(), 0);

    reopen();
    widgetOf(*form)->close();
    settle();
    EXPECT_FALSE(tk::FormsProbe::isLoaded<frmTarnivo>());
    EXPECT_TRUE(tk::Forms::ended());
    EXPECT_EQ(tk::Forms::exitCode(), 0);
}

}  // namespace
}  // namespace practice_test
