// SPDX-License-Identifier: MIT
#include "app/toolkit/pdf_file.h"

#include <pwd.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>

namespace tarnivo::tk {

namespace {
bool writableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isAbsolute() && info.isDir() && info.isWritable();
}

QString accountHome() {
    const passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_dir != nullptr ? QFile::decodeName(account->pw_dir) : QString();
}
}  // namespace

QString savePdfFile(const QString& path, const QString& title, const PageRenderer& render) {
    // The page is drawn in memory first, so that only the file system can still fail, and
    // then it says why.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPrinter paper(QPrinter::HighResolution);
        paper.setOutputFormat(QPrinter::PdfFormat);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(paper.resolution());
        pdf.setPageLayout(paper.pageLayout());
        pdf.setTitle(title);
        if (!render(pdf)) return QCoreApplication::translate("Print", "The page could not be drawn.");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        return reason;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.remove();
        return reason;
    }
    return {};
}

QString folderForNewFiles() {
    // Qt takes an unset home for "/", which a student cannot write to.
    const bool homeSet = !qEnvironmentVariableIsEmpty("HOME");
    const QString candidates[] = {
        homeSet ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : QString(),
        homeSet ? QDir::homePath() : QString(),
        accountHome(),
        QDir::tempPath(),
    };
    for (const QString& folder : candidates) {
        if (writableFolder(folder)) return QDir::cleanPath(folder);
    }
    return QDir::currentPath();
}

}  // namespace tarnivo::tk
