// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace tarnivo::tk {

// The one error boundary: runs an event handler that the toolkit raised on behalf of
// the user or a timer. A run-time error escaping the handler is reported once and ends
// the program with exit status 1. No exception ever reaches Qt's event loop.
void dispatch(const std::function<void()>& handler) noexcept;

// Where a fatal error is reported; by default a message box. Tests install their own.
using ErrorReporter = std::function<void(const std::string& title, const std::string& message)>;
void setErrorReporter(ErrorReporter reporter);

// How the boundary learns that the program has ended and ends it after a fatal error. The
// window slots put theirs in place when they first hold a window; until then a fatal error
// only leaves the event loop.
struct ProgramEnd {
    std::function<bool()> ended;
    std::function<void(int exitCode)> end;
};
void setProgramEnd(ProgramEnd programEnd);

}  // namespace tarnivo::tk
