// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace tarnivo::tk {

// The questions the toolkit asks the user on its own account, such as what to do when
// printing fails. The real ones are modal message boxes and file dialogs; tests put
// their own answers in place with setDialogsForTesting.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    // Says why the window was not printed and offers to save the page as a PDF file
    // instead. True when the user takes the offer.
    virtual bool offerPdfInstead(QWidget* parent, const QString& reason) = 0;
    // Asks where to save the PDF file, starting from suggestedPath. Empty when cancelled.
    virtual QString askPdfPath(QWidget* parent, const QString& suggestedPath) = 0;
    // Tells the user that the page was printed and on which printer (one message a print;
    // a message box, which a screen reader reads out by itself).
    virtual void tellPrinted(QWidget* parent, const QString& message) = 0;
    // Tells the user that the file could not be written and why; true when the user
    // wants to try again, in another folder or under another name.
    virtual bool offerAnotherTry(QWidget* parent, const QString& message) = 0;
};

// The dialogs in use: the real ones unless a test has put its own in place.
Dialogs& dialogs();
// Puts a test's dialogs in place of the real ones; nullptr brings the real ones back.
// The caller keeps ownership.
void setDialogsForTesting(Dialogs* replacement);

}  // namespace tarnivo::tk
