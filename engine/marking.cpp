// SPDX-License-Identifier: MIT
#include "engine/marking.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

#include "app/runtime/text.h"

namespace tarnivo {

namespace {

// The code points of Unicode 15.1's categories Zs (spaces), Zl, Zp (line and paragraph
// separators), Cc (controls) and Cf (format characters, such as the zero-width space and
// the byte order mark), as ranges in order. None of them can be seen at the end of a box.
constexpr std::pair<char32_t, char32_t> InvisibleAtTheEdge[] = {
    {0x0000, 0x0020},   {0x007F, 0x00A0},   {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},
    {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x1680, 0x1680},
    {0x180E, 0x180E},   {0x2000, 0x200F},   {0x2028, 0x202F},   {0x205F, 0x2064},   {0x2066, 0x206F},
    {0x3000, 0x3000},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};

bool invisible(char32_t code) {
    const auto* range = std::upper_bound(std::begin(InvisibleAtTheEdge), std::end(InvisibleAtTheEdge), code,
                                         [](char32_t c, const auto& r) { return c < r.first; });
    return range != std::begin(InvisibleAtTheEdge) && code <= std::prev(range)->second;
}

// The code point whose encoding starts at `at` and how many bytes it takes; nothing for
// bytes that are not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<std::pair<char32_t, std::size_t>> decodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return std::pair{char32_t{lead}, std::size_t{1}};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2, code = lead & 0x1FU, least = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3, code = lead & 0x0FU, least = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4, code = lead & 0x07U, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) return std::nullopt;
        code = (code << 6U) | (byte(at + i) & 0x3FU);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    return std::pair{code, length};
}

}  // namespace

std::string MarkedText(std::string_view boxText) {
    std::size_t first = 0;
    while (first < boxText.size()) {
        const auto decoded = decodeAt(boxText, first);
        if (!decoded || !invisible(decoded->first)) break;
        first += decoded->second;
    }
    // From the end: step back over continuation bytes to the start of the last character.
    std::size_t end = boxText.size();
    while (end > first) {
        std::size_t start = end - 1;
        while (start > first && end - start < 4 && (static_cast<std::uint8_t>(boxText[start]) & 0xC0U) == 0x80U)
            --start;
        const auto decoded = decodeAt(boxText, start);
        if (!decoded || start + decoded->second != end || !invisible(decoded->first)) break;
        end = start;
    }
    return std::string(boxText.substr(first, end - first));
}

std::string VisibleText(std::string_view markedText) {
    std::string shown;
    shown.reserve(markedText.size());
    for (std::size_t at = 0; at < markedText.size();) {
        const auto decoded = decodeAt(markedText, at);
        const std::size_t length = decoded ? decoded->second : 1;
        if (decoded && decoded->first != U' ' && invisible(decoded->first)) {
            shown.append("\u2423");
        } else {
            shown.append(markedText.substr(at, length));
        }
        at += length;
    }
    return shown;
}

std::array<bool, 3> MarkAnswer(const std::array<std::string, 3>& boxTexts, const std::array<std::string, 3>& keyTexts) {
    std::array<bool, 3> verdicts{};
    for (std::size_t k = 0; k < verdicts.size(); ++k) verdicts[k] = MarkedText(boxTexts[k]) == keyTexts[k];
    return verdicts;
}

std::string GradeText(double rightCount, double totalCount) {
    if (!(totalCount > 0)) return "0%";
    return signText(std::floor(rightCount * 100.0 / totalCount)) + "%";
}

bool IsSetComplete(std::string_view problemCounterText, Integer problemLimit) {
    return numericValue(problemCounterText) >= static_cast<double>(problemLimit.value());
}

}  // namespace tarnivo
