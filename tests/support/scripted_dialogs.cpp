// SPDX-License-Identifier: MIT
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace tarnivo::testing {

ScriptedDialogs::ScriptedDialogs() { tk::setDialogsForTesting(this); }

ScriptedDialogs::~ScriptedDialogs() { tk::setDialogsForTesting(nullptr); }

int ScriptedDialogs::asked() const {
    return static_cast<int>(reasons.size() + suggestedPaths.size() + failures.size());
}

bool ScriptedDialogs::offerPdfInstead(QWidget* /*parent*/, const QString& reason) {
    reasons << reason;
    return takeOffer;
}

QString ScriptedDialogs::askPdfPath(QWidget* /*parent*/, const QString& suggestedPath) {
    suggestedPaths << suggestedPath;
    if (!chosenFolder.isEmpty()) return QDir(chosenFolder).filePath(QFileInfo(suggestedPath).fileName());
    return chosenPath;
}

bool ScriptedDialogs::offerAnotherTry(QWidget* /*parent*/, const QString& message) {
    failures << message;
    if (pathOnAnotherTry.isEmpty()) return false;
    chosenPath = pathOnAnotherTry;
    pathOnAnotherTry.clear();
    return true;
}

void ScriptedDialogs::tellPrinted(QWidget* /*parent*/, const QString& message) { told << message; }

}  // namespace tarnivo::testing
