// SPDX-License-Identifier: MIT
#pragma once

#include <variant>

#include "app/runtime/integer.h"

namespace tarnivo {

// A loosely typed count: Empty until first used, then a whole number, and a floating
// value once it passes 32767 so that counting never overflows.
class Counter {
public:
    Counter() = default;
    explicit Counter(Integer value) : value_(value) {}

    [[nodiscard]] bool isEmpty() const noexcept { return std::holds_alternative<std::monostate>(value_); }
    // Empty counts as 0.
    [[nodiscard]] double value() const noexcept;

    // Adds one: Empty becomes the Integer 1; 32767 carries on as the Double 32768.
    Counter& increment();

    friend bool operator==(const Counter&, const Counter&) = default;

private:
    std::variant<std::monostate, Integer, double> value_;
};

}  // namespace tarnivo
