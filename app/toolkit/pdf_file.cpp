// SPDX-License-Identifier: MIT
#include "app/toolkit/pdf_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

// The system's reason for the last failure, as strerror words it ("No space left on device").
QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all the bytes to the file and makes sure they reached the disk: a full disk can
// refuse them at write, at fsync or only at close. Returns the errno of the failure, or 0.
int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // A file system that cannot sync (a pipe, a special file) has written what it took.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) return errno;
    return 0;
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
    // Written with the system's own calls, whose errno says why a write failed: Qt's file
    // reports "Unknown error" when its buffer cannot be flushed, as on a full disk.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return systemReason(errno);
    struct stat status = {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    int error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0) return {};
    // What was left of the file is no record; a device the name pointed at is not a file to remove.
    if (regular) ::unlink(name.constData());
    return systemReason(error);
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
