// SPDX-License-Identifier: MIT
#include "ui/practice/work_review.h"

#include <array>
#include <string_view>

#include <QCoreApplication>

#include "app/runtime/text.h"
#include "engine/marking.h"
#include "ui/practice/answer_form_selector.h"

namespace tarnivo {

namespace {

// Every word of the review, in one place for translation.
namespace says {
constexpr auto Context = "WorkReview";
//: Labels of the student data and the score at the top of the printed review; each is
//: followed by its value. "Period" is a class period of the school day.
constexpr const char* Period = QT_TRANSLATE_NOOP("WorkReview", "Period:");
//: The student number the school gives.
constexpr const char* StudentId = QT_TRANSLATE_NOOP("WorkReview", "Student ID:");
//: The student's name.
constexpr const char* Name = QT_TRANSLATE_NOOP("WorkReview", "Name:");
//: The name of the student's teacher.
constexpr const char* Teacher = QT_TRANSLATE_NOOP("WorkReview", "Teacher:");
//: The day the set was worked.
constexpr const char* Date = QT_TRANSLATE_NOOP("WorkReview", "Date:");
//: The number of answers that were right.
constexpr const char* Right = QT_TRANSLATE_NOOP("WorkReview", "Right:");
//: The number of answers handed in, right or wrong: a count of submissions, not a sum.
constexpr const char* Total = QT_TRANSLATE_NOOP("WorkReview", "Total:");
//: The percentage of submissions that were right.
constexpr const char* Grade = QT_TRANSLATE_NOOP("WorkReview", "Grade:");
//: Column headings of the printed table of the twenty problems. "No." is the problem's number.
constexpr const char* Number = QT_TRANSLATE_NOOP("WorkReview", "No.");
//: Heading of the problem column: the problem the student had to simplify.
constexpr const char* Problem = QT_TRANSLATE_NOOP("WorkReview", "Problem");
//: The simplified answer of the problem, from the answer key: use the word of the window's
//: "Key" frame, so that it does not read as the student's own answer beside "Wrong answers".
constexpr const char* Answer = QT_TRANSLATE_NOOP("WorkReview", "Answer");
//: How many times the student handed in an answer to the problem.
constexpr const char* Submitted = QT_TRANSLATE_NOOP("WorkReview", "Submitted");
//: ✗ is printed after every wrong part of a wrong answer: keep the sign.
constexpr const char* WrongAnswers = QT_TRANSLATE_NOOP("WorkReview", "Wrong answers (✗ marks a wrong part)");
// After a wrong answer, the parts the chosen shape had no box for though the key needs them,
// one whole sentence for each set of parts, indexed by one bit a part (A, √B, C).
constexpr std::array<const char*, 8> LeftOut{
    nullptr,
    //: Printed after a wrong answer, in brackets: the answer's shape had no box for the
    //: coefficient A (of A√B / C), which the key needs. Keep A, √B and C as they are.
    QT_TRANSLATE_NOOP("WorkReview", "A left out"),
    //: As above, for the root √B.
    QT_TRANSLATE_NOOP("WorkReview", "√B left out"),
    //: As above, for the coefficient A and the root √B.
    QT_TRANSLATE_NOOP("WorkReview", "A, √B left out"),
    //: As above, for the denominator C.
    QT_TRANSLATE_NOOP("WorkReview", "C left out"),
    //: As above, for the coefficient A and the denominator C.
    QT_TRANSLATE_NOOP("WorkReview", "A, C left out"),
    //: As above, for the root √B and the denominator C.
    QT_TRANSLATE_NOOP("WorkReview", "√B, C left out"),
    //: As above, for all three parts.
    QT_TRANSLATE_NOOP("WorkReview", "A, √B, C left out"),
};
}  // namespace says

std::string say(const char* words) { return QCoreApplication::translate(says::Context, words).toStdString(); }

// A label is joined to its value by a no-break space, so that the two stay on one line.
std::string labelled(const char* label, const std::string& value) { return say(label) + "\u00A0" + value; }

// The number of wrong answers the row leaves unlisted.
std::string andMore(std::uint64_t count) {
    const int more = static_cast<int>(count);
    //: Ends the list of a problem's wrong answers: %n more were handed in but are not listed.
    return QCoreApplication::translate("WorkReview", "and %n more", nullptr, more).toStdString();
}

constexpr std::string_view WrongSign = "\u2717";
constexpr std::string_view Gap = "   ";
constexpr std::string_view NoEntry = "_";
// What stands before each part of A√B/C when it is written.
constexpr std::array<std::string_view, 3> Connectors{"", "\u221A", "/"};
// An entry longer than this is nonsense for a number of at most five digits; its start shows.
constexpr std::size_t LongestEntry = 20;

// The entry as marked, the invisible characters around it left out and any inside it
// shown, and a very long one cut with "…".
std::string shownEntry(const std::string& text) {
    std::string entry = VisibleText(MarkedText(text));
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
    std::size_t leftOut = 0;
    for (std::size_t box = 0; box < 3; ++box) {
        const bool wrong = !answer.verdicts[box];
        if (!AnswerFormSelector::showsBox(answer.shape, box)) {
            if (wrong) leftOut |= std::size_t{1} << box;
            continue;
        }
        if (box > 0) cell.push_back({std::string(Connectors[box]), false});
        const std::string entry = shownEntry(answer.boxTexts[box]);
        std::string part = entry.empty() ? std::string(NoEntry) : entry;
        if (wrong) part.append(WrongSign);
        cell.push_back({part, wrong});
    }
    if (leftOut != 0) {
        cell.push_back({" (", false});
        cell.push_back({say(says::LeftOut[leftOut]).append(WrongSign), true});
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
    if (rest > 0) wrong.push_back({"; " + andMore(rest), false});
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
    const std::string items[] = {
        labelled(says::Period, heading.period),     labelled(says::StudentId, heading.studentId),
        labelled(says::Name, heading.name),         labelled(says::Teacher, heading.teacher),
        labelled(says::Date, heading.date),         labelled(says::Right, trim(heading.right)),
        labelled(says::Total, trim(heading.total)), labelled(says::Grade, trim(heading.grade)),
    };
    std::string line;
    for (const std::string& item : items) {
        if (!line.empty()) line.append(Gap);
        line.append(item);
    }
    review.paragraphs = {{{line, false}}};
    review.tableHeader = {{{say(says::Number), false}},
                          {{say(says::Problem), false}},
                          {{say(says::Answer), false}},
                          {{say(says::Submitted), false}},
                          {{say(says::WrongAnswers), false}}};
    for (std::size_t index = 0; index < work.problems().size(); ++index) {
        review.tableRows.push_back(problemRow(index + 1, work.problems()[index]));
    }
    return review;
}

}  // namespace tarnivo
