// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "app/runtime/integer.h"
#include "app/toolkit/line.h"
#include "app/toolkit/picture.h"
#include "app/toolkit/text_box.h"

namespace tarnivo {

// The design positions of the answer area, taken once at load, in twips inside fraAnswer.
struct SavedLayout {
    Integer box0Left;     // L0, txtAnswer(0)
    Integer box1Left;     // L1, txtAnswer(1)
    Integer box2Left;     // L2, txtAnswer(2)
    Integer radicalLeft;  // R, imgRadical
    Integer barEnd;       // E, X2 of lneViniculum
    friend bool operator==(const SavedLayout&, const SavedLayout&) = default;
};

// Lays the answer area out as one of the seven answer shapes: 0 A√B/C, 1 √B/C, 2 A/C,
// 3 A√B, 4 A, 5 √B, 6 1/C. It shows the boxes the shape needs, puts "1" into the ones it
// leaves out, and closes the rest up to the left.
class AnswerFormSelector {
public:
    static constexpr int FormCount = 7;

    AnswerFormSelector(std::array<tk::TextBox, 3>& boxes, tk::Picture& radical, tk::Line& bar)
        : boxes_(boxes), radical_(radical), bar_(bar) {}

    // Reads the positions the controls stand at now, rounded to whole twips.
    [[nodiscard]] SavedLayout capture() const;

    // Shows, fills and moves the answer controls for `form`; a form outside 0..6 changes nothing.
    void apply(Integer form, const SavedLayout& saved);
    // Shows and moves the answer controls for `form` as apply does, leaving the boxes' texts as they are.
    void arrange(Integer form, const SavedLayout& saved);

    // The first box the shape lets the student type into: the first one it leaves empty.
    [[nodiscard]] static int firstAnswerBox(int form);
    // Whether the shape shows the box (0 A, 1 B, 2 C); a form outside 0..6 shows all three.
    [[nodiscard]] static bool showsBox(int form, std::size_t box);

    // The shape whose formula is drawn at `y` twips down the formula picture; a press
    // between two formulas counts for the nearer one.
    [[nodiscard]] static int formAtPictureRow(float y);

    // Names the wrong parts that no shown box holds ("the answer also has a denominator."),
    // in the user's language, or gives "" when there are none.
    [[nodiscard]] static std::string leftOutPartsText(const std::array<bool, 3>& verdicts,
                                                      const std::array<bool, 3>& shown);

private:
    std::array<tk::TextBox, 3>& boxes_;
    tk::Picture& radical_;
    tk::Line& bar_;
};

}  // namespace tarnivo
