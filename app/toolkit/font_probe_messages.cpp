// SPDX-License-Identifier: MIT
#include "app/toolkit/font_probe_messages.h"

#include <QString>
#include <QtGlobal>

namespace tarnivo::tk {

namespace {
QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.trimmed().startsWith(QLatin1String("OpenType support missing for "))) return;
    // Qt hands back its own default handler when none was installed before.
    if (previous != nullptr) previous(type, context, message);
}
}  // namespace

void quietFontProbes() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    previous = qInstallMessageHandler(filter);
}

}  // namespace tarnivo::tk
