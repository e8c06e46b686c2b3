// SPDX-License-Identifier: MIT
#pragma once

namespace tarnivo::tk {

// The faces the windows name are not free; these are the closest that Debian ships.
class FontSubstitutes {
public:
    static void install();
};

}  // namespace tarnivo::tk
