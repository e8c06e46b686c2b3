// SPDX-License-Identifier: MIT
#include "engine/submit.h"

#include <algorithm>

#include "app/runtime/text.h"
#include "engine/marking.h"

namespace tarnivo {

SubmitOutcome Submit(Score& score, const std::array<std::string, 3>& boxTexts,
                     const std::array<std::string, 3>& keyTexts, std::string_view problemCounterText,
                     Integer problemLimit) {
    score.addSubmission();

    SubmitOutcome outcome;
    outcome.verdicts = MarkAnswer(boxTexts, keyTexts);
    outcome.fullyRight = std::all_of(outcome.verdicts.begin(), outcome.verdicts.end(), [](bool v) { return v; });
    for (std::size_t k = 0; k < outcome.verdicts.size(); ++k)
        outcome.boxColours[k] = outcome.verdicts[k] ? RightBoxColour : WrongBoxColour;
    if (!outcome.fullyRight) return outcome;

    score.addRightAnswer();
    outcome.totalText = signText(score.TotalCount().value());
    outcome.rightText = signText(score.RightCount().value());
    outcome.gradeText = GradeText(score.RightCount().value(), score.TotalCount().value());
    outcome.setComplete = IsSetComplete(problemCounterText, problemLimit);
    return outcome;
}

}  // namespace tarnivo
