// SPDX-License-Identifier: MIT
// The walk's checks are only worth something if they see a broken rule: each case
// breaks one behind the program's back and expects to hear about it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "tests/monkey/program_invariants.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace monkey {
namespace {

using tarnivo::frmSignIn;
using tarnivo::frmTarnivo;
namespace tk = tarnivo::tk;

struct Breach {
    const char* rule;
    bool signedIn;  // signed in and Start pressed, or still at the sign-in window
    std::function<void(frmSignIn*, frmTarnivo&)> breakIt;
    const char* reported;
};

TEST(ProgramInvariants, EachBreachIsReported) {
    tarnivo::testing::ensureApplication();
    const Breach cases[] = {
        {"OK rule", false, [](frmSignIn* s, frmTarnivo&) { s->cmdOk.setEnabled(true); }, "OK is enabled"},
        {"copy rule", false,
         [](frmSignIn* s, frmTarnivo& p) {
             s->txtName.setText("Lovelace, Ada");
             p.lblName.setCaption("Hopper");
         },
         "lblName shows \"Hopper\""},
        {"practice window waits for sign-in", false, [](frmSignIn*, frmTarnivo& p) { p.setEnabled(true); },
         "takes input while the sign-in window is up"},
        {"Right within Total", true, [](frmSignIn*, frmTarnivo& p) { p.lblRight.setCaption(" 3"); },
         "Right 3 is more than Total 0"},
        {"problem counter", true, [](frmSignIn*, frmTarnivo& p) { p.lblProbCount.setCaption("21"); },
         "problem counter shows \"21\""},
        {"window states", true, [](frmSignIn*, frmTarnivo& p) { p.cmdNew.setEnabled(true); }, "none of its states"},
        {"score fits the state", true,
         [](frmSignIn*, frmTarnivo& p) {
             p.lblWrong.setCaption(" 4");
             p.lblRight.setCaption(" 2");
         },
         "in state Problem open the problem counter shows 1 and Right 2"},
        {"answer boxes of the shape", true, [](frmSignIn*, frmTarnivo& p) { p.txtAnswer[2].setVisible(false); },
         "txtAnswer(2) is hidden under answer shape 0"},
        {"practice window gone", true, [](frmSignIn*, frmTarnivo& p) { p.setVisible(false); },
         "the practice window is gone"},
    };
    for (const Breach& c : cases) {
        SCOPED_TRACE(c.rule);
        tarnivo::testing::resetProgram();
        tk::dispatch([] { tarnivo::showStartupWindow(); });
        auto* signIn = tk::FormsProbe::find<frmSignIn>();
        auto* practice = tk::FormsProbe::find<frmTarnivo>();
        ASSERT_NE(practice, nullptr);
        if (c.signedIn) {
            signIn->txtPeriod.setText(std::string(frmSignIn::PeriodBypassCode));
            signIn->cmdOk.press();
            practice->cmdStart.press();
            signIn = nullptr;
        }
        tarnivo::testing::settle();
        ASSERT_EQ(brokenInvariant(), "");
        c.breakIt(signIn, *practice);
        const std::string reported = brokenInvariant();
        EXPECT_NE(reported.find(c.reported), std::string::npos) << reported;
    }
    EXPECT_TRUE(tarnivo::testing::reportedErrors().empty());
    tarnivo::testing::resetProgram();
}

TEST(ShownNumber, ReadsOnlyPlainWholeNumbers) {
    EXPECT_EQ(shownNumber("0"), 0);
    EXPECT_EQ(shownNumber(" 17"), 17);
    EXPECT_EQ(shownNumber("20 "), 20);
    EXPECT_EQ(shownNumber(""), std::nullopt);
    EXPECT_EQ(shownNumber("  "), std::nullopt);
    EXPECT_EQ(shownNumber("-1"), std::nullopt);
    EXPECT_EQ(shownNumber("7%"), std::nullopt);
    EXPECT_EQ(shownNumber("1 2"), std::nullopt);
    EXPECT_EQ(shownNumber("12345678"), std::nullopt);
}

}  // namespace
}  // namespace monkey
