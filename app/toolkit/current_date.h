// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarnivo::tk {

// Today's date in the system's short date form.
std::string currentDateText();

}  // namespace tarnivo::tk
