// SPDX-License-Identifier: MIT
#include "app/toolkit/dispatch.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

#include "app/runtime/errors.h"

namespace tarnivo::tk {

namespace {
// The kinds of run-time error as the message box names them; the details stay in English,
// for whoever is asked to look into the failure.
[[maybe_unused]] const char* const ErrorKinds[] = {
    QT_TRANSLATE_NOOP("Errors", "Overflow"),
    QT_TRANSLATE_NOOP("Errors", "Subscript out of range"),
    QT_TRANSLATE_NOOP("Errors", "Floating-point error"),
    QT_TRANSLATE_NOOP("Errors", "Invalid control operation"),
    QT_TRANSLATE_NOOP("Errors", "Unexpected error"),
};

ErrorReporter& reporter() {
    static ErrorReporter instance = [](const std::string& title, const std::string& message) {
        const QString kind = QCoreApplication::translate("Errors", title.c_str());
        QMessageBox::critical(
            nullptr, QStringLiteral("Tarnivo: ") + kind,
            QCoreApplication::translate("Errors", "Tarnivo has met an error it cannot recover from and will close.") +
                QStringLiteral("\n\n") + kind + QStringLiteral(": ") + QString::fromStdString(message));
    };
    return instance;
}

ProgramEnd& programEnd() {
    static ProgramEnd instance{[] { return false; }, [](int exitCode) { QCoreApplication::exit(exitCode); }};
    return instance;
}

void fail(const std::string& title, const std::string& message) noexcept {
    try {
        reporter()(title, message);
    } catch (...) {
        // Reporting must not stop the program from ending.
    }
    programEnd().end(1);
}
}  // namespace

void setErrorReporter(ErrorReporter reporter_) { reporter() = std::move(reporter_); }

void setProgramEnd(ProgramEnd programEnd_) { programEnd() = std::move(programEnd_); }

void dispatch(const std::function<void()>& handler) noexcept {
    if (programEnd().ended()) return;
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
