// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace tarnivo {

// A run-time error ends the program through the one error boundary of the toolkit.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // Short title of the kind of error, shown as the heading of the message.
    [[nodiscard]] virtual const char* kind() const noexcept = 0;
};

class OverflowError : public RuntimeError {
public:
    explicit OverflowError(const std::string& what = "a whole number went outside -32768..32767")
        : RuntimeError(what) {}
    [[nodiscard]] const char* kind() const noexcept override { return "Overflow"; }
};

class SubscriptError : public RuntimeError {
public:
    explicit SubscriptError(const std::string& what = "an index is outside the bounds of its table")
        : RuntimeError(what) {}
    [[nodiscard]] const char* kind() const noexcept override { return "Subscript out of range"; }
};

class FloatingPointError : public RuntimeError {
public:
    explicit FloatingPointError(const std::string& what = "an invalid floating-point operation") : RuntimeError(what) {}
    [[nodiscard]] const char* kind() const noexcept override { return "Floating-point error"; }
};

class ControlError : public RuntimeError {
public:
    explicit ControlError(const std::string& what) : RuntimeError(what) {}
    [[nodiscard]] const char* kind() const noexcept override { return "Invalid control operation"; }
};

}  // namespace tarnivo
