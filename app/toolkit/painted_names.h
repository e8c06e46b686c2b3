// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tarnivo::tk {

class Control;

// Painted controls have no widget of their own, so what a screen reader reads of them is
// decided here, below both the frames that read them as one phrase and the reader itself.

// Labels are read; pictures and lines only when the layout gives them a name.
[[nodiscard]] bool readByScreenReader(const Control& control);
// What a screen reader reads: a label's caption, or the name the layout gives.
[[nodiscard]] QString spokenName(const Control& control);

}  // namespace tarnivo::tk
