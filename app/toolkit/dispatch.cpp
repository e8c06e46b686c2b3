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
    //: The kind of error in the message shown before the program closes: a whole number too
    //: large for the program (a technical term, as a programmer says it).
    QT_TRANSLATE_NOOP("Errors", "Overflow"),
    //: Kind of error: a program table was read at a place it does not have.
    QT_TRANSLATE_NOOP("Errors", "Subscript out of range"),
    //: Kind of error: a calculation with decimal numbers failed.
    QT_TRANSLATE_NOOP("Errors", "Floating-point error"),
    //: Kind of error: a button, box or label of a window was asked to do what it cannot.
    QT_TRANSLATE_NOOP("Errors", "Invalid control operation"),
    //: Kind of error: any other failure.
    QT_TRANSLATE_NOOP("Errors", "Unexpected error"),
};

// Whole messages, so that each language orders and spaces the kind and the details itself.
ErrorReporter& reporter() {
    static ErrorReporter instance = [](const std::string& title, const std::string& message) {
        const QString kind = QCoreApplication::translate("Errors", title.c_str());
        //: Title of the message box about an error the program cannot recover from; %1 is the
        //: kind of error ("Overflow").
        const QString caption = QCoreApplication::translate("Errors", "Tarnivo: %1").arg(kind);
        //: The last line of that message: %1 is the kind of error, %2 the technical details,
        //: which stay in English.
        const QString details =
            QCoreApplication::translate("Errors", "%1: %2").arg(kind, QString::fromStdString(message));
        QMessageBox::critical(
            nullptr, caption,
            QCoreApplication::translate("Errors", "Tarnivo has met an error it cannot recover from and will close.") +
                QStringLiteral("\n\n") + details);
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
