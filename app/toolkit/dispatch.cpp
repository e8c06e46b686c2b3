// SPDX-License-Identifier: MIT
#include "app/toolkit/dispatch.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

#include "app/runtime/errors.h"

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
