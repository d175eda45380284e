#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(QString path) {
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

namespace AppFolders {

namespace {
QString programDirOverride;
}

QString ProgramDir() {
    if (!programDirOverride.isEmpty())
        return WithSlash(programDirOverride);
    return WithSlash(QCoreApplication::applicationDirPath());
}

void OverrideProgramDir(const QString& folder) {
    programDirOverride = folder;
}

QString SettingsDir() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return WithSlash(base) + QStringLiteral("Tessaly/");
}

QString DataDir() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath() + QStringLiteral("/Documents");
    return WithSlash(documents) + QStringLiteral("Tessaly/");
}

QString FavoritesDir(const QString& dataDir) {
    return dataDir + QStringLiteral("Favoriten/");
}

bool ForceFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

} // namespace AppFolders
