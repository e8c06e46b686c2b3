// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnivo {

// The record's title, as print jobs and PDF files carry it: "Tarnivo - Smith, Ann - 12-08-2026",
// with the same characters made safe as in recordFileName.
std::string recordTitle(std::string_view studentName, std::string_view dateText);

// The longest file name, in bytes, that Linux file systems take.
inline constexpr std::size_t MaxFileNameBytes = 255;

// The file name offered when the printed record is saved as a PDF instead:
// "Tarnivo - Smith, Ann - 12-08-2026.pdf". Characters that file systems refuse or
// treat as separators become "-", and an empty name or date is left out. A name too
// long for MaxFileNameBytes is shortened between two characters; the date and ".pdf" stay.
std::string recordFileName(std::string_view studentName, std::string_view dateText);

}  // namespace tarnivo
