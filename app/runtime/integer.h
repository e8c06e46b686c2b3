// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <cstdint>

namespace tarnivo {

// Raise the overflow and division errors; kept out of line so checked arithmetic inlines.
[[noreturn]] void throwIntegerOverflow(long long value);
[[noreturn]] void throwIntegerOverflow();
[[noreturn]] void throwDivisionByZero();

// Signed 16-bit whole number whose every operation is checked: a result outside
// -32768..32767 throws OverflowError instead of wrapping.
class Integer {
public:
    constexpr Integer() = default;
    // Implicit from int so that literals read naturally; out-of-range values throw.
    Integer(int value) {  // NOLINT(google-explicit-constructor)
        if (value < -32768 || value > 32767) [[unlikely]]
            throwIntegerOverflow(value);
        value_ = static_cast<std::int16_t>(value);
    }

    // Nearest whole number (ties to even), checked; NaN and infinities overflow.
    static Integer round(double value);

    [[nodiscard]] constexpr std::int16_t value() const noexcept { return value_; }
    constexpr explicit operator int() const noexcept { return value_; }

    friend Integer operator+(Integer a, Integer b) {
        const bool overflowed = __builtin_add_overflow(a.value_, b.value_, &a.value_);
        return fromChecked(overflowed, a);
    }
    friend Integer operator-(Integer a, Integer b) {
        const bool overflowed = __builtin_sub_overflow(a.value_, b.value_, &a.value_);
        return fromChecked(overflowed, a);
    }
    friend Integer operator*(Integer a, Integer b) {
        const bool overflowed = __builtin_mul_overflow(a.value_, b.value_, &a.value_);
        return fromChecked(overflowed, a);
    }
    Integer& operator+=(Integer other) { return *this = *this + other; }
    Integer& operator-=(Integer other) { return *this = *this - other; }
    Integer& operator*=(Integer other) { return *this = *this * other; }
    Integer& operator++() { return *this += 1; }

    friend constexpr bool operator==(Integer a, Integer b) noexcept { return a.value_ == b.value_; }
    friend constexpr auto operator<=>(Integer a, Integer b) noexcept { return a.value_ <=> b.value_; }

    // Truncating division and remainder with the sign of the dividend.
    [[nodiscard]] Integer div(Integer divisor) const {
        if (divisor.value_ == 0) [[unlikely]]
            throwDivisionByZero();
        return Integer(value_ / divisor.value_);  // -32768 / -1 is caught by the constructor
    }
    [[nodiscard]] Integer mod(Integer divisor) const {
        if (divisor.value_ == 0) [[unlikely]]
            throwDivisionByZero();
        return Integer(value_ % divisor.value_);
    }

private:
    static Integer fromChecked(bool overflowed, Integer result) {
        if (overflowed) [[unlikely]]
            throwIntegerOverflow();
        return result;
    }

    std::int16_t value_ = 0;
};

}  // namespace tarnivo
