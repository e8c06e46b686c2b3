// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarnivo::testing {

// Does to the next modal dialog what a user would, once it is up; with `kind`, to the next
// modal dialog of that class (such as "QFileDialog").
void whenModalDialogOpens(const std::function<void(QWidget*)>& answer, const char* kind = nullptr);

// Clicks the dialog's push button with this text (access-key marks aside); a test failure
// and a closed dialog when there is none.
void clickButton(QWidget* dialog, const QString& text);

}  // namespace tarnivo::testing
