// SPDX-License-Identifier: MIT
#include "app/toolkit/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tarnivo::tk {

namespace {

const QString PrintTitle = QStringLiteral("Print");

class DesktopDialogs final : public Dialogs {
public:
    bool offerPdfInstead(QWidget* parent, const QString& reason) override {
        QMessageBox box(QMessageBox::Warning, PrintTitle, reason, QMessageBox::NoButton, parent);
        box.setInformativeText(QStringLiteral("The window was not printed. You can save the same page as a PDF file."));
        QPushButton* save = box.addButton(QStringLiteral("Save as PDF\u2026"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        box.exec();
        return box.clickedButton() == save;
    }

    QString askPdfPath(QWidget* parent, const QString& suggestedPath) override {
        QFileDialog dialog(parent, QStringLiteral("Save as PDF"), suggestedPath, QStringLiteral("PDF files (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without ".pdf" still gets it, and the overwrite question sees the real name.
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(suggestedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }

    void reportFailure(QWidget* parent, const QString& message) override {
        QMessageBox::warning(parent, PrintTitle, message);
    }
};

Dialogs*& replacementDialogs() {
    static Dialogs* replacement = nullptr;
    return replacement;
}

}  // namespace

Dialogs& dialogs() {
    static DesktopDialogs desktop;
    Dialogs* replacement = replacementDialogs();
    return replacement != nullptr ? *replacement : desktop;
}

void setDialogsForTesting(Dialogs* replacement) { replacementDialogs() = replacement; }

}  // namespace tarnivo::tk
