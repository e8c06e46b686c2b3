// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <string>

#include "app/toolkit/forms.h"
#include "app/toolkit/print.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_app.h"
#include "tests/toolkit/print_test_window.h"

namespace tarnivo {
namespace {

using namespace std::chrono_literals;
using testing::CupsTestServer;
using testing::PrintTestWindow;
using testing::ScriptedDialogs;
using tk::PrintOutcome;

const QString Queue = QStringLiteral("TarnivoPDF");

// Everything about the window a print could disturb.
struct WindowState {
    std::string caption;
    tk::Colour backColor;
    bool enabled;
    bool visible;
    std::string titleCaption;
    bool hiddenStaysHidden;
    bool buttonUsable;
    QImage screen;
    bool operator==(const WindowState&) const = default;
};

WindowState stateOf(const PrintTestWindow& window) {
    return {window.caption(),           window.backColor(),
            window.enabled(),           window.visible(),
            window.lblTitle.caption(),  !window.lblHidden.visible(),
            window.cmdPrintIt.usable(), window.topLevelWidget()->grab().toImage()};
}

bool startsWithPdfHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

void savePageForPeople(const QImage& page, const QString& name) {
    const QString folder = QStringLiteral(TARNIVO_BUILD_DIR "/screens");
    QDir().mkpath(folder);
    page.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::ensureApplication();
        CupsTestServer::isolatePrinting();
        ASSERT_TRUE(output.isValid());
    }
    void TearDown() override { testing::resetProgram(); }

    PrintTestWindow& shownWindow() {
        auto& window = tk::Forms::get<PrintTestWindow>();
        window.show();
        testing::settle();
        return window;
    }

    // Starts a private print server with one PDF queue, or says why the test cannot run.
    bool startServer(CupsTestServer& server) {
        if (!testing::canRenderPdf()) {
            skipReason = "pdftoppm is not installed (scripts/install-deps.sh test installs it)";
            return false;
        }
        if (!server.start()) {
            skipReason = "no print server could be started: " + server.failure().toStdString();
            return false;
        }
        return true;
    }

    ScriptedDialogs dialogs;
    QTemporaryDir output;
    std::string skipReason;
};

TEST_F(PrintTest, PrintsTheWholeWindowOnTheDefaultPrinterAndCanPrintItAgain) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue) && server.makeDefault(Queue)) << server.failure().toStdString();
    auto& window = shownWindow();
    const WindowState before = stateOf(window);

    for (int print = 1; print <= 2; ++print) {
        SCOPED_TRACE(print);
        EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::Printed);
        ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
        EXPECT_EQ(server.completedJobs(Queue), print);
        const QImage sheet = testing::renderPdfPage(server.outputOf(Queue), 50);
        if (print == 1) savePageForPeople(sheet, QStringLiteral("print-page"));
        testing::expectPageShowsPrintTestWindow(sheet, window);
        EXPECT_TRUE(stateOf(window) == before) << "printing leaves the window as it was";
    }
    EXPECT_TRUE(dialogs.reasons.isEmpty()) << dialogs.reasons.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PrintTest, QueueThatIsNotTheDefaultIsNotUsedBehindTheUsersBack) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue)) << server.failure().toStdString();
    auto& window = shownWindow();
    dialogs.takeOffer = false;

    EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::Cancelled);
    ASSERT_EQ(dialogs.reasons.size(), 1);
    EXPECT_TRUE(dialogs.reasons[0].contains(QStringLiteral("No default printer"))) << dialogs.reasons[0].toStdString();
    EXPECT_TRUE(dialogs.suggestedPaths.isEmpty());
    EXPECT_EQ(server.allJobs(), 0);
    EXPECT_FALSE(QFileInfo::exists(server.outputOf(Queue)));
}

TEST_F(PrintTest, PrinterThatRefusesTheJobIsReportedAndThePageSavedAsPdf) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue) && server.makeDefault(Queue) && server.rejectJobs(Queue))
        << server.failure().toStdString();
    auto& window = shownWindow();
    dialogs.chosenPath = output.filePath(QStringLiteral("refused.pdf"));

    EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::SavedAsPdf);
    ASSERT_EQ(dialogs.reasons.size(), 1);
    EXPECT_TRUE(dialogs.reasons[0].contains(QStringLiteral("\"TarnivoPDF\""))) << dialogs.reasons[0].toStdString();
    EXPECT_TRUE(dialogs.reasons[0].endsWith(QStringLiteral("accepting jobs."))) << "one sentence, one full stop";
    EXPECT_EQ(server.allJobs(), 0);
    EXPECT_TRUE(startsWithPdfHeader(dialogs.chosenPath));
    testing::expectPageShowsPrintTestWindow(testing::renderPdfPage(dialogs.chosenPath, 50), window);
}

// No print server at all: the private socket has nothing behind it.
TEST_F(PrintTest, WithoutAPrinterTheUserDecidesAboutAPdfCopy) {
    if (!testing::canRenderPdf())
        GTEST_SKIP() << "pdftoppm is not installed (scripts/install-deps.sh test installs it)";
    struct Case {
        const char* what;
        bool takeOffer;
        QString chosenFile;  // relative to the output folder; empty: cancel the file dialog
        PrintOutcome outcome;
        QString anotherTry = {};  // the file picked after the first could not be written
    };
    const Case cases[] = {
        {"saves where the user chose", true, QStringLiteral("chosen.pdf"), PrintOutcome::SavedAsPdf},
        {"declines the offer", false, QString(), PrintOutcome::Cancelled},
        {"cancels the file dialog", true, QString(), PrintOutcome::Cancelled},
        {"chooses a folder that does not exist", true, QStringLiteral("missing/chosen.pdf"), PrintOutcome::Failed},
        {"tries again after a folder that does not exist", true, QStringLiteral("missing/chosen.pdf"),
         PrintOutcome::SavedAsPdf, QStringLiteral("chosen.pdf")},
    };
    auto& window = shownWindow();
    const WindowState before = stateOf(window);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ScriptedDialogs answers;
        answers.takeOffer = test.takeOffer;
        answers.chosenPath = test.chosenFile.isEmpty() ? QString() : output.filePath(test.chosenFile);
        answers.pathOnAnotherTry = test.anotherTry.isEmpty() ? QString() : output.filePath(test.anotherTry);
        const QString firstChoice = answers.chosenPath;

        EXPECT_EQ(tk::printWindow(window, "", "Tarnivo - Smith, Ann.pdf"), test.outcome);
        ASSERT_EQ(answers.reasons.size(), 1);
        EXPECT_EQ(answers.reasons[0], QStringLiteral("No default printer is set up on this computer."));
        if (test.takeOffer) {
            ASSERT_EQ(answers.suggestedPaths.size(), test.anotherTry.isEmpty() ? 1 : 2);
            if (!test.anotherTry.isEmpty()) {
                EXPECT_EQ(answers.suggestedPaths[1], firstChoice) << "another try starts from the file that failed";
            }
            const QFileInfo suggested(answers.suggestedPaths[0]);
            EXPECT_EQ(suggested.fileName(), QStringLiteral("Tarnivo - Smith, Ann.pdf"));
            EXPECT_TRUE(suggested.absoluteDir().exists() && QFileInfo(suggested.absolutePath()).isWritable())
                << "offered in a folder that can take the file: " << suggested.absolutePath().toStdString();
            if (QFileInfo(documents).isDir()) {
                EXPECT_EQ(suggested.absolutePath(), documents);
            }
        } else {
            EXPECT_TRUE(answers.suggestedPaths.isEmpty());
        }
        const bool failedOnce = test.outcome == PrintOutcome::Failed || !test.anotherTry.isEmpty();
        EXPECT_EQ(answers.failures.size(), failedOnce ? 1 : 0);
        if (failedOnce) {
            EXPECT_TRUE(answers.failures[0].contains(QDir::toNativeSeparators(firstChoice)));
            EXPECT_TRUE(answers.failures[0].contains(QStringLiteral("No such file or directory")))
                << "the system's reason: " << answers.failures[0].toStdString();
        }
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(),
                  test.outcome == PrintOutcome::SavedAsPdf ? 1 : 0)
            << "only a saved copy leaves a file behind";
        if (test.outcome == PrintOutcome::SavedAsPdf) {
            EXPECT_TRUE(startsWithPdfHeader(answers.chosenPath));
            const QImage page = testing::renderPdfPage(answers.chosenPath, 50);
            savePageForPeople(page, QStringLiteral("pdf-page"));
            testing::expectPageShowsPrintTestWindow(page, window);
            QFile::remove(answers.chosenPath);
        }
        EXPECT_TRUE(stateOf(window) == before) << "the window is left as it was";
    }
}

TEST_F(PrintTest, PageIsUprightWithTheImageAtTheTopAsLargeAsThePaperAllows) {
    if (!testing::canRenderPdf())
        GTEST_SKIP() << "pdftoppm is not installed (scripts/install-deps.sh test installs it)";
    const QSize sizes[] = {{300, 100}, {100, 300}, {200, 200}, {1000, 999}};
    int firstTop = -1;
    for (const QSize& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        const QString path = output.filePath(QStringLiteral("shape.pdf"));
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        ASSERT_TRUE(tk::renderPage(image, pdf));

        const QImage page = testing::renderPdfPage(path, 40);
        ASSERT_FALSE(page.isNull());
        EXPECT_LT(page.width(), page.height()) << "portrait paper, whatever the image's shape";
        const QRect black = testing::boundingBox(page, [](QRgb pixel) { return qGray(pixel) < 64; });
        ASSERT_FALSE(black.isEmpty());
        const double proportion = double(size.width()) / size.height();
        EXPECT_NEAR(double(black.width()) / black.height(), proportion, 0.02 * proportion);
        const double filled = std::max(double(black.width()) / page.width(), double(black.height()) / page.height());
        EXPECT_GT(filled, 0.85) << "scaled up to the printable area";
        EXPECT_NEAR(black.left(), page.width() - 1 - black.right(), 2.0) << "centred across";
        if (firstTop < 0) firstTop = black.top();
        EXPECT_NEAR(black.top(), firstTop, 2.0) << "at the top of the printable area";
        EXPECT_LT(black.top(), page.height() / 10);
    }
    QPrinter unused(QPrinter::HighResolution);
    unused.setOutputFormat(QPrinter::PdfFormat);
    unused.setOutputFileName(output.filePath(QStringLiteral("empty.pdf")));
    EXPECT_FALSE(tk::renderPage(QImage(), unused)) << "nothing to print is refused";
}

}  // namespace
}  // namespace tarnivo
