// SPDX-License-Identifier: MIT
#include "tests/monkey/program_invariants.h"

#include <array>

#include "app/toolkit/forms.h"
#include "tests/monkey/desktop_input.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"

namespace monkey {

namespace {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;

// A caption or text for a report, cut short when long.
std::string inQuotes(std::string_view text) {
    constexpr std::size_t Shown = 40;
    std::string result(1, '"');
    result.append(text.substr(0, Shown));
    if (text.size() <= Shown) return result.append(1, '"');
    return result.append("...\" (").append(std::to_string(text.size())).append(" bytes)");
}

std::string signInRules(const frmSignIn& signIn, const frmTarnivo& practice) {
    const bool allFilled = !signIn.txtPeriod.text().empty() && !signIn.txtID.text().empty() &&
                           !signIn.txtName.text().empty() && !signIn.txtTeacher.text().empty();
    const bool bypass = signIn.txtPeriod.text() == "*";  // the code the README gives teachers
    if (signIn.cmdOk.enabled() != (allFilled || bypass))
        return std::string("OK is ") + (signIn.cmdOk.enabled() ? "enabled" : "disabled") + " with Period " +
               inQuotes(signIn.txtPeriod.text()) + ", #ID " + inQuotes(signIn.txtID.text()) + ", Name " +
               inQuotes(signIn.txtName.text()) + ", Teacher " + inQuotes(signIn.txtTeacher.text());

    const std::array<std::pair<const tk::TextBox*, const tk::Label*>, 4> copies{{
        {&signIn.txtPeriod, &practice.lblPeriod},
        {&signIn.txtID, &practice.lblID},
        {&signIn.txtName, &practice.lblName},
        {&signIn.txtTeacher, &practice.lblTeacher},
    }};
    for (const auto& [box, label] : copies) {
        // A box never typed in leaves the label's own caption; once typed in, the
        // label follows the box, down to empty.
        const bool untouched = box->text().empty() && label->caption() == label->design().caption;
        if (label->caption() != box->text() && !untouched)
            return label->fullName() + " shows " + inQuotes(label->caption()) + " while " + box->fullName() +
                   " holds " + inQuotes(box->text());
    }
    return {};
}

enum class PracticeState { Ready, ProblemOpen, ProblemSolved, EndOfSet };

enum class Shown { Hidden, Partly, All };
enum class Background { Design, White, Other };

// What tells the states of the practice window apart.
struct Look {
    bool startShown, startOn, submitShown, submitOn, nextShown, nextOn, printShown, printOn, exitShown, exitOn;
    Shown frames;  // fraProb, fraKey and fraAnswer
    bool titleShown;
    Background background;
    bool operator==(const Look&) const = default;
};

struct StateRow {
    PracticeState state;
    const char* name;
    Look look;
};

// The states of the practice window; waiting for sign-in looks as Ready does, with
// the window as a whole disabled.
constexpr std::array<StateRow, 4> StateTable{{
    {PracticeState::Ready,
     "Ready",
     {true, true, true, false, true, false, false, false, true, true, Shown::All, false, Background::Design}},
    {PracticeState::ProblemOpen,
     "Problem open",
     {true, false, true, true, true, false, false, false, true, true, Shown::All, false, Background::Design}},
    {PracticeState::ProblemSolved,
     "Problem solved",
     {true, false, true, false, true, true, false, false, true, true, Shown::All, false, Background::Design}},
    {PracticeState::EndOfSet,
     "End of set",
     {true, false, false, false, false, true, true, true, true, true, Shown::Hidden, true, Background::White}},
}};

Look lookOf(const frmTarnivo& p) {
    const int framesShown = int{p.fraProb.visible()} + int{p.fraKey.visible()} + int{p.fraAnswer.visible()};
    const Shown frames = framesShown == 3 ? Shown::All : framesShown == 0 ? Shown::Hidden : Shown::Partly;
    const Background background = p.backColor() == p.design().backColor ? Background::Design
                                  : p.backColor() == tk::colour::White  ? Background::White
                                                                        : Background::Other;
    return {p.cmdStart.visible(),
            p.cmdStart.enabled(),
            p.cmdSubmit.visible(),
            p.cmdSubmit.enabled(),
            p.cmdNew.visible(),
            p.cmdNew.enabled(),
            p.cmdPrintIt.visible(),
            p.cmdPrintIt.enabled(),
            p.cmdExit.visible(),
            p.cmdExit.enabled(),
            frames,
            p.lblTitle.visible(),
            background};
}

std::string describe(const Look& look) {
    const auto button = [](const char* name, bool shown, bool on) {
        return std::string(name) + (shown ? " shown " : " hidden ") + (on ? "enabled" : "disabled");
    };
    const char* frames = look.frames == Shown::All ? "shown" : look.frames == Shown::Hidden ? "hidden" : "partly shown";
    const char* background = look.background == Background::Design  ? "as designed"
                             : look.background == Background::White ? "white"
                                                                    : "of another colour";
    return button("Start", look.startShown, look.startOn) + ", " + button("Submit", look.submitShown, look.submitOn) +
           ", " + button("Next", look.nextShown, look.nextOn) + ", " +
           button("Print Results", look.printShown, look.printOn) + ", " + button("Exit", look.exitShown, look.exitOn) +
           ", frames " + frames + ", title " + (look.titleShown ? "shown" : "hidden") + ", background " + background;
}

std::string scoreFits(PracticeState state, const char* name, int counter, int right) {
    bool fits = false;
    switch (state) {
        case PracticeState::Ready: fits = counter == 0 && right == 0; break;
        case PracticeState::ProblemOpen: fits = counter >= 1 && right == counter - 1; break;
        case PracticeState::ProblemSolved:
            fits = counter >= 1 && counter < tarnivo::ProblemLimit && right == counter;
            break;
        case PracticeState::EndOfSet: fits = counter == tarnivo::ProblemLimit && right == tarnivo::ProblemLimit; break;
    }
    if (fits) return {};
    return std::string("in state ") + name + " the problem counter shows " + std::to_string(counter) + " and Right " +
           std::to_string(right);
}

// Which boxes each answer shape shows: 0 A√B/C, 1 √B/C, 2 A/C, 3 A√B, 4 A, 5 √B,
// 6 1/C (its numerator box stays, holding 1).
constexpr std::array<std::array<bool, 3>, 7> BoxesShown{{
    {true, true, true},
    {false, true, true},
    {true, false, true},
    {true, true, false},
    {true, false, false},
    {false, true, false},
    {true, false, true},
}};

std::string answerBoxesFit(const frmTarnivo& p) {
    if (!p.fraAnswer.visible()) return {};
    const int form = p.selectedAnswerForm();
    if (form < 0) return "no answer shape is chosen";
    const auto& expected = BoxesShown[static_cast<std::size_t>(form)];
    for (std::size_t box = 0; box < expected.size(); ++box) {
        if (p.txtAnswer[box].visible() != expected[box])
            return p.txtAnswer[box].fullName() + (expected[box] ? " is hidden" : " is shown") + " under answer shape " +
                   std::to_string(form);
    }
    return {};
}

std::string practiceRules(const frmTarnivo& p) {
    const auto counter = shownNumber(p.lblProbCount.caption());
    const auto right = shownNumber(p.lblRight.caption());
    const auto total = shownNumber(p.lblWrong.caption());
    if (!counter || *counter < 0 || *counter > tarnivo::ProblemLimit)
        return "the problem counter shows " + inQuotes(p.lblProbCount.caption());
    if (!right || !total)
        return "Right shows " + inQuotes(p.lblRight.caption()) + ", Total " + inQuotes(p.lblWrong.caption());
    if (*right > *total) return "Right " + std::to_string(*right) + " is more than Total " + std::to_string(*total);

    const Look look = lookOf(p);
    const StateRow* row = nullptr;
    for (const StateRow& candidate : StateTable) {
        if (candidate.look == look) row = &candidate;
    }
    if (row == nullptr) return "the practice window is in none of its states: " + describe(look);
    if (std::string misfit = scoreFits(row->state, row->name, *counter, *right); !misfit.empty()) return misfit;
    return answerBoxesFit(p);
}

std::string focusRule() {
    for (const tk::Window* window : shownWindows()) {
        const tk::Control* focused = window->focusedControl();
        if (focused != nullptr && (!focused->shownOnScreen() || !focused->usable()))
            return "the focus is on " + focused->fullName() + ", which is " +
                   (focused->shownOnScreen() ? "disabled" : "hidden");
    }
    return {};
}

}  // namespace

std::optional<int> shownNumber(std::string_view caption) {
    const auto first = caption.find_first_not_of(' ');
    const auto last = caption.find_last_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view digits = caption.substr(first, last - first + 1);
    constexpr std::size_t MostDigits = 6;
    if (digits.size() > MostDigits) return std::nullopt;
    int value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') return std::nullopt;
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::string brokenInvariant() {
    const auto* practice = tk::FormsProbe::find<frmTarnivo>();
    if (practice == nullptr || !practice->visible()) return "the practice window is gone while the program runs";
    if (const auto* signIn = tk::FormsProbe::find<frmSignIn>()) {
        if (!signIn->visible()) return "the sign-in window is loaded but not on the screen";
        if (practice->enabled()) return "the practice window takes input while the sign-in window is up";
        if (std::string broken = signInRules(*signIn, *practice); !broken.empty()) return broken;
    } else if (!practice->enabled()) {
        return "the practice window stays disabled after sign-in";
    }
    if (std::string broken = practiceRules(*practice); !broken.empty()) return broken;
    return focusRule();
}

}  // namespace monkey
