// SPDX-License-Identifier: MIT
#include "engine/number_texts.h"

namespace tarnivo {

namespace {

template <class Visit>
constexpr void forEachCachedNumber(Visit visit) {
    for (std::int32_t two = 1; two <= 8; two *= 2)
        for (std::int32_t three = 1; three <= 27; three *= 3)
            for (std::int32_t five = 1; five <= 125; five *= 5) visit(two * three * five);
}

template <std::size_t SlotCount>
constexpr bool eachNumberHasItsOwnSlot() {
    std::array<bool, SlotCount> taken{};
    bool distinct = true;
    forEachCachedNumber([&](std::int32_t value) {
        bool& slot = taken[static_cast<std::size_t>(value) % SlotCount];
        distinct = distinct && !slot;
        slot = true;
    });
    return distinct;
}

}  // namespace

NumberTexts::NumberTexts() {
    static_assert(eachNumberHasItsOwnSlot<slotCount>());
    forEachCachedNumber([this](std::int32_t value) {
        Slot& slot = slots_[static_cast<std::size_t>(value) % slotCount];
        slot.value = value;
        slot.plain = plainText(value);
        slot.trimmedSign = trim(signText(value));
    });
}

const NumberTexts& NumberTexts::instance() {
    static const NumberTexts texts;
    return texts;
}

}  // namespace tarnivo
