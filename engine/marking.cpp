// SPDX-License-Identifier: MIT
#include "engine/marking.h"

#include <cmath>

#include "app/runtime/text.h"

namespace tarnivo {

std::array<bool, 3> MarkAnswer(const std::array<std::string, 3>& boxTexts, const std::array<std::string, 3>& keyTexts) {
    std::array<bool, 3> verdicts{};
    for (std::size_t k = 0; k < verdicts.size(); ++k) verdicts[k] = trim(boxTexts[k]) == keyTexts[k];
    return verdicts;
}

std::string GradeText(double rightCount, double totalCount) {
    if (!(totalCount > 0)) return "0%";
    return signText(std::floor(rightCount * 100.0 / totalCount)) + "%";
}

bool IsSetComplete(std::string_view problemCounterText, Integer problemLimit) {
    return numericValue(problemCounterText) >= static_cast<double>(problemLimit.value());
}

}  // namespace tarnivo
