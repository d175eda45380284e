#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

QString PicturesDirFromUserDirs(const QString& text, const QString& home) {
    QString found;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (!line.startsWith(QStringLiteral("XDG_PICTURES_DIR=")))
            continue;
        QString value = line.mid(17); // after "XDG_PICTURES_DIR="
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        QString path;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] == QLatin1Char('\\') && i + 1 < value.size())
                ++i;
            path += value[i];
        }
        if (path.startsWith(QStringLiteral("$HOME")))
            path = home + path.mid(5);
        // The last assignment counts, as when the shell reads the file.
        found = QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
    }
    if (found == QDir::cleanPath(home))
        return {};
    return found;
}

QString PicturesDir() {
    const QString home = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = home + QStringLiteral("/.config");
    QString pictures;
    QFile file(config + QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly))
        pictures = PicturesDirFromUserDirs(QString::fromUtf8(file.readAll()), home);
    if (pictures.isEmpty()) {
        const QString variable = qEnvironmentVariable("XDG_PICTURES_DIR");
        if (QDir::isAbsolutePath(variable))
            pictures = QDir::cleanPath(variable);
    }
    return WithSlash(pictures.isEmpty() ? home : pictures);
}

bool ForceFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

} // namespace AppFolders
