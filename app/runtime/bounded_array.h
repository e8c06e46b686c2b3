// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "app/runtime/errors.h"

namespace tarnivo {

// A table with declared inclusive bounds; an index outside them throws SubscriptError.
template <class T, int Low, int High>
class BoundedArray {
    static_assert(Low <= High);

public:
    T& operator()(int index) { return cells_[offset(index)]; }
    const T& operator()(int index) const { return cells_[offset(index)]; }
    friend bool operator==(const BoundedArray&, const BoundedArray&) = default;

private:
    static std::size_t offset(int index) {
        if (index < Low || index > High)
            throw SubscriptError("index " + std::to_string(index) + " is outside " + std::to_string(Low) + ".." +
                                 std::to_string(High));
        return static_cast<std::size_t>(index - Low);
    }
    std::array<T, static_cast<std::size_t>(High - Low + 1)> cells_{};
};

// Two-dimensional table with declared inclusive bounds on both dimensions.
template <class T, int RowLow, int RowHigh, int ColLow, int ColHigh>
class BoundedGrid {
public:
    T& operator()(int row, int col) { return rows_(row)(col); }
    const T& operator()(int row, int col) const { return rows_(row)(col); }
    friend bool operator==(const BoundedGrid&, const BoundedGrid&) = default;

private:
    BoundedArray<BoundedArray<T, ColLow, ColHigh>, RowLow, RowHigh> rows_{};
};

}  // namespace tarnivo
