#include "private_print_server.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QUrl>
#include <algorithm>
#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

namespace korveld::testing {

namespace {

constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr const char* kCupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";

// CUPS keeps its scheduler and administration commands in sbin, often outside a user's PATH.
QString findProgram(const QString& name) {
    QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) {
        return found;
    }
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream(&file) << text;
    return file.error() == QFile::NoError;
}

} // namespace

PrivatePrintServer::PrivatePrintServer() = default;

PrivatePrintServer::~PrivatePrintServer() {
    stopScheduler();
    removeBackendOutput();
}

QString PrivatePrintServer::describe() const {
    return m_cupsPdfBackend ? QStringLiteral("the CUPS-PDF driver and backend")
                            : QStringLiteral("the CUPS-PDF driver writing to a file (its backend runs only as root)");
}

bool PrivatePrintServer::start() {
    m_cupsd = findProgram(QStringLiteral("cupsd"));
    if (m_cupsd.isEmpty()) {
        m_whyNot = QStringLiteral("CUPS is not installed here (no cupsd; Debian package cups)");
        return false;
    }
    for (const char* tool : {"lpadmin", "lpstat", "cupsaccept", "cupsreject", "cupsenable", "cupsdisable"}) {
        if (findProgram(QString::fromLatin1(tool)).isEmpty()) {
            m_whyNot = QStringLiteral("CUPS's commands are not installed here (no %1)").arg(QLatin1String(tool));
            return false;
        }
    }
    if (!QFileInfo::exists(QString::fromLatin1(kCupsPdfPpd)) ||
        !QFileInfo::exists(QString::fromLatin1(kCupsPdfBackend))) {
        m_whyNot = QStringLiteral("the CUPS-PDF driver is not installed here (Debian package printer-driver-cups-pdf)");
        return false;
    }
    m_ppd = QString::fromLatin1(kCupsPdfPpd);
    m_cupsPdfBackend = geteuid() == 0;

    m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/korveld-cups-XXXXXX"));
    // The scheduler runs its filters as another user, which must reach the spool inside.
    if (!m_folder->isValid() ||
        !QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                     QFile::ExeOther)) {
        m_whyNot = QStringLiteral("no temporary folder for the scheduler");
        return false;
    }
    if (path(QStringLiteral("cups.sock")).toLocal8Bit().size() >= 100) {
        m_whyNot = QStringLiteral("the temporary folder's path is too long for a socket: ") + m_folder->path();
        return false;
    }
    if (!writeConfiguration()) {
        m_whyNot = QStringLiteral("the scheduler's configuration could not be written in ") + m_folder->path();
        return false;
    }
    if (!startScheduler()) {
        m_whyNot = QStringLiteral("the private CUPS scheduler did not start:\n") + logTail();
        return false;
    }
    if (!addQueue()) {
        m_whyNot = QStringLiteral("the CUPS-PDF queue could not be added:\n") + m_lastOutput;
        return false;
    }
    if (m_cupsPdfBackend) {
        const passwd* owner = getpwuid(geteuid());
        m_backendOutput.setPath(QString::fromLocal8Bit(owner != nullptr ? owner->pw_dir : "/nonexistent") +
                                QStringLiteral("/PDF"));
        m_outputExisted = m_backendOutput.exists();
        const QStringList before = m_backendOutput.entryList(QDir::Files);
        m_outputBefore = QSet<QString>(before.begin(), before.end());
    }
    return true;
}

bool PrivatePrintServer::writeConfiguration() {
    for (const char* folder : {"etc", "spool", "spool/tmp", "cache", "state", "log"}) {
        if (!QDir().mkpath(path(QString::fromLatin1(folder)))) {
            return false;
        }
    }
    // Only the socket in the folder listens; no browsing, no sharing, no web pages. Job files and
    // history are kept so that the test can read what the program handed over.
    const QString scheduler = QStringLiteral("Listen %1\n"
                                             "LogLevel info\n"
                                             "Browsing No\n"
                                             "DefaultShared No\n"
                                             "WebInterface No\n"
                                             "DefaultAuthType None\n"
                                             "PreserveJobFiles Yes\n"
                                             "PreserveJobHistory Yes\n"
                                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                             "</Policy>\n")
                                  .arg(path(QStringLiteral("cups.sock")));
    const QString files =
        QStringLiteral("ServerRoot %1\n"
                       "RequestRoot %2\n"
                       "TempDir %3\n"
                       "CacheDir %4\n"
                       "StateDir %5\n"
                       "ErrorLog %6/error_log\n"
                       "AccessLog %6/access_log\n"
                       "PageLog %6/page_log\n"
                       "Printcap %7\n"
                       "FileDevice Yes\n")
            .arg(path(QStringLiteral("etc")), path(QStringLiteral("spool")), path(QStringLiteral("spool/tmp")),
                 path(QStringLiteral("cache")), path(QStringLiteral("state")), path(QStringLiteral("log")),
                 path(QStringLiteral("printcap")));
    return writeFile(path(QStringLiteral("etc/cupsd.conf")), scheduler) &&
           writeFile(path(QStringLiteral("etc/cups-files.conf")), files);
}

void PrivatePrintServer::pointClientsHere() const {
    qputenv("CUPS_SERVER", path(QStringLiteral("cups.sock")).toLocal8Bit());
    // Client settings (client.conf, lpoptions) come from the private folder, not from /etc/cups.
    qputenv("CUPS_SERVERROOT", path(QStringLiteral("etc")).toLocal8Bit());
    // The queue is the default even where the user's own lpoptions name another.
    qputenv("PRINTER", kQueue);
    qunsetenv("LPDEST");
}

bool PrivatePrintServer::startScheduler() {
    m_scheduler.setProgram(m_cupsd);
    m_scheduler.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("etc/cupsd.conf")),
                              QStringLiteral("-s"), path(QStringLiteral("etc/cups-files.conf"))});
    m_scheduler.setProcessChannelMode(QProcess::MergedChannels);
    m_scheduler.setStandardOutputFile(path(QStringLiteral("log/cupsd.out")), QIODevice::Append);
    m_scheduler.start();
    if (!m_scheduler.waitForStarted(5000)) {
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000 && m_scheduler.state() == QProcess::Running) {
        if (QFileInfo::exists(path(QStringLiteral("cups.sock"))) &&
            command(QStringLiteral("lpstat"), {QStringLiteral("-r")}) &&
            m_lastOutput.contains(QStringLiteral("scheduler is running"))) {
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

bool PrivatePrintServer::stopScheduler() {
    if (m_scheduler.state() == QProcess::NotRunning) {
        return true;
    }
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(10000)) {
        m_scheduler.kill();
        m_scheduler.waitForFinished(5000);
    }
    return m_scheduler.state() == QProcess::NotRunning;
}

bool PrivatePrintServer::command(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), path(QStringLiteral("cups.sock")));
    environment.insert(QStringLiteral("CUPS_SERVERROOT"), path(QStringLiteral("etc")));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findProgram(program), arguments);
    const bool finished = process.waitForFinished(20000);
    m_lastOutput = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                   QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PrivatePrintServer::addQueue() {
    const QString queue = QString::fromLatin1(kQueue);
    const QString device = m_cupsPdfBackend ? QStringLiteral("cups-pdf:/")
                                            : QUrl::fromLocalFile(path(QStringLiteral("printed.ps"))).toString();
    return command(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"), device,
                    QStringLiteral("-P"), m_ppd, QStringLiteral("-o"), QStringLiteral("printer-is-shared=false")}) &&
           command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue});
}

std::vector<QueuedJob> PrivatePrintServer::jobs() const {
    cups_job_t* listed = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &listed, kQueue, 0, CUPS_WHICHJOBS_ALL);
    std::vector<QueuedJob> out;
    out.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        out.push_back({listed[i].id, QString::fromUtf8(listed[i].title), static_cast<int>(listed[i].state)});
    }
    cupsFreeJobs(count, listed);
    std::sort(out.begin(), out.end(), [](const QueuedJob& a, const QueuedJob& b) { return a.id < b.id; });
    return out;
}

int PrivatePrintServer::waitUntilDone(int jobId, int milliseconds) const {
    QElapsedTimer waited;
    waited.start();
    int state = 0;
    do {
        for (const QueuedJob& job : jobs()) {
            if (job.id == jobId) {
                state = job.state;
            }
        }
        if (state >= IPP_JSTATE_CANCELED) {
            return state;
        }
        QTest::qWait(50);
    } while (waited.elapsed() < milliseconds);
    return state;
}

QString PrivatePrintServer::documentFile(int jobId) const {
    return path(QStringLiteral("spool/d%1-001").arg(jobId, 5, 10, QLatin1Char('0')));
}

QString PrivatePrintServer::logTail() const {
    QFile log(path(QStringLiteral("log/error_log")));
    if (!log.open(QIODevice::ReadOnly)) {
        return QStringLiteral("(no scheduler log)");
    }
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'));
    return lines.mid(std::max<qsizetype>(0, lines.size() - 30)).join(QLatin1Char('\n'));
}

void PrivatePrintServer::removeBackendOutput() {
    if (!m_cupsPdfBackend || !m_backendOutput.exists()) {
        return;
    }
    for (const QString& name : m_backendOutput.entryList(QDir::Files)) {
        if (!m_outputBefore.contains(name) && name.startsWith(QStringLiteral("korveld"), Qt::CaseInsensitive)) {
            m_backendOutput.remove(name);
        }
    }
    if (!m_outputExisted && m_backendOutput.isEmpty()) {
        m_backendOutput.rmdir(m_backendOutput.path());
    }
}

} // namespace korveld::testing
