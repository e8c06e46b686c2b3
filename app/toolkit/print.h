// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QImage;
class QPagedPaintDevice;

namespace tarnivo::tk {

class Window;

// What became of a request to print a window.
enum class PrintOutcome {
    Printed,     // the default printer accepted the page
    SavedAsPdf,  // printing was not possible and the user saved the page as a PDF file
    Cancelled,   // printing was not possible and the user saved nothing
    Failed,      // printing was not possible and the PDF file could not be written either
};

// Prints an image of the window's client area, with every visible control, on the
// default printer, without a print dialog. When there is no default printer or the
// printer fails, the user is told why and offered to save the same page as a PDF file
// (suggestedPdfName, in the documents folder). The window itself does not change.
PrintOutcome printWindow(Window& window, const std::string& suggestedPdfName);

// The window's client area as an image, at a resolution fit for paper.
QImage windowImage(const Window& window);

// Lays the image out on one page of the device: in the orientation that shows it
// largest, scaled to fit the printable area with its proportions kept, and centred.
// Returns false when the device cannot be painted on. Printing and saving as PDF both
// use it, so the two give the same page.
bool renderPage(const QImage& image, QPagedPaintDevice& device);

}  // namespace tarnivo::tk
