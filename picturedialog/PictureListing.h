#pragma once
// What the picture chooser reads from a folder: its picture files (by the extension rule)
// for the file list and its subfolders for the tree, both sorted by name the way the
// player's locale sorts, without regard to letter case.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

struct PictureEntry {
    QString name;
    qint64 size = 0; // 0 for a folder, as the system the format comes from reports them
    QDateTime modified;
    bool isFolder = false;
};

class PictureListing {
public:
    // True when the name ends in a whole extension of a kind of picture the program reads
    // (PictureFile::Extensions), in any letter case: "photo.jpeg" and "a.PNG" pass,
    // "notes.b", "x.JP" and "notapicture." do not.
    static bool IsPictureName(const QString& name);

    // Every entry of `folder` whose name passes IsPictureName, hidden ones and folders
    // included, FIFOs, devices and sockets left out; names that are not UTF-8 are kept as
    // FileNames holds them. A folder that cannot be read gives no entries.
    static std::vector<PictureEntry> ListPictureFiles(const QString& folder);

    // The names of the subfolders of `folder`, without hidden ones (names beginning with
    // "."): real folders and links to real folders, no links to devices. A folder that
    // cannot be read gives none.
    static QStringList FolderNames(const QString& folder);

    // Whether the folder's entries can be read: false for a folder without permission, one
    // that has gone, or something that is no folder.
    static bool CanRead(const QString& folder);

    // Sorts names by the locale's collation, case-insensitively; names that differ only in
    // case keep a fixed order among themselves.
    static void SortNames(QStringList& names);
};
