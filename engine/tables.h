// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "app/runtime/bounded_array.h"
#include "app/runtime/integer.h"

namespace tarnivo {

// The primes every drawn number is built from, indexed 1..3.
using PrimeBaseTable = BoundedArray<Integer, 1, 3>;

// Exponents by term (rows 1..4) and prime (columns 1..3). Row and column 0 exist
// because the tables are declared from 0, but are never used.
using ExponentTable = BoundedGrid<Integer, 0, 4, 0, 3>;

// The four numbers of a problem, indexed 1..4 (0 unused). Wider than Integer
// because they are shown, never used in further checked arithmetic.
using TermTable = BoundedArray<std::int32_t, 0, 4>;

// The simplified answer A·√B / C.
struct AnswerKey {
    Integer coefficient = 1;
    Integer radicand = 1;
    Integer denominator = 1;

    friend bool operator==(const AnswerKey&, const AnswerKey&) = default;
};

}  // namespace tarnivo
