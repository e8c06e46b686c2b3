// SPDX-License-Identifier: MIT
#include "app/toolkit/dialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>
#include <utility>

#include "app/toolkit/forms.h"
#include "tests/support/modal_answers.h"
#include "tests/support/test_app.h"
#include "tests/toolkit/print_test_window.h"

namespace tarnivo {
namespace {

using testing::clickButton;
using testing::whenModalDialogOpens;

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::ensureApplication();
        ASSERT_TRUE(output.isValid());
    }
    void TearDown() override { testing::resetProgram(); }

    QTemporaryDir output;
};

TEST_F(DialogsTest, DesktopDialogsAskTheUserForReal) {
    auto& window = tk::Forms::get<testing::PrintTestWindow>();
    window.show();
    QWidget* parent = window.surface();
    const QString reason = QStringLiteral("No default printer is set up on this computer.");

    for (const auto& [button, saves] :
         {std::pair{QStringLiteral("Save as PDF\u2026"), true}, std::pair{QStringLiteral("Cancel"), false}}) {
        SCOPED_TRACE(button.toStdString());
        QString shown;
        whenModalDialogOpens([&, button = button](QWidget* dialog) {
            shown = static_cast<QMessageBox*>(dialog)->text();
            clickButton(dialog, button);
        });
        EXPECT_EQ(tk::dialogs().offerPdfInstead(parent, reason), saves);
        EXPECT_EQ(shown, reason);
    }

    // A name typed without its extension is saved as a PDF file all the same.
    whenModalDialogOpens([](QWidget* dialog) {
        auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (file == nullptr) {
            ADD_FAILURE() << "the file dialog has no file name box";
            dialog->close();
            return;
        }
        file->setText(QStringLiteral("typed"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(tk::dialogs().askPdfPath(parent, output.filePath(QStringLiteral("record.pdf"))),
              output.filePath(QStringLiteral("typed.pdf")));

    whenModalDialogOpens([](QWidget* dialog) { static_cast<QFileDialog*>(dialog)->reject(); });
    EXPECT_TRUE(tk::dialogs().askPdfPath(parent, output.filePath(QStringLiteral("record.pdf"))).isEmpty());
}

}  // namespace
}  // namespace tarnivo
