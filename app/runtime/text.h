// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tarnivo {

// Number to text with a sign position: a leading blank for values not below zero,
// "-" otherwise (7 gives " 7", -7 gives "-7", 2.5 gives " 2.5").
std::string signText(double value);

// Number to text without the sign position (7 gives "7").
std::string plainText(double value);

// The leading number of a text: blanks skipped, an optional sign, digits and an
// optional decimal fraction. A text with no leading number gives 0. Never throws.
double numericValue(std::string_view text) noexcept;

// Removes leading and trailing blanks (spaces only, as in the classic run time).
std::string trim(std::string_view text);

}  // namespace tarnivo
