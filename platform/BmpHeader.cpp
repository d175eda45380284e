#include "platform/BmpHeader.h"

#include <limits>

namespace {

constexpr qint64 Saturated = std::numeric_limits<qint64>::max();

quint32 U16(const QByteArray& bytes, qsizetype at) {
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData()) + at;
    return quint32(b[0]) | (quint32(b[1]) << 8);
}

quint32 U32(const QByteArray& bytes, qsizetype at) {
    return U16(bytes, at) | (U16(bytes, at + 2) << 16);
}

// a * b + c for non-negative values, or Saturated when it does not fit.
qint64 MultiplyAdd(qint64 a, qint64 b, qint64 c) {
    if (b != 0 && a > (Saturated - c) / b)
        return Saturated;
    return a * b + c;
}

} // namespace

std::optional<BmpHeader> BmpHeader::Parse(const QByteArray& start) {
    if (start.size() < 26 || !start.startsWith("BM"))
        return std::nullopt;
    BmpHeader header;
    header.pixelOffset = U32(start, 10);
    const quint32 infoSize = U32(start, 14);
    qint64 height = 0;
    if (infoSize == 12) {
        header.width = static_cast<int>(U16(start, 18));
        height = U16(start, 20);
        header.bitCount = static_cast<int>(U16(start, 24));
    } else if (infoSize >= 40 && start.size() >= 14 + 40) {
        header.width = static_cast<qint32>(U32(start, 18));
        height = static_cast<qint32>(U32(start, 22));
        header.bitCount = static_cast<int>(U16(start, 28));
        header.compression = U32(start, 30);
    } else {
        return std::nullopt;
    }
    if (header.width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min())
        return std::nullopt;
    header.topDown = height < 0;
    header.height = static_cast<int>(height < 0 ? -height : height);
    return header;
}

std::optional<qint64> BmpHeader::RequiredFileSize() const {
    constexpr quint32 Rgb = 0;
    constexpr quint32 BitFields = 3;
    if (compression != Rgb && compression != BitFields)
        return std::nullopt;
    // Rows are padded to whole 32-bit words. Width and bit count are each below 2^32, so
    // their product fits; the rest is computed with saturation.
    const qint64 rowBits = MultiplyAdd(width, bitCount, 31);
    const qint64 stride = rowBits / 32 * 4;
    return MultiplyAdd(stride, height, pixelOffset);
}
