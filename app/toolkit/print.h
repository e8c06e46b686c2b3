// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/toolkit/page_text.h"

class QImage;
class QPagedPaintDevice;

namespace tarnivo::tk {

class Window;

// What became of a request to print a window.
enum class PrintOutcome {
    Printed,     // the default printer accepted the page, and the user was told which printer took it
    SavedAsPdf,  // printing was not possible and the user saved the page as a PDF file
    Cancelled,   // printing was not possible and the user saved nothing
    Failed,      // printing was not possible and the PDF file could not be written either
    Busy,        // an earlier request was still waiting for the print server: nothing more was done
};

// Prints an image of the window's designed client area, with every visible control, on
// the default printer, without a print dialog, and the text below it (continued on
// further pages when it needs them). The print job and a saved PDF file carry
// documentName as their title (the window's caption when it is empty). The print server
// is asked which printer is the default off the window's thread, with the window's events
// handled meanwhile, for at most PrintServerPatience (5 s); a second request while it is
// asked does nothing (Busy). A printed page is followed by one message naming the printer
// that took it. When there is no default printer, the server does not answer, the printer
// is stopped (no job is sent then) or it refuses the job, the user is told why and offered
// to save the same pages as a PDF file (suggestedPdfName, in a folder the user can write
// to); a file that cannot be written is reported with the reason and another try. The
// window itself does not change.
PrintOutcome printWindow(Window& window, const std::string& documentName, const std::string& suggestedPdfName,
                         const PageText& below = {});

// The window's designed client area as an image, at a resolution fit for paper, whatever
// size the window has on screen.
QImage windowImage(const Window& window);

// Lays the image out on a portrait page of the device: at the top, centred across,
// scaled with its proportions kept to the width of the printable area (or its height,
// for an image taller than the page). The text follows under it, in the largest size
// from 10 down to 8 points that keeps it on the first page, or else in 8 points over as
// many pages as it takes. Returns false when the device cannot be painted on. Printing
// and saving as PDF both use it, so the two give the same pages.
bool renderPage(const QImage& image, QPagedPaintDevice& device, const PageText& below = {});

}  // namespace tarnivo::tk
