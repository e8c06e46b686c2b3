// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/problem.h"

namespace tarnivo {

// One press of Submit as the student made it: the answer shape chosen (0..6), what each
// of the three boxes held and how each was marked.
struct SubmittedAnswer {
    int shape = 0;
    std::array<std::string, 3> boxTexts;
    std::array<bool, 3> verdicts{};
    friend bool operator==(const SubmittedAnswer&, const SubmittedAnswer&) = default;
};

// The work on one problem of the set: the problem and its key, the first few wrong
// answers in full and how many there were in all.
struct ProblemWork {
    std::array<std::string, 4> termTexts;
    std::array<std::string, 3> keyTexts;
    std::vector<SubmittedAnswer> firstWrongAnswers;
    std::uint64_t wrongCount = 0;
    bool solved = false;

    [[nodiscard]] std::uint64_t submissionCount() const { return wrongCount + (solved ? 1 : 0); }
};

// What the student did in this run, problem by problem, for the printed record. It lives
// in memory only, and however often a problem is submitted it keeps a few answers of it.
class WorkRecord {
public:
    static constexpr std::size_t KeptWrongAnswers = 3;

    void startProblem(const DrillProblem& problem);
    // Belongs to the problem started last; a submission before any problem is ignored.
    void recordSubmission(int shape, const std::array<std::string, 3>& boxTexts, const std::array<bool, 3>& verdicts);

    [[nodiscard]] const std::vector<ProblemWork>& problems() const { return problems_; }
    [[nodiscard]] std::uint64_t wrongCount() const;

private:
    std::vector<ProblemWork> problems_;
};

}  // namespace tarnivo
