#include "platform/ExifOrientation.h"

#include <QTransform>

namespace ExifOrientation {

namespace {

constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;
constexpr qsizetype TiffStart = 6; // after "Exif\0\0"
constexpr qsizetype EntrySize = 12;

// Reads the numbers of the TIFF structure in its own byte order, never beyond its end.
class TiffData {
public:
    TiffData(const QByteArray& app1) : bytes(app1) {}

    bool ReadByteOrder() {
        if (!Has(TiffStart, 8))
            return false;
        const char first = bytes[TiffStart];
        const char second = bytes[TiffStart + 1];
        if (first == 'I' && second == 'I')
            littleEndian = true;
        else if (first == 'M' && second == 'M')
            littleEndian = false;
        else
            return false;
        return U16(2) == 42;
    }

    bool Has(qsizetype at, qsizetype count) const {
        return at >= 0 && count >= 0 && at <= bytes.size() && count <= bytes.size() - at;
    }

    // Offsets count from the start of the TIFF structure; the caller has checked them.
    quint16 U16(qsizetype offset) const {
        const auto* b = reinterpret_cast<const uchar*>(bytes.constData()) + TiffStart + offset;
        return littleEndian ? quint16(b[0] | (b[1] << 8)) : quint16((b[0] << 8) | b[1]);
    }

    quint32 U32(qsizetype offset) const {
        const quint32 first = U16(offset);
        const quint32 second = U16(offset + 2);
        return littleEndian ? first | (second << 16) : (first << 16) | second;
    }

    bool HasTiff(qsizetype offset, qsizetype count) const { return Has(TiffStart + offset, count); }

private:
    const QByteArray& bytes;
    bool littleEndian = true;
};

} // namespace

int Read(const QByteArray& app1) {
    if (!app1.startsWith(QByteArray("Exif\0\0", 6)))
        return AsStored;
    TiffData tiff(app1);
    if (!tiff.ReadByteOrder())
        return AsStored;
    const quint32 directory = tiff.U32(4);
    if (directory < 8 || !tiff.HasTiff(directory, 2))
        return AsStored;
    // A directory that claims more entries than the block holds is damaged as a whole.
    const int count = tiff.U16(directory);
    if (!tiff.HasTiff(qsizetype(directory) + 2, qsizetype(count) * EntrySize))
        return AsStored;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = qsizetype(directory) + 2 + qsizetype(i) * EntrySize;
        if (tiff.U16(entry) != OrientationTag)
            continue;
        if (tiff.U16(entry + 2) != ShortType || tiff.U32(entry + 4) != 1)
            return AsStored;
        const int value = tiff.U16(entry + 8);
        return value >= 1 && value <= 8 ? value : AsStored;
    }
    return AsStored;
}

bool SwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

QSize Oriented(QSize stored, int orientation) {
    return SwapsSides(orientation) ? stored.transposed() : stored;
}

QImage Apply(const QImage& stored, int orientation) {
    // A quarter turn clockwise, as Qt turns with y pointing down.
    const auto turned = [&stored](qreal degrees) {
        return stored.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    case 5: // mirrored along the falling diagonal
        return turned(90).mirrored(true, false);
    case 6:
        return turned(90);
    case 7: // mirrored along the rising diagonal
        return turned(90).mirrored(false, true);
    case 8:
        return turned(270);
    default:
        return stored;
    }
}

} // namespace ExifOrientation
