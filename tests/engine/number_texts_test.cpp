// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/runtime/text.h"
#include "engine/number_texts.h"

using namespace tarnivo;

TEST(NumberTexts, CachedOrNotTheTextsAreTheRunTimeConversions) {
    std::vector<std::int32_t> values{0, -1, -30, 7, 11, 49, 901, 1000, 27001, 32767, 100000};
    for (std::int32_t two = 1; two <= 16; two *= 2)
        for (std::int32_t three = 1; three <= 81; three *= 3)
            for (std::int32_t five = 1; five <= 625; five *= 5) values.push_back(two * three * five);

    const NumberTexts& texts = NumberTexts::instance();
    std::string plain = "left over";
    std::string key = "left over";
    for (const std::int32_t value : values) {
        texts.copyPlain(value, plain);
        texts.copyTrimmedSign(value, key);
        EXPECT_EQ(plain, plainText(value)) << value;
        EXPECT_EQ(key, trim(signText(value))) << value;
    }
}
