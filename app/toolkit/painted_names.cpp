// SPDX-License-Identifier: MIT
#include "app/toolkit/painted_names.h"

#include "app/toolkit/control.h"
#include "app/toolkit/label.h"
#include "app/toolkit/line.h"
#include "app/toolkit/picture.h"
#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

bool readByScreenReader(const Control& control) {
    if (control.widget() != nullptr) return false;
    if (dynamic_cast<const Label*>(&control) != nullptr) return true;
    const bool drawing =
        dynamic_cast<const Picture*>(&control) != nullptr || dynamic_cast<const Line*>(&control) != nullptr;
    return drawing && !control.design().accessibleName.empty();
}

QString spokenName(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control)) return toQString(label->caption());
    return toQString(control.design().accessibleName);
}

}  // namespace tarnivo::tk
