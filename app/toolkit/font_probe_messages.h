// SPDX-License-Identifier: MIT
#pragma once

namespace tarnivo::tk {

// Before Qt draws a character of a script the named face lacks (a name in Devanagari in a
// Latin face), it tries the face for that script and warns on standard error, although the
// next step finds a face that has the script and the name is drawn whole. Those warnings are
// dropped; every other message goes on as before.
void quietFontProbes();

}  // namespace tarnivo::tk
