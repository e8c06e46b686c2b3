// SPDX-License-Identifier: MIT
#include "app/toolkit/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <utility>

#include "app/toolkit/forms.h"
#include "tests/support/test_app.h"
#include "tests/toolkit/print_test_window.h"

namespace tarnivo {
namespace {

// Does to the next modal dialog what a user would, once it is up.
void whenModalDialogOpens(const std::function<void(QWidget*)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

void clickButton(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    dialog->close();
}

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
    QWidget* parent = window.topLevelWidget();
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
