// SPDX-License-Identifier: MIT
#include "app/toolkit/print.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <optional>

#include "app/toolkit/dialogs.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/page_text_layout.h"
#include "app/toolkit/pdf_file.h"
#include "app/toolkit/print_server.h"
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

// A sentence of the print server's, ready to end one of ours: no spaces or full stops at its end.
QString withoutFullStop(const QString& sentence) {
    QString why = sentence.trimmed();
    while (why.endsWith(QLatin1Char('.'))) why.chop(1);
    return why;
}

// What stands in the way of printing before any job is sent, or an empty text.
QString problemBefore(const DefaultPrinter& found, const QPrinterInfo& printer) {
    if (found.answer == DefaultPrinter::Answer::NotAnswering) {
        //: The print server is the computer's printing service (CUPS): it did not reply
        //: within a few seconds, so nothing was printed.
        return QCoreApplication::translate("Print", "The print server is not answering.");
    }
    if (found.answer == DefaultPrinter::Answer::Printer && found.stopped) {
        const QString name = QString::fromStdString(found.name);
        const QString why = withoutFullStop(QString::fromStdString(found.reason));
        //: %1 is the printer's name; the printer has been paused or has stopped by itself.
        if (why.isEmpty()) return QCoreApplication::translate("Print", "The printer \"%1\" is stopped.").arg(name);
        //: %1 is the printer's name, %2 the reason the print server gives, in its own words
        //: (often English), such as "paper jam".
        return QCoreApplication::translate("Print", "The printer \"%1\" is stopped: %2.").arg(name, why);
    }
    // Without a default, Qt would quietly pick the first queue, one the user never chose.
    if (printer.isNull()) return QCoreApplication::translate("Print", "No default printer is set up on this computer.");
    return {};
}

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
        //: Stands for the reason, after a colon, when the print system gives none.
        refusal =
            text != nullptr ? QString::fromLocal8Bit(text) : QCoreApplication::translate("Print", "unknown error");
    }
    dlclose(library);
    return refusal;
}

// Why the printer did not print the page, or an empty text when it took it.
QString printOn(const QPrinterInfo& info, const QImage& page, const PageText& below, const QString& documentName) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    // Qt starts every job on A4, also on a printer loaded with Letter paper.
    if (const QPageSize paper = info.defaultPageSize(); paper.isValid()) printer.setPageSize(paper);
    const QString name = info.printerName();
    if (!printer.isValid() || !renderPage(page, printer, below)) {
        //: %1 is the printer's name as the print system calls it. Quote it as your language does.
        return QCoreApplication::translate("Print", "The printer \"%1\" could not start the print.").arg(name);
    }
    if (auto refusal = printServerRefusal()) {
        // The server's own sentence ends the message, with its own full stop.
        const QString why = withoutFullStop(*refusal);
        //: %1 is the printer's name, %2 the print system's reason (often in English).
        return QCoreApplication::translate("Print", "The printer \"%1\" did not take the print: %2.").arg(name, why);
    }
    return {};
}

PrintOutcome offerPdfInstead(QWidget* parent, const QString& reason, const QString& documentName,
                             const std::string& suggestedPdfName, const PageRenderer& render) {
    Dialogs& ask = dialogs();
    if (!ask.offerPdfInstead(parent, reason)) return PrintOutcome::Cancelled;
    const QString file = suggestedPdfName.empty() ? QStringLiteral("Print.pdf") : toQString(suggestedPdfName);
    QString path = QDir(folderForNewFiles()).filePath(file);
    for (;;) {
        path = ask.askPdfPath(parent, path);
        if (path.isEmpty()) return PrintOutcome::Cancelled;
        const QString why = savePdfFile(path, documentName, render);
        if (why.isEmpty()) return PrintOutcome::SavedAsPdf;
        //: %1 is the file's full path, %2 the system's reason ("Permission denied").
        const QString message =
            QCoreApplication::translate("Print", "The PDF file \"%1\" could not be written: %2.")
                .arg(QDir::toNativeSeparators(path), why.endsWith(QLatin1Char('.')) ? why.chopped(1) : why);
        if (!ask.offerAnotherTry(parent, message)) return PrintOutcome::Failed;
    }
}

// The largest size from 10 points down to 8 that keeps the text on the first page, or
// else 8 points over as many pages as it takes.
std::unique_ptr<PageTextLayout> fittedText(const PageText& text, const QPaintDevice& device, qreal firstSpace,
                                           qreal pageSpace) {
    QFont font = toQFont(FontStyle{});
    std::unique_ptr<PageTextLayout> layout;
    for (const qreal points : {10.0, 9.5, 9.0, 8.5, 8.0}) {
        font.setPointSizeF(points);
        layout = std::make_unique<PageTextLayout>(text, font, device, device.width());
        if (layout->paginate(firstSpace, pageSpace) <= 1) break;
    }
    return layout;
}

}  // namespace

QImage windowImage(const Window& window) {
    // The designed client area, whatever size the user has given the window: a shrunk
    // window still prints whole, a maximised one without the empty space around it.
    const QSize client(toPixels(window.design().clientWidth), toPixels(window.design().clientHeight));
    QImage image(client * PaperScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(PaperScale);
    QWidget* widget = window.surface();
    const OnPaper paper(*widget);
    QPainter painter(&image);
    // A painter on an image lays out each text in the direction of its first letter, where the
    // window on screen lays them out left to right: a name mixing Arabic and Latin would
    // print its parts in the other order.
    painter.setLayoutDirection(widget->layoutDirection());
    painter.fillRect(QRect(QPoint(), client), toQColor(window.backColor(), widget->palette()));
    window.paintControls(painter);
    // Each child draws itself whole, also where the shrunk window cuts it off on screen.
    // The page shows no focus ring: Qt draws one only in a window driven by the keyboard.
    const bool keyboardDriven = widget->testAttribute(Qt::WA_KeyboardFocusChange);
    widget->setAttribute(Qt::WA_KeyboardFocusChange, false);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden()) continue;
        child->render(&painter, child->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    widget->setAttribute(Qt::WA_KeyboardFocusChange, keyboardDriven);
    painter.end();
    return image;
}

bool renderPage(const QImage& image, QPagedPaintDevice& device, const PageText& below) {
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
    if (!below.empty()) {
        const qreal top = target.bottom() + device.logicalDpiY() / 12.0;
        const auto text = fittedText(below, device, area.height() - top, area.height());
        for (int page = 0; page < text->pageCount(); ++page) {
            if (page > 0 && !device.newPage()) {
                painter.end();
                return false;
            }
            text->paintPage(painter, page, QPointF(0, page == 0 ? top : 0));
        }
    }
    return painter.end();
}

PrintOutcome printWindow(Window& window, const std::string& documentName, const std::string& suggestedPdfName,
                         const PageText& below) {
    // While the print server is asked the window's events go on, among them another press
    // of the same button: it starts nothing, so one press makes at most one job.
    static bool asking = false;
    if (asking) return PrintOutcome::Busy;
    const QImage page = windowImage(window);
    const std::string& title = documentName.empty() ? window.caption() : documentName;
    const QString jobName = title.empty() ? QStringLiteral("Tarnivo") : toQString(title);
    const QPointer<QWidget> parent = window.surface();
    // The window stays in being, even if it is closed while the server is asked.
    const Forms::KeepUnloadedWindows keep;
    DefaultPrinter found;
    {
        asking = true;
        const struct Done {
            ~Done() { asking = false; }
        } done;
        found = askForDefaultPrinter(PrintServerPatience);
    }
    // A window closed, or a program ending, meanwhile wants no print and no question.
    if (window.unloaded() || found.answer == DefaultPrinter::Answer::Interrupted || parent.isNull() || Forms::ended()) {
        return PrintOutcome::Cancelled;
    }
    QPrinterInfo printer;
    if (found.answer == DefaultPrinter::Answer::NotAsked) {
        printer = QPrinterInfo::defaultPrinter();
    } else if (found.answer == DefaultPrinter::Answer::Printer) {
        printer = QPrinterInfo::printerInfo(QString::fromStdString(found.name));
    }
    QString problem = problemBefore(found, printer);
    if (problem.isEmpty()) problem = printOn(printer, page, below, jobName);
    if (problem.isEmpty()) {
        // Said once for each print, so that nobody presses again for a page already on its way.
        //: Shown once after Print Results has handed the page to the printer; %1 is the
        //: printer's name as set up on the computer. "Results" is the student's record of the set.
        dialogs().tellPrinted(parent,
                              QCoreApplication::translate("Print", "The results were sent to the printer \"%1\".")
                                  .arg(printer.printerName()));
        return PrintOutcome::Printed;
    }
    return offerPdfInstead(parent, problem, jobName, suggestedPdfName,
                           [&](QPagedPaintDevice& device) { return renderPage(page, device, below); });
}

}  // namespace tarnivo::tk
