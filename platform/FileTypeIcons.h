#pragma once
// The desktop's small icons for files by their type, as a file manager shows them. The
// type comes from the name alone, so listing a folder never opens its files; icons are
// looked up once per extension.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QString>

class FileTypeIcons {
public:
    // The icon for a file of that name (only the extension counts), or the folder icon.
    QIcon IconFor(const QString& fileName, bool isFolder);

private:
    QFileIconProvider provider;
    QHash<QString, QIcon> byExtension;
    QIcon folder;
};
