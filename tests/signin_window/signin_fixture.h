// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>

#include "app/toolkit/forms.h"
#include "app/toolkit/text_box.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace tarnivo::testing {

// Starts the program as main does: the sign-in window in front of the disabled practice window.
class SignInTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        showStartupWindow();
        signIn = tk::FormsProbe::find<frmSignIn>();
        practice = tk::FormsProbe::find<frmTarnivo>();
        ASSERT_NE(signIn, nullptr);
        ASSERT_NE(practice, nullptr);
    }
    void TearDown() override {
        EXPECT_TRUE(reportedErrors().empty()) << reportedErrors().front();
        resetProgram();
    }

    // Types as a user does, one key event per character, into the box itself.
    static void type(tk::TextBox& box, const QString& text) { QTest::keyClicks(widgetOf(box), text); }
    static void erase(tk::TextBox& box) {
        for (auto n = QString::fromStdString(box.text()).size(); n > 0; --n)
            QTest::keyClick(widgetOf(box), Qt::Key_Backspace);
    }
    void fillAll() {
        type(signIn->txtPeriod, "3");
        type(signIn->txtID, "4217");
        type(signIn->txtName, "Lovelace, Ada");
        type(signIn->txtTeacher, "Hopper");
    }

    frmSignIn* signIn = nullptr;
    frmTarnivo* practice = nullptr;
};

}  // namespace tarnivo::testing
