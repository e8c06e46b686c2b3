// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "app/toolkit/forms.h"
#include "app/toolkit/print.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/named_rows.h"
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
const QString SentToQueue = QStringLiteral("The results were sent to the printer \"TarnivoPDF\".");

// Counts the key presses that reach the application (first, before its keyboard rules).
class KeyCounter : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

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
            window.cmdPrintIt.usable(), window.surface()->grab().toImage()};
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
        ASSERT_EQ(dialogs.told.size(), print) << "one message for each print";
        EXPECT_EQ(dialogs.told.back(), SentToQueue);
    }
    EXPECT_TRUE(dialogs.reasons.isEmpty()) << dialogs.reasons.join(QLatin1Char('\n')).toStdString();
}

// A print server that takes the connection and never answers (cupsd stopped with SIGSTOP,
// as a hung server is): the window goes on, and within seconds the user hears why and is
// offered the PDF copy. A second press meanwhile starts nothing.
TEST_F(PrintTest, PrintServerThatDoesNotAnswerLeavesTheWindowWorkingAndOffersAPdfWithinSeconds) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue) && server.makeDefault(Queue)) << server.failure().toStdString();
    auto& window = shownWindow();
    QWidget* widget = window.surface();
    dialogs.takeOffer = false;
    ASSERT_TRUE(server.freeze());

    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(50);
    KeyCounter keys;
    QCoreApplication::instance()->installEventFilter(&keys);
    std::optional<PrintOutcome> secondPress;
    QTimer::singleShot(1000, [&] {
        QTest::keyClick(widget, Qt::Key_Tab);
        secondPress = tk::printWindow(window, "", "record.pdf");
    });
    QElapsedTimer clock;
    clock.start();
    const PrintOutcome outcome = tk::printWindow(window, "", "record.pdf");
    const qint64 waited = clock.elapsed();
    ticking.stop();
    QCoreApplication::instance()->removeEventFilter(&keys);
    std::cout << "[ measured ] the window said the print server was not answering after " << waited << " ms, " << ticks
              << " timer ticks of 50 ms handled meanwhile\n";

    EXPECT_EQ(outcome, PrintOutcome::Cancelled);
    EXPECT_GE(waited, 4000) << "the server was given its few seconds";
    EXPECT_LT(waited, 30000) << "given up on within seconds, not minutes";
    EXPECT_GE(ticks, 10) << "the window's events were handled while it waited";
    EXPECT_GE(keys.presses, 1) << "a key pressed meanwhile was handled";
    ASSERT_TRUE(secondPress.has_value()) << "the second press was handled while the first one waited";
    EXPECT_EQ(*secondPress, PrintOutcome::Busy);
    ASSERT_EQ(dialogs.reasons.size(), 1) << "one message, for the first press only";
    EXPECT_EQ(dialogs.reasons[0], QStringLiteral("The print server is not answering."));
    EXPECT_TRUE(dialogs.told.isEmpty());

    // Once the server answers again, the next press prints, once.
    ASSERT_TRUE(server.thaw());
    dialogs.reasons.clear();
    EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::Printed);
    ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
    EXPECT_EQ(server.allJobs(), 1) << "the press that waited sent no job";
    EXPECT_EQ(server.completedJobs(Queue), 1);
    EXPECT_TRUE(dialogs.reasons.isEmpty()) << dialogs.reasons.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialogs.told, QStringList{SentToQueue});
}

// The program ends while the print server is still asked: the thread asking it is still
// inside the print server library as the program's objects go. Run in a process of its
// own (the disabled test below), which must end as the program does, with status 0 and
// nothing from the sanitizers.
TEST_F(PrintTest, ProgramThatEndsWhileThePrintServerIsAskedEndsCleanly) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue) && server.makeDefault(Queue)) << server.failure().toStdString();
    ASSERT_TRUE(server.freeze());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARNIVO_TEST_PRINT_SERVER"), QString::fromLocal8Bit(qgetenv("CUPS_SERVER")));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_also_run_disabled_tests"),
                   QStringLiteral("--gtest_filter=PrintTest.DISABLED_EndsWhileThePrintServerIsAsked")});
    ASSERT_TRUE(program.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(program.readAll());
    server.thaw();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("ended while the print server was asked"))) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("Sanitizer")) || output.contains(QStringLiteral("runtime error")))
        << output.toStdString();
}

// A window of the program that stays open when the print test window is closed.
class StayingWindow : public tk::Window {
public:
    StayingWindow() : Window({.caption = "Staying", .clientWidth = 3000, .clientHeight = 2000}) {}
    void closeRequested() override {}
};

// Run only by the test above: the window waits for a server that never answers; the user
// closes it a second later while another window stays, and then closes that one too,
// which ends the program; it ends as main() ends it.
TEST_F(PrintTest, DISABLED_EndsWhileThePrintServerIsAsked) {
    const QByteArray socket = qgetenv("TARNIVO_TEST_PRINT_SERVER");
    if (socket.isEmpty()) GTEST_SKIP() << "run by ProgramThatEndsWhileThePrintServerIsAskedEndsCleanly";
    setenv("CUPS_SERVER", socket.constData(), 1);
    auto& window = shownWindow();
    auto& staying = tk::Forms::get<StayingWindow>();
    QTimer::singleShot(1000, [&window] { tk::Forms::unload(window); });
    QTimer::singleShot(2000, [&staying] { tk::Forms::unload(staying); });
    EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::Cancelled);
    EXPECT_TRUE(dialogs.reasons.isEmpty()) << "nothing is said for a closed window or to a program that is ending";
    std::cout << "ended while the print server was asked" << std::endl;
    testing::endApplication();
    std::exit(::testing::Test::HasFailure() ? 1 : 0);
}

// A paused printer (`cupsdisable -r "paper jam"`) would hold the job without a word: the
// user hears that it is stopped and why, and no job is left waiting in its queue.
TEST_F(PrintTest, StoppedPrinterIsReportedWithItsReasonAndThePageSavedAsPdf) {
    CupsTestServer server;
    if (!startServer(server)) GTEST_SKIP() << skipReason;
    ASSERT_TRUE(server.addPdfQueue(Queue) && server.makeDefault(Queue) &&
                server.stopQueue(Queue, QStringLiteral("paper jam")))
        << server.failure().toStdString();
    auto& window = shownWindow();
    dialogs.chosenPath = output.filePath(QStringLiteral("stopped.pdf"));

    EXPECT_EQ(tk::printWindow(window, "", "record.pdf"), PrintOutcome::SavedAsPdf);
    ASSERT_EQ(dialogs.reasons.size(), 1);
    EXPECT_EQ(dialogs.reasons[0], QStringLiteral("The printer \"TarnivoPDF\" is stopped: paper jam."));
    EXPECT_TRUE(dialogs.told.isEmpty()) << "nothing was sent";
    EXPECT_EQ(server.allJobs(), 0) << "no copy waits in the stopped queue";
    EXPECT_TRUE(startsWithPdfHeader(dialogs.chosenPath));
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
    EXPECT_TRUE(dialogs.told.isEmpty());
    EXPECT_EQ(server.allJobs(), 0);
    EXPECT_TRUE(startsWithPdfHeader(dialogs.chosenPath));
    testing::expectPageShowsPrintTestWindow(testing::renderPdfPage(dialogs.chosenPath, 50), window);
}

// What the user answers when there is no printer, and what comes of it.
struct NoPrinterRow {
    const char* name;
    bool takeOffer;
    QString chosenFile;  // relative to the output folder; empty: cancel the file dialog
    PrintOutcome outcome;
    QString anotherTry = {};  // the file picked after the first could not be written
};
const NoPrinterRow NoPrinterRows[] = {
    {"SavesWhereTheUserChose", true, QStringLiteral("chosen.pdf"), PrintOutcome::SavedAsPdf},
    {"DeclinesTheOffer", false, QString(), PrintOutcome::Cancelled},
    {"CancelsTheFileDialog", true, QString(), PrintOutcome::Cancelled},
    {"ChoosesAFolderThatDoesNotExist", true, QStringLiteral("missing/chosen.pdf"), PrintOutcome::Failed},
    {"TriesAgainAfterAFolderThatDoesNotExist", true, QStringLiteral("missing/chosen.pdf"), PrintOutcome::SavedAsPdf,
     QStringLiteral("chosen.pdf")},
};
void PrintTo(const NoPrinterRow& row, std::ostream* out) { *out << row.name; }
class WithoutAPrinter : public PrintTest, public ::testing::WithParamInterface<NoPrinterRow> {};

// No print server at all: the private socket has nothing behind it.
TEST_P(WithoutAPrinter, TheUserDecidesAboutAPdfCopy) {
    if (!testing::canRenderPdf())
        GTEST_SKIP() << "pdftoppm is not installed (scripts/install-deps.sh test installs it)";
    const NoPrinterRow& test = GetParam();
    auto& window = shownWindow();
    const WindowState before = stateOf(window);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
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
INSTANTIATE_TEST_SUITE_P(PrintTest, WithoutAPrinter, ::testing::ValuesIn(NoPrinterRows), testing::RowName());

// A folder on a full disk: the system's reason ("No space left on device"), where Qt's
// file said "Unknown error", and no half-written file left behind.
TEST_F(PrintTest, WithoutAPrinterAFolderOnAFullDiskIsReportedWithTheSystemsReason) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small full file system needs root";
    auto& window = shownWindow();
    const WindowState before = stateOf(window);
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tarnivo-full", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0777") != 0) {
        GTEST_SKIP() << "no tmpfs could be mounted for the full-disk case: " << std::strerror(errno);
    }
    const struct Unmount {
        QByteArray where;
        ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
    } unmount{where};
    {
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    ScriptedDialogs answers;
    answers.chosenPath = mountPoint.filePath(QStringLiteral("full.pdf"));
    EXPECT_EQ(tk::printWindow(window, "", "Tarnivo - Smith, Ann.pdf"), PrintOutcome::Failed);
    ASSERT_EQ(answers.failures.size(), 1);
    EXPECT_EQ(answers.failures[0], QStringLiteral("The PDF file \"%1\" could not be written: No space left on device.")
                                       .arg(QDir::toNativeSeparators(answers.chosenPath)));
    EXPECT_FALSE(QFileInfo::exists(answers.chosenPath)) << "the part that was written is removed";
    EXPECT_TRUE(stateOf(window) == before) << "the window is left as it was";
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
