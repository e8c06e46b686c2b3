// SPDX-License-Identifier: MIT
// Print Results on a computer with a printer: the end-of-set screen goes to the default
// printer, a private print server's PDF queue, and the page is read back as an image.
#include <QImage>
#include <chrono>
#include <functional>
#include <utility>

#include "app/toolkit/qt_bridge.h"
#include "tests/practice_window/practice_fixture.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"
#include "tests/support/scripted_dialogs.h"

namespace practice_test {
namespace {

using namespace std::chrono_literals;
using tarnivo::testing::CupsTestServer;

// The grey student band on a printed page. Its edges above and below the labels give
// its width; the grey between the labels, its height.
QRectF bandOn(const QImage& page) {
    const auto grey = tarnivo::testing::near(qRgb(0xE0, 0xE0, 0xE0), 12);
    const QRect edge = tarnivo::testing::rowBand(page, grey, 0.3);
    if (!edge.isValid()) return {};
    const QRect across = tarnivo::testing::boundingBox(page.copy(edge), grey);
    const QRect columns(across.left(), 0, across.width(), page.height());
    const QRect rows = tarnivo::testing::rowBand(page.copy(columns), grey, 0.03);
    return QRectF(across.left(), rows.top(), across.width(), rows.height());
}

class PrintOnPrinter : public PracticeWindow {
protected:
    void SetUp() override {
        CupsTestServer::isolatePrinting();
        PracticeWindow::SetUp();
    }
    // Any question from the print service means the page did not reach the printer.
    tarnivo::testing::ScriptedDialogs dialogs;
};

TEST_F(PrintOnPrinter, TheWholeEndOfSetScreenComesOutUprightWhateverTheWindowsSize) {
    const QString reason = CupsTestServer::unavailableReason();
    if (!reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
    if (!tarnivo::testing::canRenderPdf()) GTEST_SKIP() << "pdftoppm is not installed";
    CupsTestServer server;
    if (!server.start()) GTEST_SKIP() << "no print server could be started: " << server.failure().toStdString();
    const QString queue = QStringLiteral("TarnivoRecord");
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue)) << server.failure().toStdString();

    fillStudentData();
    form->lblName.setCaption("Papadopoulos-Konstantinidou, Alexandra");
    form->lblID.setCaption("202412345");
    workTheWholeSet();
    ASSERT_EQ(form->lblPercent.caption(), " 100%");
    const QImage screen = tarnivo::testing::grabWindow(*form, "practice-print-screen");

    QWidget* window = widgetOf(*form);
    const std::pair<const char*, std::function<void()>> sizes[] = {
        {"shrunk", [window] { window->resize(420, 330); }},
        {"maximised", [window] { window->showMaximized(); }},
    };
    QImage firstPage;
    int printed = 0;
    for (const auto& [what, resize] : sizes) {
        SCOPED_TRACE(what);
        resize();
        settle();
        const QImage before = window->grab().toImage();
        click(form->cmdPrintIt);
        ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
        EXPECT_EQ(server.completedJobs(queue), ++printed) << "each press prints one more copy";
        EXPECT_EQ(dialogs.asked(), 0);
        EXPECT_EQ(window->grab().toImage(), before) << "printing leaves the window as it was";
        EXPECT_EQ(tarnivo::testing::pdfTitle(server.outputOf(queue)),
                  QStringLiteral("Tarnivo - Papadopoulos-Konstantinidou, Alexandra - 12-08-2026"))
            << "the job is named after the student and the date";

        const QImage page = tarnivo::testing::renderPdfPage(server.outputOf(queue), 50);
        ASSERT_FALSE(page.isNull());
        if (firstPage.isNull()) {
            firstPage = page;
            // Sharp enough to read the band, for people to look at.
            tarnivo::testing::renderPdfPage(server.outputOf(queue), 100)
                .save(QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-print-page.png"));
        }
        EXPECT_LT(page.width(), page.height()) << "upright on portrait paper";
        // The grey student band finds the window on the white page: it lies where the
        // designed window puts it, at one scale across and down.
        const QRectF band = bandOn(page);
        ASSERT_TRUE(band.isValid());
        const tk::Frame& frame = form->fraStudentData;
        const QRectF designedBand = tk::toQRect(frame.left(), frame.top(), frame.width(), frame.height());
        const double scale = band.width() / designedBand.width();
        EXPECT_NEAR(band.height() / designedBand.height(), scale, 0.06 * scale) << "in proportion";
        const QRectF onPage(band.left() - designedBand.left() * scale, band.top() - designedBand.top() * scale,
                            screen.width() * scale, screen.height() * scale);
        EXPECT_GT(onPage.width(), page.width() * 0.85) << "as wide as the paper allows";
        EXPECT_NEAR(onPage.left(), page.width() - onPage.right(), 3) << "centred across";
        EXPECT_LT(onPage.top(), page.height() / 12.0) << "at the top of the page";
        EXPECT_LT(tarnivo::testing::meanDifference(page.copy(onPage.toRect()), screen), 8) << "the whole screen";
        EXPECT_LT(tarnivo::testing::meanDifference(page, firstPage), 1) << "the same page at any window size";
    }
}

}  // namespace
}  // namespace practice_test
