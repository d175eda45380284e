#include "picturedialog/PictureReach.h"

#include <QDir>
#include <QFileInfo>

PictureReach::State PictureReach::Of(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink() && !info.exists(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.exists())
        return info.isFile() ? State::Present : State::Gone;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return State::Unreachable;
    // A folder with nothing in it (or that cannot be read) may be the mount point of a
    // stick or a network share that is not there now: its picture is not known to be gone.
    if (QDir(folder.filePath())
            .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return State::Unreachable;
    return State::Gone;
}

QString PictureReach::UnreachableText(const QString& path) {
    return QStringLiteral("Das Bild %1 kann nicht erreicht werden, weil sein Ordner oder sein "
                          "Datenträger nicht verfügbar ist.")
        .arg(path);
}
