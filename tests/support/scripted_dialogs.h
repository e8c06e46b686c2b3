// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "app/toolkit/dialogs.h"

namespace tarnivo::testing {

// Answers the toolkit's questions as a test tells it to and remembers what was asked.
// It stands in for the real dialogs from construction until it is destroyed.
class ScriptedDialogs final : public tk::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Whether the user takes the offer of a PDF file instead of a printed page.
    bool takeOffer = true;
    // The file the user picks; empty: the user cancels the file dialog.
    QString chosenPath;
    // When set, the user keeps the suggested file name and picks this folder for it.
    QString chosenFolder;

    // When set, the user tries again after a file could not be written, and picks this file.
    QString pathOnAnotherTry;

    QStringList reasons;
    QStringList suggestedPaths;
    QStringList failures;
    // What the user was told without being asked anything: which printer took the page.
    QStringList told;

    // How many questions of any kind were asked (what the user was told is not counted).
    [[nodiscard]] int asked() const;

    bool offerPdfInstead(QWidget* parent, const QString& reason) override;
    QString askPdfPath(QWidget* parent, const QString& suggestedPath) override;
    bool offerAnotherTry(QWidget* parent, const QString& message) override;
    void tellPrinted(QWidget* parent, const QString& message) override;
};

}  // namespace tarnivo::testing
