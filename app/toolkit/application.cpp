// SPDX-License-Identifier: MIT
#include "app/toolkit/application.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/toolkit/accessible_container.h"
#include "app/toolkit/command_button.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/window.h"
#include "app/toolkit/window_widget.h"

namespace tarnivo::tk {

namespace {

// The keyboard rules of the program's windows: Tab and Shift+Tab walk the tab order,
// Enter presses a focused push button or else the window's default button.
class KeyboardRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        Window* window = WindowWidget::windowOf(widget);
        if (window == nullptr || window->unloaded()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isAltLetter(*key)) return true;
        const auto modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (modifiers != Qt::NoModifier) return false;
        switch (key->key()) {
            case Qt::Key_Tab: window->focusNextControl(!(key->modifiers() & Qt::ShiftModifier)); return true;
            case Qt::Key_Backtab: window->focusNextControl(false); return true;
            case Qt::Key_Return:
            case Qt::Key_Enter: return pressForEnter(*window);
            default: return false;
        }
    }

private:
    // An access key whose button is hidden or disabled reaches the focused control as a plain
    // key press; a text box would take its letter as typed text.
    static bool isAltLetter(const QKeyEvent& key) {
        const auto modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        return modifiers == Qt::AltModifier && !key.text().isEmpty() && key.text().front().isPrint();
    }
    static bool pressForEnter(Window& window) {
        if (auto* focused = dynamic_cast<CommandButton*>(window.focusedControl())) {
            focused->press();
            return true;
        }
        if (CommandButton* button = window.defaultButton()) {
            button->press();  // does nothing while the button is disabled
            return true;
        }
        return false;
    }
};

void installFontSubstitutes() {
    // The faces the windows name are not free; these are the closest that Debian ships.
    QFont::insertSubstitutions("Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Myriad Roman", {"Liberation Sans", "DejaVu Sans"});
}

// While the application object is being made, the toolkit's own messages are held back: if no
// display can be opened, the toolkit's advice (reinstall, plugin lists) would only mislead, and
// the user gets one plain sentence instead of an abort.
struct StartupMessages {
    static inline QtMessageHandler previous = nullptr;
    static inline std::vector<std::pair<QtMsgType, QString>> held;

    static void hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
        if (type != QtFatalMsg) {
            held.emplace_back(type, message);
            return;
        }
        std::fputs("Tarnivo needs a graphical display (an X11 or Wayland desktop), and none could be opened.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    static void release() {
        qInstallMessageHandler(previous);
        for (const auto& [type, message] : held) qt_message_output(type, QMessageLogContext(), message);
        held.clear();
    }
};

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
    StartupMessages::previous = qInstallMessageHandler(StartupMessages::hold);
    auto application = std::make_unique<QApplication>(argc, argv);
    StartupMessages::release();
    return application;
}

}  // namespace

Application::Application(int& argc, char** argv) : app_(openApplication(argc, argv)) {
    QApplication::setApplicationName("Tarnivo");
    QApplication::setDesktopFileName("org.tarnivo.Tarnivo");
    prepare();
}

Application::~Application() { Forms::reset(); }

void Application::prepare() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    // The windows end the program themselves, through their slots.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    AccessibleContainer::installFactory();
    qApp->installEventFilter(new KeyboardRules(qApp));
}

int Application::run() {
    if (Forms::ended() || Forms::loadedCount() == 0) return Forms::exitCode();
    const int status = QApplication::exec();
    Forms::collectGarbage();
    return Forms::ended() ? Forms::exitCode() : status;
}

}  // namespace tarnivo::tk
