// SPDX-License-Identifier: MIT
#include "app/runtime/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace tarnivo {

std::string plainText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0) return "0";  // no "-0"
    std::array<char, 64> buffer{};
    // Whole values below 2^53 print without a fraction; others keep up to 15 significant digits.
    if (std::fabs(value) < 9007199254740992.0 && std::trunc(value) == value) {
        std::snprintf(buffer.data(), buffer.size(), "%.0f", value);
    } else {
        std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    }
    return buffer.data();
}

std::string signText(double value) {
    std::string text = plainText(value);
    return text.front() == '-' ? text : " " + text;
}

double numericValue(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::size_t digits = i - digitsStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        digits += i - fractionStart;
    }
    if (digits == 0) return 0.0;

    std::string_view number = text.substr(start, i - start);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Either far too large or far too small: tell them apart by the first non-zero digit.
        const auto firstNonZero = number.find_first_not_of("0.");
        const auto point = number.find('.');
        const bool tiny =
            firstNonZero == std::string_view::npos || (point != std::string_view::npos && firstNonZero > point);
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace tarnivo
