// SPDX-License-Identifier: MIT
#include "tests/support/test_app.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "app/toolkit/application.h"
#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"

namespace tarnivo::testing {

namespace {
std::vector<std::string>& errors() {
    static std::vector<std::string> list;
    return list;
}

tk::Application*& application() {
    static tk::Application* made = nullptr;
    return made;
}
}  // namespace

void ensureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tarnivo-tests";
    static char* argv[] = {name, nullptr};
    application() = new tk::Application(argc, argv);  // lives for the whole test program
    tk::setErrorReporter(
        [](const std::string& title, const std::string& message) { errors().push_back(title + ": " + message); });
}

void endApplication() {
    tk::Forms::reset();
    delete application();
    application() = nullptr;
}

const std::vector<std::string>& reportedErrors() { return errors(); }

void resetProgram() {
    // An ended program asked the application to quit, which would make every later modal
    // dialog of this test program return at once; one turn of the main loop takes it back.
    if (tk::Forms::ended() && QCoreApplication::instance() != nullptr) {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
    tk::Forms::reset();
    errors().clear();
    QApplication::processEvents();
}

QWidget* widgetOf(const tk::Control& control) { return control.widget(); }
QWidget* widgetOf(const tk::Window& window) { return window.surface(); }

DrawnWidget drawnWidget(const tk::Control& control) {
    QWidget* widget = control.widget();
    if (widget == nullptr) return {};
    const auto* button = qobject_cast<const QPushButton*>(widget);
    return {QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()),
            button != nullptr ? button->text().toStdString() : std::string()};
}

void PrintTo(const DrawnWidget& drawn, std::ostream* out) {
    const QRect& r = drawn.pixels;
    *out << r.width() << " x " << r.height() << " at " << r.x() << ", " << r.y() << " \"" << drawn.text << '"';
}

QImage grabWindow(const tk::Window& window, const std::string& name) {
    QWidget* widget = window.surface();
    QImage image = widget->grab().toImage();
    const QString folder = QStringLiteral(TARNIVO_BUILD_DIR "/screens");
    QDir().mkpath(folder);
    image.save(folder + "/" + QString::fromStdString(name) + ".png");
    return image;
}

void settle(int milliseconds) {
    QApplication::processEvents();
    if (milliseconds > 0) QTest::qWait(milliseconds);
    QApplication::processEvents();
}

}  // namespace tarnivo::testing
