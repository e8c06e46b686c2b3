// SPDX-License-Identifier: MIT
// The answer-shape options: what each one shows, hides, presets and moves.
#include <QPalette>
#include <cstdlib>

#include "app/runtime/errors.h"
#include "tests/practice_window/practice_fixture.h"

namespace practice_test {
namespace {

// The answer area as the student sees it.
struct AnswerArea {
    std::array<bool, 3> shown;
    std::array<std::string, 3> texts;
    std::array<float, 3> lefts;
    bool radicalShown;
    float radicalLeft;
    bool barShown;
    float barEnd;
    friend bool operator==(const AnswerArea&, const AnswerArea&) = default;
};

std::ostream& operator<<(std::ostream& out, const AnswerArea& a) {
    for (std::size_t i = 0; i < 3; ++i)
        out << "box" << i << (a.shown[i] ? " shown " : " hidden ") << '"' << a.texts[i] << "\" at " << a.lefts[i]
            << "; ";
    return out << "radical " << (a.radicalShown ? "shown" : "hidden") << " at " << a.radicalLeft << "; bar "
               << (a.barShown ? "shown" : "hidden") << " to " << a.barEnd;
}

AnswerArea areaOf(const frmTarnivo& form) {
    AnswerArea area{};
    for (std::size_t i = 0; i < 3; ++i) {
        area.shown[i] = form.txtAnswer[i].visible();
        area.texts[i] = form.txtAnswer[i].text();
        area.lefts[i] = form.txtAnswer[i].left();
    }
    area.radicalShown = form.imgRadical.visible();
    area.radicalLeft = form.imgRadical.left();
    area.barShown = form.lneViniculum.visible();
    area.barEnd = form.lneViniculum.x2();
    return area;
}

const AnswerArea DesignLayout{{true, true, true}, {"", "", ""}, {1830, 3585, 2745}, true, 3015, true, 4710};

// Each shape chosen from the design layout.
const std::array<AnswerArea, 7> ShapeFromDesign{{
    {{true, true, true}, {"", "", ""}, {1830, 3585, 2745}, true, 3015, true, 4710},
    {{false, true, true}, {"1", "", ""}, {1830, 1830, 1830}, true, 1260, true, 3292.5F},
    {{true, false, true}, {"", "1", ""}, {1830, 3585, 1830}, false, 3015, true, 3292.5F},
    {{true, true, false}, {"", "", "1"}, {1830, 3585, 2745}, true, 3015, false, 4710},
    {{true, false, false}, {"", "1", "1"}, {1830, 3585, 2745}, false, 3015, false, 4710},
    {{false, true, false}, {"1", "", "1"}, {1830, 3585, 2745}, true, 3015, false, 4710},
    {{true, false, true}, {"1", "1", ""}, {1830, 3585, 1830}, false, 3015, true, 3292.5F},
}};

class AnswerForms : public PracticeWindow {
protected:
    // Types into every shown box, so that a choice must replace what was typed.
    void typeInShownBoxes(const std::string& text) {
        for (int box = 0; box < 3; ++box)
            if (form->txtAnswer[static_cast<std::size_t>(box)].visible()) typeInto(box, text);
    }
};

TEST_F(AnswerForms, EachShapeFromTheDesignLayout) {
    for (int shape = 0; shape < 7; ++shape) {
        SCOPED_TRACE("shape " + std::to_string(shape));
        chooseForm(0);
        typeInShownBoxes("77");
        chooseForm(shape == 0 ? 1 : shape);
        if (shape == 0) chooseForm(0);
        EXPECT_EQ(form->selectedAnswerForm(), shape);
        EXPECT_EQ(areaOf(*form), ShapeFromDesign[static_cast<std::size_t>(shape)]);
    }
}

TEST_F(AnswerForms, ShapeZeroRestoresTheDesignLayoutAfterAnySequence) {
    const std::vector<std::vector<int>> sequences{
        {1}, {5}, {1, 5}, {2, 3}, {6, 4}, {1, 5, 6, 2}, {3, 1, 5}, {6, 1, 2, 5, 4, 3}, {5, 1, 6},
    };
    for (const auto& sequence : sequences) {
        SCOPED_TRACE(::testing::PrintToString(sequence));
        for (int shape : sequence) {
            typeInShownBoxes("9");
            chooseForm(shape);
        }
        typeInShownBoxes("9");
        chooseForm(0);
        EXPECT_EQ(areaOf(*form), DesignLayout);
    }
}

TEST_F(AnswerForms, ShapesThatMoveNothingKeepWhatTheLastShapeLeft) {
    // Square root only: box 1 and the sign stay where they stand, with a gap at the left.
    chooseForm(5);
    EXPECT_EQ(areaOf(*form),
              (AnswerArea{{false, true, false}, {"1", "", "1"}, {1830, 3585, 2745}, true, 3015, false, 4710}));
    chooseForm(1);
    chooseForm(5);
    EXPECT_EQ(areaOf(*form),
              (AnswerArea{{false, true, false}, {"1", "", "1"}, {1830, 1830, 1830}, true, 1260, false, 3292.5F}));

    // A over C, then A√B: box 2 stays hidden where A over C put it, holding "1".
    chooseForm(2);
    chooseForm(3);
    EXPECT_EQ(areaOf(*form),
              (AnswerArea{{true, true, false}, {"", "", "1"}, {1830, 3585, 1830}, true, 3015, false, 3292.5F}));
}

TEST_F(AnswerForms, OneOverCShowsAOneTheStudentMayChange) {
    chooseForm(6);
    ASSERT_TRUE(form->txtAnswer[0].shownOnScreen());
    EXPECT_EQ(form->txtAnswer[0].text(), "1");
    typeInto(0, "3");
    EXPECT_EQ(form->txtAnswer[0].text(), "3");
    EXPECT_EQ(focused(), &form->txtAnswer[0]);
    EXPECT_EQ(tarnivo::AnswerFormSelector::firstAnswerBox(6), 2);
}

TEST_F(AnswerForms, FirstBoxTheStudentTypesInto) {
    const std::array<int, 7> firstBox{0, 1, 0, 0, 0, 1, 2};
    for (int shape = 0; shape < 7; ++shape) {
        EXPECT_EQ(tarnivo::AnswerFormSelector::firstAnswerBox(shape), firstBox[static_cast<std::size_t>(shape)]);
        chooseForm(shape);
        // The first box is shown and empty: the student's first entry goes there.
        const tk::TextBox& box = form->txtAnswer[static_cast<std::size_t>(firstBox[static_cast<std::size_t>(shape)])];
        EXPECT_TRUE(box.visible()) << "shape " << shape;
        EXPECT_EQ(box.text(), "") << "shape " << shape;
    }
}

TEST_F(AnswerForms, APressOnAFormulaChoosesItsShapeAndTheFocusRingShows) {
    click(form->cmdStart);
    // Rows of the formula picture, in its pixels: the middle of each formula, then the
    // gaps between them, which count for the nearer formula.
    const std::vector<std::pair<int, int>> presses{{27, 0},  {78, 1}, {130, 2}, {165, 3}, {195, 4}, {222, 5},
                                                   {262, 6}, {52, 0}, {55, 1},  {110, 2}, {240, 6}, {290, 6}};
    QWidget* column = widgetOf(form->Frame1);
    const int pictureLeft = tk::toPixels(form->Image4.left());
    for (const auto& [row, shape] : presses) {
        SCOPED_TRACE("row " + std::to_string(row));
        chooseForm(shape == 0 ? 1 : 0);
        QTest::mouseClick(column, Qt::LeftButton, {}, QPoint(pictureLeft + 22, tk::toPixels(form->Image4.top()) + row));
        settle();
        EXPECT_EQ(form->selectedAnswerForm(), shape);
        EXPECT_EQ(focused(), &form->optAnswerForm[static_cast<std::size_t>(shape)]);
        EXPECT_EQ(areaOf(*form), ShapeFromDesign[static_cast<std::size_t>(shape)]);
    }
    // The focused option is ringed in the highlight colour, at least as boldly as a push button.
    const auto ringPixels = [](const tk::Control& control) {
        QWidget* widget = widgetOf(control);
        const QImage image = widget->grab().toImage();
        const QColor highlight = widget->palette().color(QPalette::Highlight);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += std::abs(c.red() - highlight.red()) + std::abs(c.green() - highlight.green()) +
                                     std::abs(c.blue() - highlight.blue()) <
                                 60
                             ? 1
                             : 0;
            }
        return count;
    };
    const int optionRing = ringPixels(form->optAnswerForm[6]);
    form->cmdSubmit.setFocus();
    settle();
    EXPECT_GT(optionRing, 0);
    EXPECT_GE(optionRing, ringPixels(form->cmdSubmit));
    EXPECT_EQ(ringPixels(form->optAnswerForm[6]), 0) << "the ring stays after the focus left";
}

TEST_F(AnswerForms, AShapeOutsideTheSevenChangesNothing) {
    chooseForm(1);
    typeInto(1, "12");
    const AnswerArea before = areaOf(*form);
    for (const int shape : {-1, 7, 32767}) {
        form->optAnswerForm_Click(shape);
        EXPECT_EQ(areaOf(*form), before) << "shape " << shape;
    }
    EXPECT_EQ(tarnivo::AnswerFormSelector::firstAnswerBox(7), 0);
}

TEST_F(AnswerForms, PositionsOutsideSixteenBitsAreRefusedNotWrapped) {
    // A saved layout whose radical shift needs more than sixteen bits.
    form->txtAnswer[1].setLeft(20000);
    form->imgRadical.setLeft(-20000);
    form->CaptureSavedLayout();
    EXPECT_THROW(form->optAnswerForm_Click(1), tarnivo::OverflowError);
    form->txtAnswer[0].setLeft(40000);
    EXPECT_THROW(form->CaptureSavedLayout(), tarnivo::OverflowError);
    form->txtAnswer[0].setLeft(1830.4F);
    form->txtAnswer[1].setLeft(3585.5F);
    form->imgRadical.setLeft(3014.5F);
    form->CaptureSavedLayout();
    EXPECT_EQ(tarnivo::PracticeWindowProbe::savedLayout(*form).box0Left, tarnivo::Integer(1830));
    EXPECT_EQ(tarnivo::PracticeWindowProbe::savedLayout(*form).box1Left, tarnivo::Integer(3586));
    EXPECT_EQ(tarnivo::PracticeWindowProbe::savedLayout(*form).radicalLeft, tarnivo::Integer(3014));
}

}  // namespace
}  // namespace practice_test
