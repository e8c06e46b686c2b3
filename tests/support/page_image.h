// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace tarnivo::testing {

// Whether pdftoppm is installed; the page checks read PDF files through it.
bool canRenderPdf();
// The first page of a PDF file as an image at the given resolution, rendered by pdftoppm
// (the way a person would look at it); a null image when that fails.
QImage renderPdfPage(const QString& pdfPath, int dotsPerInch);
// The title a PDF file carries in its document information, read by pdfinfo; empty when
// it has none or cannot be read.
QString pdfTitle(const QString& pdfPath);
// How many pages a PDF file has, by pdfinfo; 0 when it cannot be read.
int pdfPageCount(const QString& pdfPath);
// The text of a PDF file, line by line as pdftotext lays it out, no-break spaces read as
// spaces; empty when it cannot be read.
QStringList pdfTextLines(const QString& pdfPath);
// The height, in points, of the smallest word on the pages, as pdftotext measures it.
double smallestWordHeight(const QString& pdfPath);

using PixelTest = std::function<bool(QRgb)>;
// The smallest rectangle holding every pixel that passes the test; empty when none does.
QRect boundingBox(const QImage& image, const PixelTest& test);
// The smallest rectangle around the dark ink (grey below 100) inside `area` of the image, in
// the image's coordinates; empty when there is none.
QRect darkInkIn(const QImage& image, const QRect& area);
// The tallest run of rows in which at least `share` of the pixels pass the test, so that
// thin lines and antialiased text of the same colour do not count.
QRect rowBand(const QImage& image, const PixelTest& test, double share);
// How many pixels inside `area` pass the test.
int countPixels(const QImage& image, const QRect& area, const PixelTest& test);

// The mean difference of grey level, 0 to 255, between two images once the second is
// scaled to the first's size: near 0 when they show the same picture.
double meanDifference(const QImage& image, const QImage& other);

// The colour most pixels inside `area` have: what the rest stands on.
QRgb commonColour(const QImage& image, const QRect& area);
// How the ink inside `area` (text, lines, pictures) reads against the colour most of the
// area has, as WCAG measures contrast, by the fourth strongest pixel, so that no stray
// pixel decides. 1 when there is no ink.
double inkContrast(const QImage& image, const QRect& area);
// How a focus indicator reads: the contrast, against the surface beside the control, of
// the pixels at its edge (two pixels in, three out) that the focus changed, by the fourth
// strongest. 1 when the focus changed nothing there.
double focusContrast(const QImage& focused, const QImage& unfocused, const QRect& control);

// Colour tests with room for smoothing and compression.
PixelTest near(QRgb colour, int tolerance = 40);

}  // namespace tarnivo::testing
