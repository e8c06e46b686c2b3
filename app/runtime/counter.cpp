// SPDX-License-Identifier: MIT
#include "app/runtime/counter.h"

namespace tarnivo {

double Counter::value() const noexcept {
    if (const auto* whole = std::get_if<Integer>(&value_)) return whole->value();
    if (const auto* real = std::get_if<double>(&value_)) return *real;
    return 0.0;
}

Counter& Counter::increment() {
    if (isEmpty()) {
        value_ = Integer(1);
    } else if (const auto* whole = std::get_if<Integer>(&value_)) {
        if (whole->value() < 32767)
            value_ = *whole + 1;
        else
            value_ = static_cast<double>(whole->value()) + 1.0;
    } else {
        value_ = std::get<double>(value_) + 1.0;
    }
    return *this;
}

}  // namespace tarnivo
