// SPDX-License-Identifier: MIT
#include "app/runtime/random_source.h"

namespace tarnivo {

float RandomSource::next() {
    constexpr std::uint32_t multiplier = 0x43FD43FD;
    constexpr std::uint32_t increment = 0xC39EC3;
    constexpr std::uint32_t mask = 0xFFFFFF;
    state_ = (state_ * multiplier + increment) & mask;
    return static_cast<float>(state_) / 16777216.0F;
}

}  // namespace tarnivo
