// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/qlogging.h>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class QApplication;

namespace tarnivo::tk {

// While the application object is being made, the toolkit's own messages are held back: if no
// display can be opened, the toolkit's advice (reinstall, plugin lists) would only mislead, and
// the user gets one plain sentence instead of an abort.
class StartupMessages {
public:
    // Makes the application object with the messages held back, then lets them through.
    static std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static void release();
    static inline QtMessageHandler previous = nullptr;
    static inline std::vector<std::pair<QtMsgType, QString>> held;
};

}  // namespace tarnivo::tk
