#include "PackedPictures.h"

#include <algorithm>
#include <cstring>
#include <zstd.h>

namespace PackedPictures {

namespace {

const Header* HeaderOf(const unsigned char* pack) {
    if (pack == nullptr)
        return nullptr;
    const auto* header = reinterpret_cast<const Header*>(pack);
    if (std::memcmp(header->magic, Magic, sizeof Magic) != 0 || header->entrySize != sizeof(Entry))
        return nullptr;
    return header;
}

const Entry* EntriesOf(const unsigned char* pack) {
    return reinterpret_cast<const Entry*>(pack + sizeof(Header));
}

QByteArray NameOf(const Entry& entry) {
    return QByteArray(entry.name, qsizetype(strnlen(entry.name, sizeof entry.name)));
}

// The entry's picture in place, or unpacked; null when its numbers do not add up.
QImage Picture(const unsigned char* pack, const Header& header, const Entry& entry) {
    const auto format = static_cast<QImage::Format>(entry.format);
    if (entry.format == QImage::Format_Invalid || entry.format >= QImage::NImageFormats ||
        entry.width == 0 || entry.height == 0 || entry.width > 0x7fff || entry.height > 0x7fff)
        return {};
    const quint64 pixels = quint64(entry.bytesPerLine) * entry.height;
    if (entry.offset % Alignment != 0 || entry.offset > header.size ||
        entry.storedSize > header.size - entry.offset)
        return {};
    const unsigned char* stored = pack + entry.offset;
    QImage picture;
    if (entry.compressed == 0) {
        if (entry.storedSize != pixels)
            return {};
        picture = QImage(stored, int(entry.width), int(entry.height), qsizetype(entry.bytesPerLine),
                         format);
        if (picture.bytesPerLine() != qsizetype(entry.bytesPerLine))
            return {};
    } else {
        if (ZSTD_getFrameContentSize(stored, entry.storedSize) != pixels)
            return {};
        picture = QImage(int(entry.width), int(entry.height), format);
        if (picture.isNull() || quint64(picture.sizeInBytes()) != pixels ||
            picture.bytesPerLine() != qsizetype(entry.bytesPerLine))
            return {};
        const size_t unpacked = ZSTD_decompress(picture.bits(), pixels, stored, entry.storedSize);
        if (ZSTD_isError(unpacked) || unpacked != pixels)
            return {};
    }
    if (entry.dotsPerMeterX > 0 && entry.dotsPerMeterY > 0) {
        picture.setDotsPerMeterX(entry.dotsPerMeterX);
        picture.setDotsPerMeterY(entry.dotsPerMeterY);
    }
    return picture;
}

} // namespace

QImage Find(const unsigned char* pack, const QString& path) {
    const Header* header = HeaderOf(pack);
    if (header == nullptr)
        return {};
    const QByteArray name = path.toLatin1();
    const Entry* begin = EntriesOf(pack);
    const Entry* end = begin + header->count;
    const Entry* found =
        std::lower_bound(begin, end, name, [](const Entry& entry, const QByteArray& key) {
            return NameOf(entry) < key;
        });
    if (found == end || NameOf(*found) != name)
        return {};
    return Picture(pack, *header, *found);
}

QStringList Names(const unsigned char* pack) {
    QStringList names;
    const Header* header = HeaderOf(pack);
    if (header == nullptr)
        return names;
    const Entry* entries = EntriesOf(pack);
    for (quint32 i = 0; i < header->count; ++i)
        names.append(QString::fromLatin1(NameOf(entries[i])));
    return names;
}

} // namespace PackedPictures
