// SPDX-License-Identifier: MIT
#include "app/toolkit/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace tarnivo::tk {

namespace {

//: Title of the message boxes about printing the record.
QString printTitle() { return QCoreApplication::translate("Print", "Print"); }

class DesktopDialogs final : public Dialogs {
public:
    bool offerPdfInstead(QWidget* parent, const QString& reason) override {
        QMessageBox box(QMessageBox::Warning, printTitle(), reason, QMessageBox::NoButton, parent);
        box.setInformativeText(QCoreApplication::translate(
            "Print", "The window was not printed. You can save the same page as a PDF file."));
        //: Button of that message: opens a file dialog to save the page as a PDF file instead.
        QPushButton* save =
            box.addButton(QCoreApplication::translate("Print", "Save as PDF…"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        box.exec();
        return box.clickedButton() == save;
    }

    QString askPdfPath(QWidget* parent, const QString& suggestedPath) override {
        keepNoSettings();
        QFileDialog dialog(parent,
                           //: Title of the file dialog that saves the page as a PDF file.
                           QCoreApplication::translate("Print", "Save as PDF"), suggestedPath,
                           //: The file type offered in that dialog; keep "(*.pdf)".
                           QCoreApplication::translate("Print", "PDF files (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without ".pdf" still gets it, and the overwrite question sees the real name.
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(suggestedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }

    void tellPrinted(QWidget* parent, const QString& message) override {
        QMessageBox box(QMessageBox::Information, printTitle(), message, QMessageBox::Ok, parent);
        box.exec();
    }

    bool offerAnotherTry(QWidget* parent, const QString& message) override {
        QMessageBox box(QMessageBox::Warning, printTitle(), message, QMessageBox::NoButton, parent);
        //: Button of the message that a PDF file could not be written: opens the file dialog again,
        //: to save under another name or in another folder.
        QPushButton* again = box.addButton(QCoreApplication::translate("Print", "Try Again…"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(again);
        box.exec();
        return box.clickedButton() == again;
    }

private:
    // The program keeps no settings, but Qt's file dialog writes the last folder it visited
    // into the user's configuration (and makes the folders for it, even a missing home),
    // where the next student on a shared computer would find it. Its settings are pointed
    // at a place where no folder can be made, so they are never written.
    static void keepNoSettings() {
        static const bool done = [] {
            for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
                QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
            }
            return true;
        }();
        (void)done;
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
