// SPDX-License-Identifier: MIT
#include "app/toolkit/translation.h"

#include <QCoreApplication>

namespace tarnivo::tk {

std::string translated(const std::string& context, const std::string& text) {
    if (context.empty() || text.empty()) return text;
    return QCoreApplication::translate(context.c_str(), text.c_str()).toStdString();
}

Design translated(const std::string& context, Design design) {
    design.caption = translated(context, design.caption);
    design.accessibleName = translated(context, design.accessibleName);
    design.announceAs = translated(context, design.announceAs);
    design.phrase = translated(context, design.phrase);
    return design;
}

}  // namespace tarnivo::tk
