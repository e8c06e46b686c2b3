// SPDX-License-Identifier: MIT
#include "app/runtime/integer.h"

#include <cmath>
#include <limits>
#include <string>

#include "app/runtime/errors.h"

namespace tarnivo {

namespace {
// The builtin's flag must be read before its result, so both are taken in one place.
template <class Op>
std::int16_t checked(Op op) {
    std::int16_t result = 0;
    if (op(&result)) throw OverflowError();
    return result;
}
}  // namespace

Integer::Integer(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw OverflowError("the value " + std::to_string(value) + " does not fit a whole number of -32768..32767");
    value_ = static_cast<std::int16_t>(value);
}

Integer Integer::round(double value) {
    if (!std::isfinite(value)) throw OverflowError("a value that is not a finite number cannot become a whole number");
    const double nearest = std::nearbyint(value);
    if (nearest < -32768.0 || nearest > 32767.0) throw OverflowError();
    return Integer(static_cast<int>(nearest));
}

Integer operator+(Integer a, Integer b) {
    Integer out;
    out.value_ = checked([&](std::int16_t* r) { return __builtin_add_overflow(a.value_, b.value_, r); });
    return out;
}

Integer operator-(Integer a, Integer b) {
    Integer out;
    out.value_ = checked([&](std::int16_t* r) { return __builtin_sub_overflow(a.value_, b.value_, r); });
    return out;
}

Integer operator*(Integer a, Integer b) {
    Integer out;
    out.value_ = checked([&](std::int16_t* r) { return __builtin_mul_overflow(a.value_, b.value_, r); });
    return out;
}

Integer Integer::div(Integer divisor) const {
    if (divisor.value_ == 0) throw FloatingPointError("division by zero");
    return Integer(value_ / divisor.value_);  // -32768 / -1 is caught by the constructor
}

Integer Integer::mod(Integer divisor) const {
    if (divisor.value_ == 0) throw FloatingPointError("division by zero");
    return Integer(value_ % divisor.value_);
}

}  // namespace tarnivo
