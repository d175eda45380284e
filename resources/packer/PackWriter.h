#pragma once
// Writes a pack of pictures in the layout PackedPictures reads: each picture's pixels as
// they are, for the pictures drawn at start, or compressed with zstd for the others.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class PackWriter {
public:
    // Adds `picture` under its resource path `name` (at most 63 Latin-1 characters). False,
    // with the reason in Error(), when the picture cannot be packed.
    bool Add(const QString& name, const QImage& picture, bool compress);

    // The whole pack.
    QByteArray Finish() const;

    const QString& Error() const { return error; }

private:
    struct Item {
        QByteArray name;
        QImage picture;
        QByteArray stored;
        bool compressed;
    };
    std::vector<Item> items;
    QString error;
};
