// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

namespace tarnivo::testing {

// Whether pdftoppm is installed; the page checks read PDF files through it.
bool canRenderPdf();
// The first page of a PDF file as an image at the given resolution, rendered by pdftoppm
// (the way a person would look at it); a null image when that fails.
QImage renderPdfPage(const QString& pdfPath, int dotsPerInch);

using PixelTest = std::function<bool(QRgb)>;
// The smallest rectangle holding every pixel that passes the test; empty when none does.
QRect boundingBox(const QImage& image, const PixelTest& test);
// The tallest run of rows in which at least `share` of the pixels pass the test, so that
// thin lines and antialiased text of the same colour do not count.
QRect rowBand(const QImage& image, const PixelTest& test, double share);
// How many pixels inside `area` pass the test.
int countPixels(const QImage& image, const QRect& area, const PixelTest& test);

// Colour tests with room for smoothing and compression.
PixelTest near(QRgb colour, int tolerance = 40);

}  // namespace tarnivo::testing
