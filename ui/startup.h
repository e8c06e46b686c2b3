// SPDX-License-Identifier: MIT
#pragma once

namespace tarnivo {

// Loads the program's start-up window, runs its Form_Load and shows it.
void showStartupWindow();

}  // namespace tarnivo
