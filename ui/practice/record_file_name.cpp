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
}  // namespace

std::string recordTitle(std::string_view studentName, std::string_view dateText) {
    std::string title = "Tarnivo";
    for (const std::string_view text : {studentName, dateText}) {
        const std::string part = safePart(text);
        if (!part.empty()) title += " - " + part;
    }
    return title;
}

std::string recordFileName(std::string_view studentName, std::string_view dateText) {
    return recordTitle(studentName, dateText) + ".pdf";
}

}  // namespace tarnivo
