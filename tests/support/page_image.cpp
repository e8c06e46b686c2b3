// SPDX-License-Identifier: MIT
#include "tests/support/page_image.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace tarnivo::testing {

bool canRenderPdf() { return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(); }

QImage renderPdfPage(const QString& pdfPath, int dotsPerInch) {
    QTemporaryDir folder;
    if (!folder.isValid()) return {};
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                    QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                    pdfPath, prefix});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect boundingBox(const QImage& image, const PixelTest& test) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QRect rowBand(const QImage& image, const PixelTest& test, double share) {
    QRect tallest;
    int runStart = -1;
    for (int y = 0; y <= image.height(); ++y) {
        int passing = 0;
        for (int x = 0; y < image.height() && x < image.width(); ++x) passing += test(image.pixel(x, y)) ? 1 : 0;
        const bool inBand = y < image.height() && passing >= share * image.width();
        if (inBand && runStart < 0) runStart = y;
        if (!inBand && runStart >= 0) {
            if (y - runStart > tallest.height()) tallest = QRect(0, runStart, image.width(), y - runStart);
            runStart = -1;
        }
    }
    return tallest;
}

int countPixels(const QImage& image, const QRect& area, const PixelTest& test) {
    const QRect inside = area & image.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

PixelTest near(QRgb colour, int tolerance) {
    return [colour, tolerance](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(colour)) <= tolerance &&
               std::abs(qGreen(pixel) - qGreen(colour)) <= tolerance &&
               std::abs(qBlue(pixel) - qBlue(colour)) <= tolerance;
    };
}

}  // namespace tarnivo::testing
