// SPDX-License-Identifier: MIT
#include "app/toolkit/print.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "app/toolkit/dialogs.h"
#include "app/toolkit/qt_bridge.h"
#include "app/toolkit/window.h"
#include "app/toolkit/window_widget.h"

namespace tarnivo::tk {

namespace {

// A window of about 600 pixels drawn four times over gives some 250 dots per inch across
// a page: sharp text on paper without a huge file.
constexpr qreal PaperScale = 4.0;

// While the page is drawn, the window and its controls are in the standard light scheme,
// whatever the desktop's: every desktop prints the same page, black on white and light
// on toner. Nothing reaches the screen in between.
class OnPaper {
public:
    explicit OnPaper(QWidget& window) : window_(window) {
        const QPalette light = lightScheme();
        QPalette everyRole;  // set role by role, so that no role is left to the desktop's scheme
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = static_cast<QPalette::ColorGroup>(group);
                const auto r = static_cast<QPalette::ColorRole>(role);
                everyRole.setBrush(g, r, light.brush(g, r));
            }
        }
        window_.setPalette(everyRole);
    }
    ~OnPaper() { WindowWidget::followDesktopScheme(window_); }
    OnPaper(const OnPaper&) = delete;
    OnPaper& operator=(const OnPaper&) = delete;

private:
    QWidget& window_;
};

QSizeF fittedSize(QSizeF image, QSizeF area) {
    const qreal scale = std::min(area.width() / image.width(), area.height() / image.height());
    return image * scale;
}

// Qt hands the finished page to the print server without looking at the answer, so a
// queue that refuses jobs would lose the print silently. The server library, loaded by
// Qt's print plugin, still holds the answer to its last request on this thread.
std::optional<QString> printServerRefusal() {
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) return std::nullopt;
    using LastError = int (*)();
    using LastErrorText = const char* (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(library, "cupsLastError"));
    const auto lastErrorText = reinterpret_cast<LastErrorText>(dlsym(library, "cupsLastErrorString"));
    std::optional<QString> refusal;
    // IPP status codes below 0x0100 are the successful ones.
    constexpr int FirstFailure = 0x0100;
    if (lastError != nullptr && lastError() >= FirstFailure) {
        const char* text = lastErrorText != nullptr ? lastErrorText() : nullptr;
        refusal = text != nullptr ? QString::fromLocal8Bit(text) : QStringLiteral("unknown error");
    }
    dlclose(library);
    return refusal;
}

// Why the printer did not print the page, or an empty text when it took it.
QString printOn(const QPrinterInfo& info, const QImage& page, const QString& documentName) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    const QString name = info.printerName();
    if (!printer.isValid() || !renderPage(page, printer)) {
        return QStringLiteral("The printer \"%1\" could not start the print.").arg(name);
    }
    if (const auto refusal = printServerRefusal()) {
        return QStringLiteral("The printer \"%1\" did not take the print (%2).").arg(name, *refusal);
    }
    return {};
}

bool savePdf(const QImage& page, const QString& path, const QString& documentName) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setDocName(documentName);
    pdf.setOutputFileName(path);
    return renderPage(page, pdf) && QFileInfo(path).size() > 0;
}

// Lab accounts often have no Documents folder, and a file offered there could not be written.
QString suggestedPdfPath(const std::string& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QFileInfo documents(folder);
    if (folder.isEmpty() || !documents.isDir() || !documents.isWritable()) folder = QDir::homePath();
    const QString file = name.empty() ? QStringLiteral("Print.pdf") : toQString(name);
    return QDir(folder).filePath(file);
}

PrintOutcome offerPdfInstead(QWidget* parent, const QImage& page, const QString& reason, const QString& documentName,
                             const std::string& suggestedPdfName) {
    Dialogs& ask = dialogs();
    if (!ask.offerPdfInstead(parent, reason)) return PrintOutcome::Cancelled;
    const QString path = ask.askPdfPath(parent, suggestedPdfPath(suggestedPdfName));
    if (path.isEmpty()) return PrintOutcome::Cancelled;
    if (!savePdf(page, path, documentName)) {
        ask.reportFailure(
            parent, QStringLiteral("The PDF file \"%1\" could not be written.").arg(QDir::toNativeSeparators(path)));
        return PrintOutcome::Failed;
    }
    return PrintOutcome::SavedAsPdf;
}

}  // namespace

QImage windowImage(const Window& window) {
    // The designed client area, whatever size the user has given the window: a shrunk
    // window still prints whole, a maximised one without the empty space around it.
    const QSize client(toPixels(window.design().clientWidth), toPixels(window.design().clientHeight));
    QImage image(client * PaperScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(PaperScale);
    QWidget* widget = window.topLevelWidget();
    const OnPaper paper(*widget);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(), client), toQColor(window.backColor(), widget->palette()));
    window.paintControls(painter);
    // Each child draws itself whole, also where the shrunk window cuts it off on screen.
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden()) continue;
        child->render(&painter, child->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.end();
    return image;
}

bool renderPage(const QImage& image, QPagedPaintDevice& device) {
    if (image.isNull()) return false;
    // Upright on the paper as it comes from the printer, at the top, as wide as the
    // printable area allows: a stack of records reads the same way, sheet after sheet.
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF area(0, 0, device.width(), device.height());
    QRectF target(QPointF(), fittedSize(image.size(), area.size()));
    target.moveLeft((area.width() - target.width()) / 2);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

PrintOutcome printWindow(Window& window, const std::string& documentName, const std::string& suggestedPdfName) {
    const QImage page = windowImage(window);
    const std::string& title = documentName.empty() ? window.caption() : documentName;
    const QString jobName = title.empty() ? QStringLiteral("Tarnivo") : toQString(title);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    // Without a default, Qt would quietly pick the first queue, one the user never chose.
    const QString problem = printer.isNull() ? QStringLiteral("No default printer is set up on this computer.")
                                             : printOn(printer, page, jobName);
    if (problem.isEmpty()) return PrintOutcome::Printed;
    return offerPdfInstead(window.topLevelWidget(), page, problem, jobName, suggestedPdfName);
}

}  // namespace tarnivo::tk
