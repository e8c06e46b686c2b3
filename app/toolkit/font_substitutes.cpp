// SPDX-License-Identifier: MIT
#include "app/toolkit/font_substitutes.h"

#include <QFont>
#include <QStringList>

namespace tarnivo::tk {

void FontSubstitutes::install() {
    QFont::insertSubstitutions("Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Myriad Roman", {"Liberation Sans", "DejaVu Sans"});
}

}  // namespace tarnivo::tk
