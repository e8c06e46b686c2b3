// SPDX-License-Identifier: MIT
#include "ui/practice/answer_form_selector.h"

#include <string_view>

#include <QCoreApplication>

namespace tarnivo {

namespace {

struct BoxShape {
    bool shown;
    std::string_view text;
};

struct FormShape {
    std::array<BoxShape, 3> boxes;
    bool radicalShown;
    bool barShown;
};

// What each shape shows, and the text every box gets: a part the shape leaves out holds
// "1", so marking counts it right exactly when that key part is 1.
// clang-format off
constexpr std::array<FormShape, AnswerFormSelector::FormCount> Shapes{{
    //   txtAnswer(0)   txtAnswer(1)   txtAnswer(2)    imgRadical lneViniculum
    {{{{true,  ""},  {true,  ""},  {true,  ""}}},  true,  true},   // 0  A√B / C
    {{{{false, "1"}, {true,  ""},  {true,  ""}}},  true,  true},   // 1  √B / C
    {{{{true,  ""},  {false, "1"}, {true,  ""}}},  false, true},   // 2  A / C
    {{{{true,  ""},  {true,  ""},  {false, "1"}}}, true,  false},  // 3  A√B
    {{{{true,  ""},  {false, "1"}, {false, "1"}}}, false, false},  // 4  A
    {{{{false, "1"}, {true,  ""},  {false, "1"}}}, true,  false},  // 5  √B
    {{{{true,  "1"}, {false, "1"}, {true,  ""}}},  false, true},   // 6  1 / C
}};
// clang-format on

enum class Move {
    None,
    Box0ToL0,
    Box1ToL1,
    Box2ToL2,
    RadicalToR,
    BarToE,
    Box1ToL0,
    Box2ToL0,
    RadicalOverBox1AtL0,
    BarToMiddle,
};

// The moves of each shape, in the order they are made. Shape 5 moves nothing: box 1 and
// the radical sign stay where the last shape left them.
// clang-format off
constexpr std::array<std::array<Move, 5>, AnswerFormSelector::FormCount> Moves{{
    {Move::Box0ToL0, Move::Box1ToL1, Move::Box2ToL2,            Move::RadicalToR, Move::BarToE},  // 0
    {Move::Box1ToL0, Move::Box2ToL0, Move::RadicalOverBox1AtL0, Move::BarToMiddle},               // 1
    {Move::Box2ToL0, Move::BarToMiddle},                                                          // 2
    {Move::Box0ToL0, Move::Box1ToL1, Move::RadicalToR},                                           // 3
    {},                                                                                           // 4
    {},                                                                                           // 5
    {Move::Box2ToL0, Move::BarToMiddle},                                                          // 6
}};
// clang-format on

// Where the formulas of the picture meet, in its pixels: midway between the last row of
// one formula and the first of the next (rows 7-48, 58-99, 115-146, 156-175, 192-199,
// 213-232 and 245-280).
constexpr std::array<float, AnswerFormSelector::FormCount - 1> FormulaBoundaries{53, 107, 151, 183.5F, 206, 238.5F};

// Each set of wrong parts the shapes can leave out as one whole sentence, so that a
// language can give every part its own article and case. Indexed by one bit per part:
// 1 the coefficient, 2 the number under the root, 4 the denominator.
constexpr std::array<const char*, 8> LeftOutSentences{
    nullptr,
    //: Shown under the answer boxes after "Wrong shape:", when the chosen shape has no box for
    //: a part of the answer the student got wrong. The coefficient is A in A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a coefficient."),
    //: As above; the number under the root is B in A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a number under the root."),
    //: As above, for A and B of A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a coefficient and a number under the root."),
    //: As above; the denominator is C in A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a denominator."),
    //: As above, for A and C of A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a coefficient and a denominator."),
    //: As above, for B and C of A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector", "the answer also has a number under the root and a denominator."),
    //: As above, for all three parts of A√B / C.
    QT_TRANSLATE_NOOP("AnswerFormSelector",
                      "the answer also has a coefficient and a number under the root and a denominator."),
};

float position(Integer twips) { return static_cast<float>(twips.value()); }

// Midway between the bar's left end and its design right end, so that the bar spans the
// single column of boxes at L0. Kept as computed: with the design layout it is 3292.5,
// and rounding it would shift the bar by half a twip for no reason.
float middleOfBar(Integer barEnd, float x1) { return (position(barEnd) + x1) / 2.0F; }

}  // namespace

SavedLayout AnswerFormSelector::capture() const {
    SavedLayout saved;
    saved.box0Left = Integer::round(boxes_[0].left());
    saved.box1Left = Integer::round(boxes_[1].left());
    saved.box2Left = Integer::round(boxes_[2].left());
    saved.radicalLeft = Integer::round(radical_.left());
    saved.barEnd = Integer::round(bar_.x2());
    return saved;
}

void AnswerFormSelector::apply(Integer form, const SavedLayout& saved) {
    const int index = form.value();
    if (index < 0 || index >= FormCount) return;
    arrange(form, saved);
    const FormShape& shape = Shapes[static_cast<std::size_t>(index)];
    for (std::size_t box = 0; box < boxes_.size(); ++box) boxes_[box].setText(std::string(shape.boxes[box].text));
}

void AnswerFormSelector::arrange(Integer form, const SavedLayout& saved) {
    const int index = form.value();
    if (index < 0 || index >= FormCount) return;
    const FormShape& shape = Shapes[static_cast<std::size_t>(index)];
    for (std::size_t box = 0; box < boxes_.size(); ++box) boxes_[box].setVisible(shape.boxes[box].shown);
    radical_.setVisible(shape.radicalShown);
    bar_.setVisible(shape.barShown);

    for (const Move step : Moves[static_cast<std::size_t>(index)]) {
        switch (step) {
            case Move::None: break;
            case Move::Box0ToL0: boxes_[0].setLeft(position(saved.box0Left)); break;
            case Move::Box1ToL1: boxes_[1].setLeft(position(saved.box1Left)); break;
            case Move::Box2ToL2: boxes_[2].setLeft(position(saved.box2Left)); break;
            case Move::RadicalToR: radical_.setLeft(position(saved.radicalLeft)); break;
            case Move::BarToE: bar_.setX2(position(saved.barEnd)); break;
            case Move::Box1ToL0: boxes_[1].setLeft(position(saved.box0Left)); break;
            case Move::Box2ToL0: boxes_[2].setLeft(position(saved.box0Left)); break;
            case Move::RadicalOverBox1AtL0: {
                // The sign moves left by as much as box 1 does, so it stays over it.
                const Integer distance = saved.box1Left - saved.radicalLeft;
                radical_.setLeft(position(saved.box0Left - distance));
                break;
            }
            case Move::BarToMiddle: bar_.setX2(middleOfBar(saved.barEnd, bar_.x1())); break;
        }
    }
}

int AnswerFormSelector::firstAnswerBox(int form) {
    if (form < 0 || form >= FormCount) return 0;
    const auto& boxes = Shapes[static_cast<std::size_t>(form)].boxes;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (boxes[box].shown && boxes[box].text.empty()) return static_cast<int>(box);
    }
    return 0;
}

int AnswerFormSelector::formAtPictureRow(float y) {
    const float pixel = y / 15.0F;
    int form = 0;
    for (const float boundary : FormulaBoundaries) {
        if (pixel >= boundary) ++form;
    }
    return form;
}

std::string AnswerFormSelector::leftOutPartsText(const std::array<bool, 3>& verdicts,
                                                 const std::array<bool, 3>& shown) {
    std::size_t parts = 0;
    for (std::size_t box = 0; box < verdicts.size(); ++box) {
        if (!verdicts[box] && !shown[box]) parts |= std::size_t{1} << box;
    }
    if (parts == 0) return {};
    return QCoreApplication::translate("AnswerFormSelector", LeftOutSentences[parts]).toStdString();
}

bool AnswerFormSelector::showsBox(int form, std::size_t box) {
    if (form < 0 || form >= FormCount || box >= 3) return true;
    return Shapes[static_cast<std::size_t>(form)].boxes[box].shown;
}

}  // namespace tarnivo
