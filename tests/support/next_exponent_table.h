// SPDX-License-Identifier: MIT
#pragma once

#include "engine/tables.h"

namespace tarnivo::testing {

// Steps the twelve exponents of a table like the digits of a base-3 number, so that all
// 531441 tables can be visited in turn; false once it has wrapped round to all zeros.
inline bool NextExponentTable(ExponentTable& grid) {
    for (int t = 4; t >= 1; --t) {
        for (int j = 3; j >= 1; --j) {
            if (grid(t, j) < 2) {
                grid(t, j) += 1;
                return true;
            }
            grid(t, j) = 0;
        }
    }
    return false;
}

}  // namespace tarnivo::testing
