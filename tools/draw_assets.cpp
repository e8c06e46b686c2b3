// SPDX-License-Identifier: MIT
// Draws the program's pictures and desktop icons, so they can be drawn again
// rather than edited by hand.
//
//   draw_assets <folder>          RadicalPicture, AnswerFormsPicture, PracticeIcon
//   draw_assets --icons <folder>  hicolor/<size>/apps/<id>.png and the scalable SVG

#include "answer_forms_sheet.h"
#include "icon_set.h"
#include "picture_colours.h"
#include "radical_shape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <cstdio>

namespace {

QImage radicalPicture() {
    QImage image(242, 121, QImage::Format_RGB32);
    image.fill(silver);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // Tick from x 6, overbar on rows 16 to 19 ending at x 236, vertex on row 114.
    const RadicalShape sign(QRectF(6, 16, 231, 99), {13.0, 4.0, 4.0, 4.0});
    painter.drawPolygon(sign.outline());
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveText(const QString& text, const QString& path) {
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool drawPictures(const QDir& folder) {
    const AnswerFormsSheet sheet;
    std::printf("answer forms set in %s\n", qPrintable(sheet.letterFace()));
    return save(radicalPicture(), folder.filePath(QStringLiteral("RadicalPicture.png"))) &&
           save(sheet.draw(), folder.filePath(QStringLiteral("AnswerFormsPicture.png"))) &&
           save(IconSet::practiceIcon(), folder.filePath(QStringLiteral("PracticeIcon.png")));
}

bool drawIcons(const QDir& folder) {
    const QString file = IconSet::applicationId();
    for (int size : std::array{16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(file);
        if (!save(IconSet::tile(size), folder.filePath(path))) return false;
    }
    return saveText(IconSet::tileSvg(), folder.filePath(QStringLiteral("hicolor/scalable/apps/%1.svg").arg(file)));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no screen; the offscreen platform also works on a build machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments().mid(1);
    const bool icons = args.removeAll(QStringLiteral("--icons")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: draw_assets [--icons] <folder>\n");
        return 2;
    }
    const QDir folder(args.front());
    return (icons ? drawIcons(folder) : drawPictures(folder)) ? 0 : 1;
}
