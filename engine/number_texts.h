// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/runtime/text.h"

namespace tarnivo {

// The texts of the numbers a problem shows, made once with the run-time conversions.
// Every term and key number is 2^i·3^j·5^k with i, j, k at most 3; formatting those
// 64 numbers again for every problem would cost more than all of its arithmetic.
// Any other number is converted on the spot, so the result never depends on the cache.
class NumberTexts {
public:
    static const NumberTexts& instance();

    // out = plainText(value): "12".
    void copyPlain(std::int32_t value, std::string& out) const {
        if (const Slot* slot = find(value))
            out.assign(slot->plain);
        else
            out = plainText(value);
    }

    // out = signText(value), trimmed: "12", as the key texts answers are marked against.
    void copyTrimmedSign(std::int32_t value, std::string& out) const {
        if (const Slot* slot = find(value))
            out.assign(slot->trimmedSign);
        else
            out = trim(signText(value));
    }

private:
    NumberTexts();

    struct Slot {
        std::int32_t value = 0;  // 0 is never cached, so it marks a free slot
        std::string plain;
        std::string trimmedSign;
    };
    // The 64 cached numbers fall into different slots modulo 79.
    static constexpr std::size_t slotCount = 79;

    [[nodiscard]] const Slot* find(std::int32_t value) const noexcept {
        if (value <= 0) return nullptr;
        const Slot& slot = slots_[static_cast<std::size_t>(value) % slotCount];
        return slot.value == value ? &slot : nullptr;
    }

    std::array<Slot, slotCount> slots_;
};

}  // namespace tarnivo
