// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "app/runtime/errors.h"

namespace tarnivo {

// Signed 16-bit whole number whose every operation is checked: a result outside
// -32768..32767 throws OverflowError instead of wrapping.
class Integer {
public:
    constexpr Integer() = default;
    // Implicit from int so that literals read naturally; out-of-range values throw.
    Integer(int value) {  // NOLINT(google-explicit-constructor)
        if (value < -32768 || value > 32767)
            throw OverflowError("the value " + std::to_string(value) + " does not fit a whole number of -32768..32767");
        value_ = static_cast<std::int16_t>(value);
    }

    // Nearest whole number (ties to even), checked; NaN and infinities overflow.
    static Integer round(double value);

    [[nodiscard]] constexpr std::int16_t value() const noexcept { return value_; }
    constexpr explicit operator int() const noexcept { return value_; }

    friend Integer operator+(Integer a, Integer b) {
        if (__builtin_add_overflow(a.value_, b.value_, &a.value_)) throw OverflowError();
        return a;
    }
    friend Integer operator-(Integer a, Integer b) {
        if (__builtin_sub_overflow(a.value_, b.value_, &a.value_)) throw OverflowError();
        return a;
    }
    friend Integer operator*(Integer a, Integer b) {
        if (__builtin_mul_overflow(a.value_, b.value_, &a.value_)) throw OverflowError();
        return a;
    }
    Integer& operator+=(Integer other) { return *this = *this + other; }
    Integer& operator-=(Integer other) { return *this = *this - other; }
    Integer& operator*=(Integer other) { return *this = *this * other; }
    Integer& operator++() { return *this += 1; }

    friend constexpr bool operator==(Integer a, Integer b) noexcept { return a.value_ == b.value_; }
    friend constexpr auto operator<=>(Integer a, Integer b) noexcept { return a.value_ <=> b.value_; }

    // Truncating division and remainder with the sign of the dividend.
    [[nodiscard]] Integer div(Integer divisor) const {
        if (divisor.value_ == 0) throw FloatingPointError("division by zero");
        return Integer(value_ / divisor.value_);  // -32768 / -1 is caught by the constructor
    }
    [[nodiscard]] Integer mod(Integer divisor) const {
        if (divisor.value_ == 0) throw FloatingPointError("division by zero");
        return Integer(value_ % divisor.value_);
    }

private:
    std::int16_t value_ = 0;
};

}  // namespace tarnivo
