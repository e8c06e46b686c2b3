// SPDX-License-Identifier: MIT
// Print Results on a computer with a printer: the end-of-set screen goes to the default
// printer, a private print server's PDF queue, and the page is read back as an image.
#include <QImage>
#include <QTransform>
#include <chrono>

#include "tests/practice_window/practice_fixture.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"
#include "tests/support/scripted_dialogs.h"

namespace practice_test {
namespace {

using namespace std::chrono_literals;
using tarnivo::testing::CupsTestServer;

class PrintOnPrinter : public PracticeWindow {
protected:
    void SetUp() override {
        CupsTestServer::isolatePrinting();
        PracticeWindow::SetUp();
    }
    // Any question from the print service means the page did not reach the printer.
    tarnivo::testing::ScriptedDialogs dialogs;
};

TEST_F(PrintOnPrinter, TheEndOfSetScreenComesOutOnTheDefaultPrinter) {
    const QString reason = CupsTestServer::unavailableReason();
    if (!reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
    if (!tarnivo::testing::canRenderPdf()) GTEST_SKIP() << "pdftoppm is not installed";
    CupsTestServer server;
    if (!server.start()) GTEST_SKIP() << "no print server could be started: " << server.failure().toStdString();
    const QString queue = QStringLiteral("TarnivoRecord");
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue)) << server.failure().toStdString();

    fillStudentData();
    click(form->cmdStart);
    form->shutdown();  // the end-of-set screen, as the twentieth right answer leaves it
    settle();
    const QImage screen = widgetOf(*form)->grab().toImage();
    click(form->cmdPrintIt);
    ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
    EXPECT_EQ(server.completedJobs(queue), 1);
    EXPECT_EQ(dialogs.asked(), 0);
    EXPECT_EQ(widgetOf(*form)->grab().toImage(), screen) << "printing leaves the window as it was";

    QImage page = tarnivo::testing::renderPdfPage(server.outputOf(queue), 50);
    ASSERT_FALSE(page.isNull());
    page.save(QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-print-page.png"));
    // The window is wider than tall, so it comes out landscape, turned on portrait paper.
    if (page.width() < page.height()) page = page.transformed(QTransform().rotate(90));

    using tarnivo::testing::near;
    const QRect printed = tarnivo::testing::boundingBox(page, [](QRgb c) { return qGray(c) < 250; });
    ASSERT_TRUE(printed.isValid());
    EXPECT_NEAR(double(printed.width()) / printed.height(), 612.0 / 529.0, 0.08) << "the whole window, in proportion";
    // The grey student band lies along the bottom of the printed window, with the
    // pale orange student labels in it; most of the rest is the white end-of-set screen.
    const QRect band = tarnivo::testing::rowBand(page, near(qRgb(0xE0, 0xE0, 0xE0), 12), 0.3);
    ASSERT_TRUE(band.isValid());
    EXPECT_GT(band.top(), printed.top() + printed.height() * 85 / 100);
    EXPECT_GE(band.bottom(), printed.bottom() - 2);
    const int bottomStrip = printed.top() + printed.height() * 85 / 100;
    const QRect labels(printed.left(), bottomStrip, printed.width(), printed.bottom() - bottomStrip);
    EXPECT_GT(tarnivo::testing::countPixels(page, labels, near(qRgb(0xFF, 0xE0, 0xC0), 20)), labels.width() * 2);
    const QRect upper(printed.left(), printed.top(), printed.width() / 2, printed.height() / 2);
    EXPECT_GT(tarnivo::testing::countPixels(page, upper, near(qRgb(255, 255, 255), 6)),
              upper.width() * upper.height() / 2);
}

}  // namespace
}  // namespace practice_test
