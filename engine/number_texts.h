// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnivo {

// The texts of the numbers a problem shows, made once with the run-time conversions.
// Every term and key number is 2^i·3^j·5^k with i, j, k at most 3; formatting those
// 64 numbers again for every problem would cost more than all of its arithmetic.
// Any other number is converted on the spot, so the result never depends on the cache.
class NumberTexts {
public:
    static const NumberTexts& instance();

    // As plainText: "12".
    [[nodiscard]] std::string plain(std::int32_t value) const;
    // As signText, then trimmed: "12" (the key texts answers are marked against).
    [[nodiscard]] std::string trimmedSign(std::int32_t value) const;

private:
    NumberTexts();

    struct Slot {
        std::int32_t value = 0;  // 0 is never cached, so it marks a free slot
        std::string plain;
        std::string trimmedSign;
    };
    // The 64 cached numbers fall into different slots modulo 79.
    static constexpr std::size_t slotCount = 79;

    [[nodiscard]] const Slot* find(std::int32_t value) const noexcept;

    std::array<Slot, slotCount> slots_;
};

}  // namespace tarnivo
