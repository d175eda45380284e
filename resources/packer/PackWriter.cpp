#include "PackWriter.h"

#include "platform/PackedPictures.h"

#include <algorithm>
#include <cstring>
#include <zstd.h>

namespace {

// Ready-made pictures change seldom and are unpacked far more often than packed.
constexpr int CompressionLevel = 19;

quint64 Aligned(quint64 offset) {
    const quint64 step = PackedPictures::Alignment;
    return (offset + step - 1) / step * step;
}

} // namespace

bool PackWriter::Add(const QString& name, const QImage& picture, bool compress) {
    const QByteArray latin = name.toLatin1();
    if (latin.isEmpty() || latin.size() >= int(sizeof(PackedPictures::Entry::name)) ||
        QString::fromLatin1(latin) != name) {
        error = QStringLiteral("%1: name too long or not Latin-1").arg(name);
        return false;
    }
    if (picture.isNull() || picture.colorCount() > 0) {
        error = QStringLiteral("%1: no picture, or one with a colour table").arg(name);
        return false;
    }
    for (const Item& item : items)
        if (item.name == latin) {
            error = QStringLiteral("%1: packed twice").arg(name);
            return false;
        }
    Item item{latin, picture, {}, compress};
    // The pixels line by line, with the padding at the end of a line cleared, so that the
    // same pictures always make the same pack.
    QByteArray lines(picture.sizeInBytes(), '\0');
    const qsizetype used = (qsizetype(picture.width()) * picture.depth() + 7) / 8;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(lines.data() + y * picture.bytesPerLine(), picture.constScanLine(y),
                    size_t(used));
    const char* pixels = lines.constData();
    const auto size = static_cast<size_t>(lines.size());
    if (compress) {
        item.stored.resize(qsizetype(ZSTD_compressBound(size)));
        const size_t packed = ZSTD_compress(item.stored.data(), size_t(item.stored.size()), pixels,
                                            size, CompressionLevel);
        if (ZSTD_isError(packed)) {
            error = QStringLiteral("%1: %2").arg(name, QLatin1String(ZSTD_getErrorName(packed)));
            return false;
        }
        item.stored.resize(qsizetype(packed));
    } else {
        item.stored = lines;
    }
    items.push_back(std::move(item));
    return true;
}

QByteArray PackWriter::Finish() const {
    std::vector<const Item*> sorted;
    for (const Item& item : items)
        sorted.push_back(&item);
    std::sort(sorted.begin(), sorted.end(),
              [](const Item* a, const Item* b) { return a->name < b->name; });

    std::vector<PackedPictures::Entry> entries(sorted.size());
    quint64 offset =
        Aligned(sizeof(PackedPictures::Header) + entries.size() * sizeof(PackedPictures::Entry));
    for (size_t i = 0; i < sorted.size(); ++i) {
        const Item& item = *sorted[i];
        PackedPictures::Entry& entry = entries[i];
        std::memset(&entry, 0, sizeof entry);
        std::memcpy(entry.name, item.name.constData(), size_t(item.name.size()));
        entry.width = quint32(item.picture.width());
        entry.height = quint32(item.picture.height());
        entry.bytesPerLine = quint32(item.picture.bytesPerLine());
        entry.format = quint32(item.picture.format());
        // A resolution the decoder left at the default is left to the program's default,
        // which follows its screen.
        const QImage fresh(1, 1, item.picture.format());
        if (item.picture.dotsPerMeterX() != fresh.dotsPerMeterX() ||
            item.picture.dotsPerMeterY() != fresh.dotsPerMeterY()) {
            entry.dotsPerMeterX = item.picture.dotsPerMeterX();
            entry.dotsPerMeterY = item.picture.dotsPerMeterY();
        }
        entry.offset = offset;
        entry.storedSize = quint64(item.stored.size());
        entry.compressed = item.compressed ? 1 : 0;
        offset = Aligned(offset + entry.storedSize);
    }

    PackedPictures::Header header;
    std::memset(&header, 0, sizeof header);
    std::memcpy(header.magic, PackedPictures::Magic, sizeof header.magic);
    header.count = quint32(entries.size());
    header.entrySize = sizeof(PackedPictures::Entry);
    header.size = offset;

    QByteArray pack(qsizetype(offset), '\0');
    std::memcpy(pack.data(), &header, sizeof header);
    std::memcpy(pack.data() + sizeof header, entries.data(),
                entries.size() * sizeof(PackedPictures::Entry));
    for (size_t i = 0; i < sorted.size(); ++i)
        std::memcpy(pack.data() + entries[i].offset, sorted[i]->stored.constData(),
                    size_t(sorted[i]->stored.size()));
    return pack;
}
