#include "PrivatePrinter.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <cstdlib>
#include <cups/cups.h>
#include <sys/types.h>
#include <sys/wait.h>

namespace {

bool Write(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

PrivatePrinter::PrivatePrinter(bool withPdfQueue) {
    char pattern[] = "/tmp/tessaly-cups-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        problem = QStringLiteral("no temporary folder");
        return;
    }
    root = QString::fromLocal8Bit(pattern);
    // The filters run as the print system's own user, which must reach the spool.
    QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                    QFileDevice::ExeGroup);
    // Every client in this process, Qt's print support included, talks to this server.
    previousServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", (root + "/cups.sock").toLocal8Bit());
    // A server named earlier in this process is forgotten.
    cupsSetServer(nullptr);
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (!Start())
        return;
    if (withPdfQueue &&
        !(Run("lpadmin", {"-p", "TessalyPDF", "-E", "-v", "cups-pdf:/", "-P",
                          "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd",
                          // Ghostscript's PostScript loses which glyph is which letter; the
                          // PDF that comes back would have no text to read.
                          "-o", "pdftops-renderer-default=pdftocairo"}) &&
          Run("lpadmin", {"-d", "TessalyPDF"})))
        return;
    ready = true;
}

bool PrivatePrinter::Start() {
    for (const char* sub : {"etc", "spool", "cache", "state", "tmp", "log", "pdf", "pdfspool"})
        QDir(root).mkpath(QLatin1String(sub));
    QFile::setPermissions(root + "/tmp", QFileDevice::Permissions(0x7777));
    const QString socket = root + "/cups.sock";
    const bool written =
        Write(root + "/etc/cupsd.conf",
              QStringLiteral("LogLevel warn\nListen %1\nBrowsing Off\nDefaultAuthType None\n"
                             "WebInterface No\n<Location />\n  Order allow,deny\n  Allow all\n"
                             "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                             "    Allow all\n  </Limit>\n</Policy>\n")
                  .arg(socket)) &&
        Write(root + "/etc/cups-files.conf",
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                             "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                             "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSystemGroup root\n")
                  .arg(root)) &&
        Write(root + "/cups-pdf.conf",
              QStringLiteral("Out %1/pdf\nAnonDirName %1/pdf\nSpool %1/pdfspool\nGrp root\n")
                  .arg(root));
    if (!written) {
        problem = QStringLiteral("cannot write the configuration");
        return false;
    }
    // The PDF printer reads its settings from a fixed place of the system; in a mount
    // namespace of its own the server sees this test's settings there instead, and the
    // system's file stays untouched.
    const QString command =
        QStringLiteral("mount --bind %1/cups-pdf.conf /etc/cups/cups-pdf.conf && "
                       "exec cupsd -f -c %1/etc/cupsd.conf -s %1/etc/cups-files.conf")
            .arg(root);
    QProcess server;
    server.setProgram(QStringLiteral("unshare"));
    server.setArguments({"-m", "--propagation", "private", "sh", "-c", command});
    server.setStandardOutputFile(root + "/log/cupsd.out");
    server.setStandardErrorFile(root + "/log/cupsd.out");
    if (!server.startDetached(&serverPid)) {
        problem = QStringLiteral("cupsd does not start");
        return false;
    }
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (QFileInfo::exists(socket) && Run("lpstat", {"-r"}))
            return true;
        QThread::msleep(100);
    }
    QFile log(root + "/log/cupsd.out");
    log.open(QIODevice::ReadOnly);
    problem = QStringLiteral("cupsd did not answer: ") + QString::fromLocal8Bit(log.readAll());
    return false;
}

PrivatePrinter::~PrivatePrinter() {
    if (serverPid > 0) {
        ::kill(static_cast<pid_t>(serverPid), SIGTERM);
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && ::kill(static_cast<pid_t>(serverPid), 0) == 0) {
            ::waitpid(static_cast<pid_t>(serverPid), nullptr, WNOHANG);
            QThread::msleep(50);
        }
    }
    if (previousServer.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", previousServer);
    cupsSetServer(nullptr);
    if (!root.isEmpty())
        QDir(root).removeRecursively();
}

bool PrivatePrinter::Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(20000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        problem = program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
    return ok;
}

bool PrivatePrinter::Reject(const QString& reason) {
    return Run("cupsreject", {"-r", reason, "TessalyPDF"});
}

QString PrivatePrinter::WaitForPdf(int seconds) const {
    const QDeadlineTimer deadline(seconds * 1000);
    while (!deadline.hasExpired()) {
        const QFileInfoList found =
            QDir(root + "/pdf").entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
        // cups-pdf writes the file in one go and then lets go of it.
        if (!found.isEmpty() && found.first().size() > 0 &&
            found.first().lastModified().msecsTo(QDateTime::currentDateTime()) > 300)
            return found.first().absoluteFilePath();
        QThread::msleep(200);
    }
    return {};
}
