#pragma once
// The one way in for files from outside (pictures, thumbnails, metafiles): a file is read
// only when it is a regular file, never a FIFO, a device or a socket, and never beyond the
// size it had when it was opened, so that no reader can block in open() or read without end.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <memory>

class RegularFile {
public:
    enum class Type { Missing, Regular, Folder, Other };

    // What the path names, links followed, found without opening it.
    static Type TypeOf(const QString& path);
    static bool IsRegular(const QString& path) { return TypeOf(path) == Type::Regular; }

    // The file's size and last change as it is now, for telling a changed file from the one
    // read before.
    struct Identity {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };

    // Opens the path (a name from FileNames or plain text) for reading. Throws AppError
    // naming the file when it is missing, is not a regular file or cannot be opened; a FIFO
    // or a device is refused without waiting for it.
    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    const QString& Path() const { return path; }
    qint64 Size() const { return identity.size; }
    const Identity& Id() const { return identity; }

    // The whole file. Throws AppError naming the file when it is larger than `limit`, is
    // empty or cannot be read.
    QByteArray ReadAll(qint64 limit);

    // Up to `count` bytes from `offset`, fewer at the end of the file.
    QByteArray ReadAt(qint64 offset, qint64 count);

    // A device reading the file from its start that ends where the file ended when it was
    // opened, for readers that pull what they need (headers, Qt's image readers).
    std::unique_ptr<QIODevice> Device();

    // The open file's own descriptor, for handing the file to a process of ours that reads
    // it no further than Size() (the picture reader). It stays this object's to close.
    int Descriptor() const { return descriptor; }

private:
    QString path;
    int descriptor = -1;
    Identity identity;
};
