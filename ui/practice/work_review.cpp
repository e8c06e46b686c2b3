// SPDX-License-Identifier: MIT
#include "ui/practice/work_review.h"

#include <array>
#include <string_view>
#include <utility>

#include "app/runtime/text.h"
#include "ui/practice/answer_form_selector.h"

namespace tarnivo {

namespace {

// Every word of the review, in one place for translation. A label is joined to its value
// by a no-break space, so that the two stay on one line.
namespace says {
constexpr std::string_view Name = "Name:\u00A0";
constexpr std::string_view Period = "Period:\u00A0";
constexpr std::string_view StudentId = "Student ID:\u00A0";
constexpr std::string_view Teacher = "Teacher:\u00A0";
constexpr std::string_view Date = "Date:\u00A0";
constexpr std::string_view Right = "Right:\u00A0";
constexpr std::string_view Total = "Total:\u00A0";
constexpr std::string_view Grade = "Grade:\u00A0";
constexpr std::string_view Number = "No.";
constexpr std::string_view Problem = "Problem";
constexpr std::string_view Answer = "Answer";
constexpr std::string_view Submitted = "Submitted";
constexpr std::string_view WrongAnswers = "Wrong answers (\u2717 marks a wrong part)";
constexpr std::string_view LeftOut = "%1 left out";
constexpr std::string_view AndMore = "and %1 more";
}  // namespace says

constexpr std::string_view WrongSign = "\u2717";
constexpr std::string_view Gap = "   ";
constexpr std::string_view NoEntry = "_";
constexpr std::array<std::string_view, 3> PartNames{"A", "\u221AB", "C"};
// What stands before each part of A√B/C when it is written.
constexpr std::array<std::string_view, 3> Connectors{"", "\u221A", "/"};
// An entry longer than this is nonsense for a number of at most five digits; its start shows.
constexpr std::size_t LongestEntry = 20;

std::string replaced(std::string_view pattern, const std::string& value) {
    std::string text(pattern);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

// The entry as marked, blanks around it left out, and a very long one cut with "…".
std::string shownEntry(const std::string& text) {
    std::string entry = trim(text);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < entry.size(); ++at) {
        if ((static_cast<unsigned char>(entry[at]) & 0xC0U) == 0x80U) continue;
        if (++characters > LongestEntry) return entry.substr(0, at).append("\u2026");
    }
    return entry;
}

// The key as the simplest form writes it: a part equal to 1 is left out, unless nothing
// would be left of the numerator.
std::string keyInItsShape(const std::array<std::string, 3>& key) {
    const bool radical = key[1] != "1";
    std::string answer = key[0] != "1" || !radical ? key[0] : "";
    if (radical) answer.append("\u221A").append(key[1]);
    if (key[2] != "1") answer.append("/").append(key[2]);
    return answer;
}

// A wrong answer written in the shape the student chose, with what each box held
// ("_" for nothing); a wrong part carries the sign. A part the shape leaves out is named
// after it when the key needs it.
void addWrongAnswer(tk::TextSpan& cell, const SubmittedAnswer& answer) {
    std::string leftOut;
    for (std::size_t box = 0; box < 3; ++box) {
        const bool wrong = !answer.verdicts[box];
        if (!AnswerFormSelector::showsBox(answer.shape, box)) {
            if (wrong) leftOut.append(leftOut.empty() ? "" : ", ").append(PartNames[box]);
            continue;
        }
        if (box > 0) cell.push_back({std::string(Connectors[box]), false});
        const std::string entry = shownEntry(answer.boxTexts[box]);
        std::string part = entry.empty() ? std::string(NoEntry) : entry;
        if (wrong) part.append(WrongSign);
        cell.push_back({part, wrong});
    }
    if (!leftOut.empty()) {
        cell.push_back({" (", false});
        cell.push_back({replaced(says::LeftOut, leftOut).append(WrongSign), true});
        cell.push_back({")", false});
    }
}

std::vector<tk::TextSpan> problemRow(std::size_t number, const ProblemWork& work) {
    const auto& t = work.termTexts;
    const std::string problem = t[0] + "\u221A" + t[1] + " / " + t[2] + "\u221A" + t[3];
    tk::TextSpan wrong;
    for (const SubmittedAnswer& answer : work.firstWrongAnswers) {
        if (!wrong.empty()) wrong.push_back({"; ", false});
        addWrongAnswer(wrong, answer);
    }
    const std::uint64_t rest = work.wrongCount - work.firstWrongAnswers.size();
    if (rest > 0) wrong.push_back({"; " + replaced(says::AndMore, std::to_string(rest)), false});
    return {{{std::to_string(number), false}},
            {{problem, false}},
            {{keyInItsShape(work.keyTexts), false}},
            {{std::to_string(work.submissionCount()), false}},
            wrong};
}

}  // namespace

tk::PageText workReview(const ReviewHeading& heading, const WorkRecord& work) {
    tk::PageText review;
    // One paragraph, so that a short heading takes one line and the table keeps the room.
    const std::pair<std::string_view, std::string> items[] = {
        {says::Period, heading.period},     {says::StudentId, heading.studentId}, {says::Name, heading.name},
        {says::Teacher, heading.teacher},   {says::Date, heading.date},           {says::Right, trim(heading.right)},
        {says::Total, trim(heading.total)}, {says::Grade, trim(heading.grade)},
    };
    std::string line;
    for (const auto& [label, value] : items) {
        if (!line.empty()) line.append(Gap);
        line.append(label).append(value);
    }
    review.paragraphs = {{{line, false}}};
    review.tableHeader = {{{std::string(says::Number), false}},
                          {{std::string(says::Problem), false}},
                          {{std::string(says::Answer), false}},
                          {{std::string(says::Submitted), false}},
                          {{std::string(says::WrongAnswers), false}}};
    for (std::size_t index = 0; index < work.problems().size(); ++index) {
        review.tableRows.push_back(problemRow(index + 1, work.problems()[index]));
    }
    return review;
}

}  // namespace tarnivo
