// SPDX-License-Identifier: MIT
#include "app/toolkit/dispatch.h"

#include <QMessageBox>
#include <exception>

#include "app/runtime/errors.h"
#include "app/toolkit/forms.h"

namespace tarnivo::tk {

namespace {
ErrorReporter& reporter() {
    static ErrorReporter instance = [](const std::string& title, const std::string& message) {
        QMessageBox::critical(
            nullptr, QString::fromStdString("Tarnivo: " + title),
            QString::fromStdString("Tarnivo has met an error it cannot recover from and will close.\n\n" + title +
                                   ": " + message));
    };
    return instance;
}

void fail(const std::string& title, const std::string& message) noexcept {
    try {
        reporter()(title, message);
    } catch (...) {
        // Reporting must not stop the program from ending.
    }
    Forms::end(1);
}
}  // namespace

void setErrorReporter(ErrorReporter reporter_) { reporter() = std::move(reporter_); }

void dispatch(const std::function<void()>& handler) noexcept {
    if (Forms::ended()) return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        fail(error.kind(), error.what());
    } catch (const std::exception& error) {
        fail("Unexpected error", error.what());
    } catch (...) {
        fail("Unexpected error", "an unknown failure");
    }
}

}  // namespace tarnivo::tk
