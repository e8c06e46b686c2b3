// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "app/toolkit/dialogs.h"

namespace monkey {

// Stands in for the print dialogs during a walk: every offer to save a PDF instead is
// answered Cancel, so no modal dialog stops the walk. Counts what it was asked.
class CancellingDialogs final : public tarnivo::tk::Dialogs {
public:
    bool offerPdfInstead(QWidget* /*parent*/, const QString& /*reason*/) override {
        ++offers;
        return false;
    }
    QString askPdfPath(QWidget* /*parent*/, const QString& /*suggestedPath*/) override {
        ++pathQuestions;
        return {};
    }
    void reportFailure(QWidget* /*parent*/, const QString& /*message*/) override { ++failures; }

    int offers = 0;
    int pathQuestions = 0;
    int failures = 0;
};

}  // namespace monkey
