#pragma once
// Pictures the build has packed as pixels ready to draw, found by their resource path
// (":/art/TOP.png"): a picture stored as it is is handed out in place, with neither
// decoding nor a copy; one stored compressed is unpacked by a fast codec (zstd).

#include <QImage>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace PackedPictures {

// The layout of a pack: the header, the entries sorted by name, then the pixels of every
// picture from a 64-byte boundary (counted from the start of the pack), line after line
// with the bytes per line QImage gives that width and format; compressed, as one zstd frame.
// A resolution of 0 leaves the default of a new image.
struct Header {
    char magic[8];
    quint32 count;
    quint32 entrySize;
    quint64 size;
};

struct Entry {
    char name[64];
    quint32 width;
    quint32 height;
    quint32 bytesPerLine;
    quint32 format;
    qint32 dotsPerMeterX;
    qint32 dotsPerMeterY;
    quint64 offset;
    quint64 storedSize;
    quint32 compressed;
    quint32 reserved;
};

inline constexpr char Magic[8] = {'T', 'S', 'P', 'A', 'C', 'K', '1', '\0'};
inline constexpr int Alignment = 64;

// The picture stored under `path` in `pack`, or a null image when the pack (or a null
// `pack`) holds none or the entry does not hold together.
QImage Find(const unsigned char* pack, const QString& path);

// The names of all pictures in the pack, sorted.
QStringList Names(const unsigned char* pack);

} // namespace PackedPictures
