// SPDX-License-Identifier: MIT
#include "tests/monkey/random_text.h"

#include <array>

namespace monkey {

namespace {

struct CharRange {
    char32_t first;
    char32_t last;
    int weight;
};

constexpr std::array<CharRange, 12> Ranges{{
    {U'0', U'9', 30},
    {U' ', U'~', 30},
    {0x00, 0x1F, 8},        // control characters, tab, line feed and carriage return among them
    {0x7F, 0x9F, 2},        // DEL and the C1 controls
    {0xA0, 0xFF, 6},        // Latin-1 letters and signs, the no-break space
    {0x0300, 0x036F, 3},    // combining marks
    {0x05D0, 0x05EA, 3},    // Hebrew, right to left
    {0x0627, 0x064A, 3},    // Arabic
    {0x4E00, 0x9FFF, 5},    // CJK ideographs
    {0x200B, 0x202E, 3},    // zero-width and direction marks, line and paragraph separators
    {0xFEFF, 0xFEFF, 1},    // byte order mark
    {0x1F300, 0x1FAFF, 6},  // emoji: surrogate pairs in UTF-16
}};

int pasteLength(std::mt19937& random) {
    const int size = std::uniform_int_distribution<int>(0, 99)(random);
    if (size < 70) return std::uniform_int_distribution<int>(0, 12)(random);
    if (size < 95) return std::uniform_int_distribution<int>(13, 2000)(random);
    return std::uniform_int_distribution<int>(2001, LongestPaste)(random);
}

}  // namespace

QString randomPasteText(std::mt19937& random) {
    std::array<int, Ranges.size()> weights{};
    for (std::size_t i = 0; i < Ranges.size(); ++i) weights[i] = Ranges[i].weight;
    std::discrete_distribution<std::size_t> pickRange(weights.begin(), weights.end());

    const int length = pasteLength(random);
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        const CharRange& range = Ranges[pickRange(random)];
        const auto code =
            static_cast<char32_t>(std::uniform_int_distribution<unsigned>(range.first, range.last)(random));
        if (code > 0xFFFF && text.size() + 1 >= length) continue;  // no half of a pair at the end
        text.append(QString::fromUcs4(&code, 1));
    }
    return text;
}

}  // namespace monkey
