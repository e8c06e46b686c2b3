// SPDX-License-Identifier: MIT
#include "tests/program/screen_text.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tarnivo::testing {

bool ScreenText::available() { return !QStandardPaths::findExecutable("tesseract").isEmpty(); }

namespace {
// Tesseract reads small text best in grey, enlarged, with a clear margin around it.
QString read(const QImage& screen, const QRect& area, const QString& layout) {
    constexpr int Margin = 12;
    constexpr int Scale = 4;
    const QImage inside = screen.copy(area).convertToFormat(QImage::Format_Grayscale8);
    QImage page(inside.width() + 2 * Margin, inside.height() + 2 * Margin, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(Margin, Margin, inside);
    painter.end();
    const QImage large = page.scaled(page.size() * Scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QTemporaryDir folder;
    const QString file = folder.filePath("box.png");
    large.save(file);
    QProcess tesseract;
    tesseract.start("tesseract", {file, "stdout", "--psm", layout});
    if (!tesseract.waitForFinished(30000)) return {};
    return QString::fromUtf8(tesseract.readAllStandardOutput()).simplified();
}
}  // namespace

QString ScreenText::readBox(const QImage& screen, const QRect& box) {
    constexpr int Inset = 3;
    return read(screen, box.adjusted(Inset, Inset, -Inset, -Inset), QStringLiteral("7"));  // one line
}

QString ScreenText::readArea(const QImage& screen, const QRect& area) {
    return read(screen, area, QStringLiteral("6"));  // a block of lines
}

}  // namespace tarnivo::testing
