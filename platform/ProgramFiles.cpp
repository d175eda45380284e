#include "ProgramFiles.h"

#include "AppFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Beside(const QString& relative) {
    return QDir::cleanPath(AppFolders::ProgramDir() + relative) + QLatin1Char('/');
}

// The first of the candidates that is a file, or an empty string.
QString FirstFile(std::initializer_list<QString> candidates) {
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

} // namespace

namespace ProgramFiles {

QString InstalledDataDir() {
    return Beside(QStringLiteral(TESSALY_DATADIR_FROM_BINDIR));
}

QString InstalledLibraryDir() {
    return Beside(QStringLiteral(TESSALY_LIBDIR_FROM_BINDIR));
}

QString HelpFile() {
    const QString name = QStringLiteral("tessaly.html");
    const QString found = FirstFile({AppFolders::ProgramDir() + name, InstalledDataDir() + name});
    return found.isEmpty() ? AppFolders::ProgramDir() + name : found;
}

QString Library(const QString& fileName) {
    return FirstFile({AppFolders::ProgramDir() + fileName, InstalledLibraryDir() + fileName});
}

} // namespace ProgramFiles
