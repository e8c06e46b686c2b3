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

// Prints an image of the window's designed client area, with every visible control, on
// the default printer, without a print dialog. The print job and a saved PDF file carry
// documentName as their title (the window's caption when it is empty). When there is no
// default printer or the printer fails, the user is told why and offered to save the same
// page as a PDF file (suggestedPdfName, in the documents folder, or the home folder when
// there is none). The window itself does not change.
PrintOutcome printWindow(Window& window, const std::string& documentName, const std::string& suggestedPdfName);

// The window's designed client area as an image, at a resolution fit for paper, whatever
// size the window has on screen.
QImage windowImage(const Window& window);

// Lays the image out on one portrait page of the device: at the top, centred across,
// scaled with its proportions kept to the width of the printable area (or its height,
// for an image taller than the page). Returns false when the device cannot be painted
// on. Printing and saving as PDF both use it, so the two give the same page.
bool renderPage(const QImage& image, QPagedPaintDevice& device);

}  // namespace tarnivo::tk
