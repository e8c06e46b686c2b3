// SPDX-License-Identifier: MIT
#include "ui/practice/record_file_name.h"

#include "app/runtime/text.h"

namespace tarnivo {

namespace {
std::string safePart(std::string_view text) {
    std::string part = trim(text);
    for (char& c : part) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '-';
    }
    return part;
}

// The longest start of the text that fits in `bytes` and ends between two characters.
std::string_view startWithin(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;
    return text.substr(0, end);
}

std::string titled(std::string_view name, std::string_view date) {
    std::string title = "Tarnivo";
    for (const std::string_view part : {name, date}) {
        if (!part.empty()) title.append(" - ").append(part);
    }
    return title;
}
}  // namespace

std::string recordTitle(std::string_view studentName, std::string_view dateText) {
    return titled(safePart(studentName), safePart(dateText));
}

std::string recordFileName(std::string_view studentName, std::string_view dateText) {
    constexpr std::string_view Suffix = ".pdf";
    const std::string name = safePart(studentName);
    const std::string date = safePart(dateText);
    const std::size_t whole = titled(name, date).size() + Suffix.size();
    if (whole <= MaxFileNameBytes) return titled(name, date).append(Suffix);
    // The name gives way, so that the date still tells two records of one student apart.
    const std::size_t overflow = whole - MaxFileNameBytes;
    const std::string shortName = trim(startWithin(name, name.size() > overflow ? name.size() - overflow : 0));
    const std::string stem = titled(shortName, date);
    return std::string(startWithin(stem, MaxFileNameBytes - Suffix.size())).append(Suffix);
}

}  // namespace tarnivo
