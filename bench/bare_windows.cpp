// SPDX-License-Identifier: MIT
// The floor the program's start-up time and memory are held against: a Qt Widgets
// program that shows two empty windows with the titles, sizes and flags of the
// program's two, and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget practice(nullptr, Qt::Window);
    practice.setWindowTitle(QStringLiteral("Tarnivo Practice"));
    practice.resize(612, 529);
    practice.show();
    // Frameless and kept out of the taskbar, as the sign-in window is.
    QWidget signIn(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool);
    signIn.setWindowTitle(QStringLiteral("Please Sign In"));
    signIn.resize(321, 323);
    signIn.show();
    return QApplication::exec();
}
