// SPDX-License-Identifier: MIT
#include "tests/support/modal_answers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace tarnivo::testing {

void whenModalDialogOpens(const std::function<void(QWidget*)>& answer, const char* kind) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer, kind] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr && (kind == nullptr || dialog->inherits(kind))) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

void clickButton(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    dialog->close();
}

}  // namespace tarnivo::testing
