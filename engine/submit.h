// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/runtime/integer.h"
#include "engine/score.h"

namespace tarnivo {

// Answer box backgrounds after marking, as 0x00BBGGRR.
inline constexpr std::uint32_t RightBoxColour = 0x0000FF00;
inline constexpr std::uint32_t WrongBoxColour = 0x000000FF;

// Everything one press of Submit changes, for the practice window to apply in this
// order: box colours 0..2; on a fully right answer, Submit disabled, the "Total"
// label (lblWrong), then the "Right" label (lblRight), the grade (lblPercent), Next
// enabled and focused, and the end-of-set screen when the set is complete. On a wrong
// answer only the colours and the focus change.
struct SubmitOutcome {
    std::array<bool, 3> verdicts{};
    std::array<std::uint32_t, 3> boxColours{};
    bool fullyRight = false;
    std::optional<std::string> totalText;
    std::optional<std::string> rightText;
    std::optional<std::string> gradeText;
    bool setComplete = false;
};

// Counts the submission, marks the three boxes against the key texts and, on a fully
// right answer, counts it and reports the new score captions.
SubmitOutcome Submit(Score& score, const std::array<std::string, 3>& boxTexts,
                     const std::array<std::string, 3>& keyTexts, std::string_view problemCounterText,
                     Integer problemLimit);

}  // namespace tarnivo
