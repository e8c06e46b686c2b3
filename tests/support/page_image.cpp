// SPDX-License-Identifier: MIT
#include "tests/support/page_image.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "app/toolkit/qt_bridge.h"

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

namespace {
QString outputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString& pdfPath, const QString& field) {
    const QString info =
        outputOf(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':'))) return line.mid(field.size() + 1).trimmed();
    }
    return {};
}
}  // namespace

QString pdfTitle(const QString& pdfPath) { return pdfInfo(pdfPath, QStringLiteral("Title")); }

int pdfPageCount(const QString& pdfPath) { return pdfInfo(pdfPath, QStringLiteral("Pages")).toInt(); }

QStringList pdfTextLines(const QString& pdfPath) {
    return outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                  QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")})
        .replace(QChar(0xA0), QLatin1Char(' '))
        .split(QLatin1Char('\n'));
}

double smallestWordHeight(const QString& pdfPath) {
    const QString boxes =
        outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\" xMax=\"[^\"]+\" yMax=\"([^\"]+)\""));
    double smallest = 0;
    for (auto match = word.globalMatch(boxes); match.hasNext();) {
        const auto found = match.next();
        const double height = found.captured(2).toDouble() - found.captured(1).toDouble();
        if (smallest == 0 || height < smallest) smallest = height;
    }
    return smallest;
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

QRect darkInkIn(const QImage& image, const QRect& area) {
    return boundingBox(image.copy(area), [](QRgb pixel) { return qGray(pixel) < 100; }).translated(area.topLeft());
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

double meanDifference(const QImage& image, const QImage& other) {
    if (image.isNull() || other.isNull()) return 255;
    const QImage scaled = other.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) sum += std::abs(qGray(image.pixel(x, y)) - qGray(scaled.pixel(x, y)));
    }
    return sum / (double(image.width()) * image.height());
}

PixelTest near(QRgb colour, int tolerance) {
    return [colour, tolerance](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(colour)) <= tolerance &&
               std::abs(qGreen(pixel) - qGreen(colour)) <= tolerance &&
               std::abs(qBlue(pixel) - qBlue(colour)) <= tolerance;
    };
}

QRgb commonColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) & 0xFFFFFFU];
    QRgb common = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            common = it.key();
            most = it.value();
        }
    }
    return common;
}

namespace {
// The fourth strongest of the ratios, so that no stray pixel decides; 1 when there are fewer.
double fourthStrongest(std::vector<double> ratios) {
    constexpr std::size_t Strongest = 4;
    if (ratios.size() < Strongest) return 1.0;
    std::nth_element(ratios.begin(), ratios.begin() + Strongest - 1, ratios.end(), std::greater<>());
    return ratios[Strongest - 1];
}
}  // namespace

double inkContrast(const QImage& image, const QRect& area) {
    const QColor background(commonColour(image, area));
    std::vector<double> ratios;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ratios.push_back(tk::contrastRatio(image.pixelColor(x, y), background));
    return fourthStrongest(std::move(ratios));
}

double focusContrast(const QImage& focused, const QImage& unfocused, const QRect& control) {
    const QRect around = control.adjusted(-3, -3, 3, 3);
    const QRect inner = control.adjusted(2, 2, -2, -2);
    // The surface beside the control, left of it: the most common colour of that strip.
    const QColor surface(commonColour(unfocused, QRect(around.left() - 6, control.top(), 6, control.height())));
    std::vector<double> ratios;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if (inner.contains(x, y) || focused.pixel(x, y) == unfocused.pixel(x, y)) continue;
            ratios.push_back(tk::contrastRatio(focused.pixelColor(x, y), surface));
        }
    }
    return fourthStrongest(std::move(ratios));
}

}  // namespace tarnivo::testing
