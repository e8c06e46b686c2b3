// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/toolkit/page_text.h"
#include "engine/work_record.h"

namespace tarnivo {

// The student data and the score as the practice window shows them.
struct ReviewHeading {
    std::string period;
    std::string studentId;
    std::string name;
    std::string teacher;
    std::string date;
    std::string right;
    std::string total;
    std::string grade;
};

// The review printed under the end-of-set screen: the student data and the score in full,
// then one row per problem with the problem, its answer, how many submissions it took and
// the first wrong answers, each wrong part followed by "✗".
tk::PageText workReview(const ReviewHeading& heading, const WorkRecord& work);

}  // namespace tarnivo
