// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tarnivo {

// The file name offered when the printed record is saved as a PDF instead:
// "Tarnivo - Smith, Ann - 12-08-2026.pdf". Characters that file systems refuse or
// treat as separators become "-", and an empty name or date is left out.
std::string recordFileName(std::string_view studentName, std::string_view dateText);

}  // namespace tarnivo
