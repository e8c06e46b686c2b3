// SPDX-License-Identifier: MIT
#include "app/toolkit/current_date.h"

#include <QDate>
#include <QLocale>

namespace tarnivo::tk {

std::string currentDateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace tarnivo::tk
