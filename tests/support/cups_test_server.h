// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>

namespace tarnivo::testing {

// A print server of the test's own: cupsd in the foreground on a private socket, with
// its configuration, spool and logs in a temporary folder, so nothing of the machine's
// own print system is read or changed. Started by the test and stopped by process id
// when the object goes, whether the test passed or not.
class CupsTestServer {
public:
    CupsTestServer() = default;
    CupsTestServer(const CupsTestServer&) = delete;
    CupsTestServer& operator=(const CupsTestServer&) = delete;
    ~CupsTestServer();

    // Points every print request of this test program at the private socket, so that
    // no test can reach a real printer. Call before anything asks for printers.
    static void isolatePrinting();
    // Why no server can be started here; empty when one can.
    static QString unavailableReason();

    // Starts cupsd and waits until it answers. On failure, failure() says why.
    bool start();
    void stop();
    [[nodiscard]] const QString& failure() const { return failure_; }

    // Adds an enabled queue whose jobs are written, as PDF, to outputOf(queue).
    bool addPdfQueue(const QString& queue);
    bool makeDefault(const QString& queue);
    bool rejectJobs(const QString& queue);
    // Stops the queue as `cupsdisable -r reason` does: it takes jobs and holds them.
    bool stopQueue(const QString& queue, const QString& reason);
    // Stops the server's process (SIGSTOP): it still takes connections, as the system
    // does for it, and answers nothing until thawed (SIGCONT).
    bool freeze();
    bool thaw();
    // Makes paper of this size ("A4", "Letter") the queue's default.
    bool setPaper(const QString& queue, const QString& size);
    [[nodiscard]] QString outputOf(const QString& queue) const;

    // Waits until no job is pending or printing.
    bool waitUntilIdle(std::chrono::milliseconds timeout);
    // Jobs of the queue that the server finished.
    [[nodiscard]] int completedJobs(const QString& queue);
    // Every job the server ever took, finished or not.
    [[nodiscard]] int allJobs();
    [[nodiscard]] QString errorLog() const;

private:
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr);
    bool writeConfiguration();

    QString folder_;
    QProcess cupsd_;
    QString failure_;
};

}  // namespace tarnivo::testing
