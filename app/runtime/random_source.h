// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarnivo {

// The run time's pseudo-random sequence: a 24-bit linear congruential generator that is
// never seeded, so every start of the program draws the same values. Tests derive from
// it to feed chosen values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Next value in [0, 1); every value is exact in a float.
    virtual float next();

private:
    std::uint32_t state_ = 0x50000;
};

}  // namespace tarnivo
