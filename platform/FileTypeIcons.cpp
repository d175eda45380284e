#include "platform/FileTypeIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon FileTypeIcons::IconFor(const QString& fileName, bool isFolder) {
    if (isFolder) {
        if (folder.isNull())
            folder = provider.icon(QAbstractFileIconProvider::Folder);
        return folder;
    }
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (auto found = byExtension.constFind(extension); found != byExtension.constEnd())
        return *found;
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = provider.icon(QAbstractFileIconProvider::File);
    byExtension.insert(extension, icon);
    return icon;
}
