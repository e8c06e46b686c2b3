// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace tarnivo::tk {

// A piece of printed text; a marked piece stands out in bold dark red, and whoever writes
// it also gives it a sign, since a black-and-white printer keeps no colour.
struct TextRun {
    std::string text;
    bool marked = false;
};

// One paragraph or one table cell: runs of text, wrapped between words to its width.
using TextSpan = std::vector<TextRun>;

// Text printed under a window's image: paragraphs, then a table whose header row starts
// every page the table reaches. Everything wraps, and what does not fit on the first
// page continues on the next; nothing is cut.
struct PageText {
    std::vector<TextSpan> paragraphs;
    std::vector<TextSpan> tableHeader;
    std::vector<std::vector<TextSpan>> tableRows;

    [[nodiscard]] bool empty() const { return paragraphs.empty() && tableRows.empty(); }
};

}  // namespace tarnivo::tk
