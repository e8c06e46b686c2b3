// SPDX-License-Identifier: MIT
#include "engine/number_texts.h"

#include <stdexcept>

#include "app/runtime/text.h"

namespace tarnivo {

NumberTexts::NumberTexts() {
    for (std::int32_t two = 1; two <= 8; two *= 2) {
        for (std::int32_t three = 1; three <= 27; three *= 3) {
            for (std::int32_t five = 1; five <= 125; five *= 5) {
                const std::int32_t value = two * three * five;
                Slot& slot = slots_[static_cast<std::size_t>(value) % slotCount];
                if (slot.value != 0) throw std::logic_error("two cached numbers share a slot");
                slot.value = value;
                slot.plain = plainText(value);
                slot.trimmedSign = trim(signText(value));
            }
        }
    }
}

const NumberTexts& NumberTexts::instance() {
    static const NumberTexts texts;
    return texts;
}

const NumberTexts::Slot* NumberTexts::find(std::int32_t value) const noexcept {
    if (value <= 0) return nullptr;
    const Slot& slot = slots_[static_cast<std::size_t>(value) % slotCount];
    return slot.value == value ? &slot : nullptr;
}

std::string NumberTexts::plain(std::int32_t value) const {
    const Slot* slot = find(value);
    return slot ? slot->plain : plainText(value);
}

std::string NumberTexts::trimmedSign(std::int32_t value) const {
    const Slot* slot = find(value);
    return slot ? slot->trimmedSign : trim(signText(value));
}

}  // namespace tarnivo
