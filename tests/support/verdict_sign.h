// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

namespace tarnivo::testing {

enum class SignSeen { None, Tick, Cross };

// What a person sees in `area` of a picture once it is turned to greys: nothing, a tick or
// a cross. A cross reaches into its top-left corner; a tick starts halfway down its left side.
SignSeen signIn(const QImage& image, const QRect& area);
const char* nameOf(SignSeen sign);

}  // namespace tarnivo::testing
