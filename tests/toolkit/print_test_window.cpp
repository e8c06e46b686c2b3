// SPDX-License-Identifier: MIT
#include "tests/toolkit/print_test_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/toolkit/forms.h"
#include "tests/support/page_image.h"

namespace tarnivo::testing {

// The grey of the band, by which the window is found on a page.
constexpr tk::Colour BandGrey = 0x00808080;

PrintTestWindow::PrintTestWindow()
    : Window({.caption = "Print test", .clientWidth = Width, .clientHeight = Height, .backColor = tk::colour::White}) {
    cmdPrintIt.place(*this, "cmdPrintIt",
                     {.left = 6750, .top = 4875, .width = 1500, .height = 750, .caption = "&Print", .tabIndex = 0});
    lblTitle.place(*this, "lblTitle",
                   {.left = 1500,
                    .top = 900,
                    .width = 6000,
                    .height = 900,
                    .caption = "Record of work",
                    .font = {"Arial", 14, 700},
                    .backColor = tk::colour::White,
                    .foreColor = tk::colour::Black,
                    .align = tk::Align::Centre,
                    .bordered = true});
    lblMark.place(*this, "lblMark",
                  {.left = 1500, .top = 2700, .width = 1500, .height = 900, .backColor = tk::colour::Green});
    lblHidden.place(
        *this, "lblHidden",
        {.left = 4500, .top = 2700, .width = 1500, .height = 900, .visible = false, .backColor = tk::colour::Red});
    lblBand.place(*this, "lblBand", {.left = 0, .top = 4500, .width = Width, .height = 1500, .backColor = BandGrey});
}

void PrintTestWindow::closeRequested() { tk::Forms::unload(*this); }

namespace {

// Where a control of the window lands on the page, given where the window landed.
QRectF onPage(const tk::Control& control, const QRectF& windowOnPage) {
    const double scale = windowOnPage.width() / PrintTestWindow::Width;
    return {windowOnPage.left() + control.left() * scale, windowOnPage.top() + control.top() * scale,
            control.width() * scale, control.height() * scale};
}

}  // namespace

void expectPageShowsPrintTestWindow(const QImage& page, const PrintTestWindow& shown) {
    ASSERT_FALSE(page.isNull());
    EXPECT_LT(page.width(), page.height()) << "upright on portrait paper";
    const auto grey = near(qRgb(128, 128, 128), 30);
    const QRect bandRows = rowBand(page, grey, 0.5);
    ASSERT_FALSE(bandRows.isEmpty()) << "no grey band on the page";
    const int middle = bandRows.center().y();
    int left = page.width();
    int right = -1;
    for (int x = 0; x < page.width(); ++x) {
        if (grey(page.pixel(x, middle))) {
            left = std::min(left, x);
            right = x;
        }
    }
    const QRectF band(left, bandRows.top(), right - left + 1, bandRows.height());
    EXPECT_NEAR(band.width() / band.height(), 6.0, 0.3) << "the band keeps its proportions";

    const double height = band.width() * PrintTestWindow::Height / PrintTestWindow::Width;
    const QRectF window(band.left(), band.bottom() - height, band.width(), height);
    EXPECT_GT(window.width(), 0.85 * page.width()) << "the window fills the page's width";
    EXPECT_NEAR(window.left(), page.width() - window.right(), 0.02 * page.width() + 2) << "centred across";
    EXPECT_LT(window.top(), 0.08 * page.height()) << "at the top of the page";

    const QRect mark = boundingBox(page, near(qRgb(0, 255, 0), 60));
    const QRectF expectedMark = onPage(shown.lblMark, window);
    const double slack = 0.015 * window.width() + 1;
    EXPECT_NEAR(mark.left(), expectedMark.left(), slack);
    EXPECT_NEAR(mark.top(), expectedMark.top(), slack);
    EXPECT_NEAR(mark.right() + 1, expectedMark.right(), slack);
    EXPECT_NEAR(mark.bottom() + 1, expectedMark.bottom(), slack);

    const auto dark = [](QRgb pixel) { return qGray(pixel) < 96; };
    const QRect title = onPage(shown.lblTitle, window).toAlignedRect();
    EXPECT_GT(countPixels(page, title, dark), title.width()) << "the bordered title is printed";
    const QRect button = onPage(shown.cmdPrintIt, window).toAlignedRect().adjusted(3, 3, -3, -3);
    EXPECT_LT(countPixels(page, button, grey), button.width() * button.height() / 3) << "the button stands on the band";
    EXPECT_EQ(countPixels(page, page.rect(), near(qRgb(255, 0, 0), 60)), 0) << "a hidden control is not printed";

    const QRect upper = QRectF(window.topLeft(), QPointF(window.right(), band.top())).toAlignedRect();
    const int white = countPixels(page, upper, near(qRgb(255, 255, 255), 20));
    EXPECT_GT(white, 0.75 * upper.width() * upper.height()) << "the window's white background";
}

}  // namespace tarnivo::testing
