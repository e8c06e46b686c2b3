// SPDX-License-Identifier: MIT
#include "engine/work_record.h"

#include <algorithm>
#include <numeric>

namespace tarnivo {

void WorkRecord::startProblem(const DrillProblem& problem) {
    problems_.push_back({problem.termTexts, problem.keyTexts, {}, 0, false});
}

void WorkRecord::recordSubmission(int shape, const std::array<std::string, 3>& boxTexts,
                                  const std::array<bool, 3>& verdicts) {
    if (problems_.empty()) return;
    ProblemWork& work = problems_.back();
    if (std::all_of(verdicts.begin(), verdicts.end(), [](bool right) { return right; })) {
        work.solved = true;
        return;
    }
    ++work.wrongCount;
    if (work.firstWrongAnswers.size() < KeptWrongAnswers) work.firstWrongAnswers.push_back({shape, boxTexts, verdicts});
}

std::uint64_t WorkRecord::wrongCount() const {
    return std::accumulate(problems_.begin(), problems_.end(), std::uint64_t{0},
                           [](std::uint64_t sum, const ProblemWork& work) { return sum + work.wrongCount; });
}

}  // namespace tarnivo
