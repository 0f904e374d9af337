// A CUPS scheduler of the test's own: its configuration, spool and logs in a temporary folder,
// reached only through a socket in that folder, with one queue on the CUPS-PDF driver made the
// default. The machine's own scheduler, queues and settings are neither read nor changed.
#pragma once

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace korveld::testing {

struct QueuedJob {
    int id = 0;
    QString title;
    int state = 0; // ipp_jstate_t: 9 completed, 8 aborted, 7 cancelled, 3..6 on the way
};

class PrivatePrintServer {
public:
    static constexpr const char* kQueue = "korveld-test-pdf";

    PrivatePrintServer();
    ~PrivatePrintServer();
    PrivatePrintServer(const PrivatePrintServer&) = delete;
    PrivatePrintServer& operator=(const PrivatePrintServer&) = delete;

    // Writes the configuration, starts the scheduler and adds the queue; false with whyNot() set
    // when this machine cannot run it (CUPS or the CUPS-PDF driver missing, the scheduler failing).
    bool start();
    const QString& whyNot() const { return m_whyNot; }
    // How the queue writes its pages: the CUPS-PDF backend, or a file where that backend cannot run
    // (it runs only as root).
    QString describe() const;

    // Points this process's CUPS clients (Qt and libcups) at this server, with the queue as the
    // default destination; to be called before any of them asks for a printer.
    void pointClientsHere() const;

    bool stopScheduler();
    bool startScheduler();
    // Runs one of CUPS's administration commands (lpadmin, cupsreject, ...) against this server.
    bool command(const QString& program, const QStringList& arguments);
    // The command line and output of the last command, for a failure message.
    const QString& lastOutput() const { return m_lastOutput; }
    // Adds the queue, accepting and enabled, and makes it the server's default.
    bool addQueue();

    // Every job the queue has held, oldest first.
    std::vector<QueuedJob> jobs() const;
    // Waits until the job has left the queue (completed, aborted or cancelled); its final state.
    int waitUntilDone(int jobId, int milliseconds) const;
    // The document the program handed over for the job, as the spooler keeps it.
    QString documentFile(int jobId) const;
    // The last lines of the scheduler's error log, for a failure message.
    QString logTail() const;

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    bool writeConfiguration();
    void removeBackendOutput();

    std::unique_ptr<QTemporaryDir> m_folder;
    QProcess m_scheduler;
    QString m_whyNot;
    QString m_lastOutput;
    QString m_cupsd;
    QString m_ppd;
    bool m_cupsPdfBackend = false;
    // CUPS-PDF files its pages in the job owner's home; what was there before the test stays.
    QDir m_backendOutput;
    QSet<QString> m_outputBefore;
    bool m_outputExisted = false;
};

} // namespace korveld::testing
