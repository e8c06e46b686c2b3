// SPDX-License-Identifier: MIT
#include "app/runtime/integer.h"

#include <cmath>

namespace tarnivo {

Integer Integer::round(double value) {
    if (!std::isfinite(value)) throw OverflowError("a value that is not a finite number cannot become a whole number");
    const double nearest = std::nearbyint(value);
    if (nearest < -32768.0 || nearest > 32767.0) throw OverflowError();
    return Integer(static_cast<int>(nearest));
}

}  // namespace tarnivo
