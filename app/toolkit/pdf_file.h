// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace tarnivo::tk {

// Draws pages on a device; false when it could not.
using PageRenderer = std::function<bool(QPagedPaintDevice&)>;

// Writes the pages as a PDF file titled `title` at `path`, with the same paper and
// resolution as a PDF from the print system. Returns why it could not, in the system's
// words ("Permission denied"), or an empty text when the file was written. A failed
// write leaves no file behind.
QString savePdfFile(const QString& path, const QString& title, const PageRenderer& render);

// A folder the user can write a new file into: Documents, else the home folder, else the
// home folder the account was given, else the folder for temporary files. A home that is
// not set or does not exist is passed over and never created.
QString folderForNewFiles();

}  // namespace tarnivo::tk
