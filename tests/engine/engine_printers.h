// SPDX-License-Identifier: MIT
// Readable failure messages for the engine's values.
#pragma once

#include <ostream>

#include "app/runtime/integer.h"
#include "engine/tables.h"

namespace tarnivo {

inline void PrintTo(const Integer& value, std::ostream* out) { *out << value.value(); }

inline void PrintTo(const AnswerKey& key, std::ostream* out) {
    *out << key.coefficient.value() << "·√" << key.radicand.value() << "/" << key.denominator.value();
}

}  // namespace tarnivo
