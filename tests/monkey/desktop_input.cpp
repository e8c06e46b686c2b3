// SPDX-License-Identifier: MIT
#include "tests/monkey/desktop_input.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/toolkit/forms.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"

namespace monkey {

using tarnivo::testing::widgetOf;

std::vector<tk::Window*> shownWindows() {
    std::vector<tk::Window*> windows;
    if (auto* signIn = tk::FormsProbe::find<tarnivo::frmSignIn>(); signIn != nullptr && signIn->visible())
        windows.push_back(signIn);
    if (auto* practice = tk::FormsProbe::find<tarnivo::frmTarnivo>(); practice != nullptr && practice->visible())
        windows.push_back(practice);
    return windows;
}

QWidget* keyTarget(const tk::Window& window) {
    QWidget* top = widgetOf(window);
    QWidget* focus = top->focusWidget();
    return focus != nullptr ? focus : top;
}

QWidget* widgetAt(QPoint global) {
    for (tk::Window* window : shownWindows()) {
        QWidget* top = widgetOf(*window);
        const QPoint local = top->mapFromGlobal(global);
        if (!top->rect().contains(local)) continue;
        QWidget* child = top->childAt(local);
        return child != nullptr ? child : top;
    }
    return nullptr;
}

void clickAt(QWidget* receiver, QPoint global) {
    QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFromGlobal(global));
}

void click(const tk::Control& control) {
    QWidget* widget = widgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void typeOver(const tk::TextBox& box, const QString& text) {
    click(box);
    QWidget* edit = widgetOf(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        typeText(edit, text);
    }
}

void activateFrontWindowIfNoneIs() {
    if (QApplication::activeWindow() != nullptr) return;
    const auto windows = shownWindows();
    if (!windows.empty()) widgetOf(*windows.front())->activateWindow();
}

void typeText(QWidget* target, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(target, character.toLatin1());
        } else {
            // A character beyond ASCII comes as its text alone, as from an input method.
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }
}

// Once the program has ended it has asked the application to quit, and from then on a
// local event loop returns at once; so this processes events until the deadline, with a
// single-shot timer to wake it up there.
void runEventsFor(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    QObject wakeUp;
    QTimer::singleShot(milliseconds, &wakeUp, [] {});
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace monkey
