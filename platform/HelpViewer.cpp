#include "HelpViewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <set>

namespace HelpViewer {

namespace {

// Launchers still running. They are never deleted while they run, not even at the end of the
// program: deleting a QProcess kills it, and with it a browser that it became.
std::set<QProcess*>& RunningLaunchers() {
    static std::set<QProcess*> launchers;
    return launchers;
}

} // namespace

void Show(const QString& helpFile, std::function<void()> onFailure) {
    const QUrl url = QUrl::fromLocalFile(helpFile);
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            onFailure();
        return;
    }
    auto* process = new QProcess;
    RunningLaunchers().insert(process);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto done = [process](bool opened, const std::function<void()>& failure) {
        RunningLaunchers().erase(process);
        process->deleteLater();
        if (!opened)
            failure();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [done, onFailure](int exitCode, QProcess::ExitStatus status) {
                         done(status == QProcess::NormalExit && exitCode == 0, onFailure);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [done, onFailure](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             done(false, onFailure);
                     });
    process->start(launcher, {url.toString()});
}

} // namespace HelpViewer
