#include "picturedialog/PictureReach.h"

#include "platform/FileNames.h"
#include "platform/FolderEntries.h"
#include "platform/RegularFile.h"

#include <QFileInfo>

PictureReach::State PictureReach::Of(const QString& path) {
    // A link that leads nowhere is judged by the place it leads to. Qt follows links only
    // for names it can spell; a name of other bytes is judged where it stands.
    QString target = path;
    if (!FileNames::HasKeptBytes(path)) {
        QFileInfo info(path);
        for (int depth = 0; depth < 40 && info.isSymLink() && !info.exists(); ++depth)
            info.setFile(info.symLinkTarget());
        target = info.absoluteFilePath();
    }
    switch (RegularFile::TypeOf(target)) {
    case RegularFile::Type::Regular:
        return State::Present;
    case RegularFile::Type::Missing:
        break;
    case RegularFile::Type::Folder:
    case RegularFile::Type::Other:
        return State::Gone; // something else stands in the picture's place
    }
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash > 0 ? target.left(slash) : QStringLiteral("/");
    if (RegularFile::TypeOf(folder) != RegularFile::Type::Folder)
        return State::Unreachable;
    // A folder with nothing in it (or that cannot be read) may be the mount point of a
    // stick or a network share that is not there now: its picture is not known to be gone.
    const auto entries = FolderEntries::Read(folder);
    if (!entries || entries->empty())
        return State::Unreachable;
    return State::Gone;
}

QString PictureReach::UnreachableText(const QString& path) {
    return QStringLiteral("Das Bild %1 kann nicht erreicht werden, weil sein Ordner oder sein "
                          "Datenträger nicht verfügbar ist.")
        .arg(FileNames::Displayed(path));
}
