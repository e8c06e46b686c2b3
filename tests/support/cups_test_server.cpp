// SPDX-License-Identifier: MIT
#include "tests/support/cups_test_server.h"

#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>

namespace tarnivo::testing {

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
// The server's filters run as another user and must reach the queues' output.
constexpr QFileDevice::Permissions ReadableByAll =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

QString findTool(const QString& name) {
    const QStringList system{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
                             QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/bin")};
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, system) : found;
}

// One folder per test program, removed when it ends; the servers' socket lives in it.
const QString& privateFolder() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tarnivo-print-XXXXXX"));
    static const QString path = [] {
        if (!folder.isValid()) return QString();
        QFile::setPermissions(folder.path(), ReadableByAll);
        return folder.path();
    }();
    return path;
}

QString socketPath() {
    const QString& folder = privateFolder();
    return folder.isEmpty() ? QStringLiteral("/nonexistent/tarnivo-print.sock") : folder + QStringLiteral("/cups.sock");
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

void CupsTestServer::isolatePrinting() {
    static const bool done = [] {
        setenv("CUPS_SERVER", QFile::encodeName(socketPath()).constData(), 1);
        // A printer named in the environment would be taken as the default.
        unsetenv("PRINTER");
        unsetenv("LPDEST");
        return true;
    }();
    (void)done;
}

QString CupsTestServer::unavailableReason() {
    if (geteuid() != 0) return QStringLiteral("the print server runs as root only (its filters switch to the lp user)");
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "cupsreject", "cupsdisable"}) {
        if (findTool(QString::fromLatin1(tool)).isEmpty()) {
            return QStringLiteral("%1 is not installed (scripts/install-deps.sh test installs it)").arg(tool);
        }
    }
    if (!QFileInfo::exists(Ppd)) return QStringLiteral("the PDF printer description %1 is missing").arg(Ppd);
    if (privateFolder().isEmpty()) return QStringLiteral("no temporary folder could be made");
    return {};
}

CupsTestServer::~CupsTestServer() { stop(); }

bool CupsTestServer::writeConfiguration() {
    static int serial = 0;
    folder_ = privateFolder() + QStringLiteral("/server-%1").arg(++serial);
    for (const char* sub : {"spool/tmp", "cache", "state/certs", "log", "out"}) {
        if (!QDir().mkpath(folder_ + QLatin1Char('/') + QLatin1String(sub))) return false;
    }
    QFile::setPermissions(folder_, ReadableByAll);
    QFile::setPermissions(folder_ + QStringLiteral("/out"), ReadableByAll);
    const QString server = QStringLiteral(
                               "Listen %1\n"
                               "LogLevel warn\n"
                               "Browsing No\n"
                               "WebInterface No\n"
                               "DefaultAuthType None\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                               "<Policy default>\n"
                               "  JobPrivateAccess all\n  JobPrivateValues none\n"
                               "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                               "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                               "</Policy>\n")
                               .arg(socketPath());
    // FileDevice lets a queue write its jobs straight into a file: no backend, no ghostscript.
    const QString files = QStringLiteral(
                              "ServerRoot %1\n"
                              "StateDir %1/state\n"
                              "CacheDir %1/cache\n"
                              "RequestRoot %1/spool\n"
                              "TempDir %1/spool/tmp\n"
                              "ServerBin /usr/lib/cups\n"
                              "DataDir /usr/share/cups\n"
                              "DocumentRoot /usr/share/cups/doc-root\n"
                              "AccessLog %1/log/access_log\n"
                              "ErrorLog %1/log/error_log\n"
                              "PageLog %1/log/page_log\n"
                              "FileDevice Yes\n")
                              .arg(folder_);
    return writeFile(folder_ + QStringLiteral("/cupsd.conf"), server) &&
           writeFile(folder_ + QStringLiteral("/cups-files.conf"), files);
}

bool CupsTestServer::start() {
    isolatePrinting();
    if (const QString reason = unavailableReason(); !reason.isEmpty()) {
        failure_ = reason;
        return false;
    }
    if (!writeConfiguration()) {
        failure_ = QStringLiteral("the server's folder %1 could not be written").arg(folder_);
        return false;
    }
    QFile::remove(socketPath());
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(findTool(QStringLiteral("cupsd")),
                 {QStringLiteral("-f"), QStringLiteral("-c"), folder_ + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("-s"), folder_ + QStringLiteral("/cups-files.conf")});
    if (!cupsd_.waitForStarted(10000)) {
        failure_ = QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (cupsd_.state() == QProcess::NotRunning) break;
        QString status;
        if (QFileInfo::exists(socketPath()) && run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &status) &&
            status.contains(QStringLiteral("is running"))) {
            failure_.clear();
            return true;
        }
        QThread::msleep(20);
    }
    failure_ = QStringLiteral("cupsd did not answer: ") + QString::fromLocal8Bit(cupsd_.readAll()) + errorLog();
    stop();
    return false;
}

void CupsTestServer::stop() {
    if (cupsd_.state() != QProcess::NotRunning) {
        thaw();              // a stopped server would not end on SIGTERM
        cupsd_.terminate();  // SIGTERM to the server's own process id
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    if (!folder_.isEmpty()) QDir(folder_).removeRecursively();
    folder_.clear();
}

bool CupsTestServer::run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findTool(program), arguments);
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(30000);
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output != nullptr) *output = text;
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        failure_ = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(" failed: ") + text;
        return false;
    }
    return true;
}

QString CupsTestServer::outputOf(const QString& queue) const {
    return folder_ + QStringLiteral("/out/") + queue + QStringLiteral(".pdf");
}

bool CupsTestServer::addPdfQueue(const QString& queue) {
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), queue, QStringLiteral("-v"), QStringLiteral("file://") + outputOf(queue),
                QStringLiteral("-P"), Ppd, QStringLiteral("-E")});
}

bool CupsTestServer::makeDefault(const QString& queue) {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue});
}

bool CupsTestServer::rejectJobs(const QString& queue) { return run(QStringLiteral("cupsreject"), {queue}); }

bool CupsTestServer::stopQueue(const QString& queue, const QString& reason) {
    return run(QStringLiteral("cupsdisable"), {QStringLiteral("-r"), reason, queue});
}

bool CupsTestServer::freeze() {
    const qint64 id = cupsd_.processId();
    return id > 0 && ::kill(static_cast<pid_t>(id), SIGSTOP) == 0;
}

bool CupsTestServer::thaw() {
    const qint64 id = cupsd_.processId();
    return id > 0 && ::kill(static_cast<pid_t>(id), SIGCONT) == 0;
}

bool CupsTestServer::setPaper(const QString& queue, const QString& size) {
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), queue, QStringLiteral("-o"), QStringLiteral("PageSize=") + size,
                QStringLiteral("-o"), QStringLiteral("media=") + size});
}

bool CupsTestServer::waitUntilIdle(std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    QString pending;
    while (run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &pending)) {
        if (pending.trimmed().isEmpty()) return true;
        if (clock.elapsed() > timeout.count()) {
            failure_ = QStringLiteral("jobs still pending: ") + pending + errorLog();
            return false;
        }
        QThread::msleep(20);
    }
    return false;
}

int CupsTestServer::completedJobs(const QString& queue) {
    QString jobs;
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue},
             &jobs)) {
        return -1;
    }
    return static_cast<int>(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

int CupsTestServer::allJobs() {
    QString jobs;
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}, &jobs)) {
        return -1;
    }
    return static_cast<int>(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

QString CupsTestServer::errorLog() const {
    QFile log(folder_ + QStringLiteral("/log/error_log"));
    return log.open(QIODevice::ReadOnly) ? QStringLiteral("\nserver log:\n") + QString::fromLocal8Bit(log.readAll())
                                         : QString();
}

}  // namespace tarnivo::testing
