#include "PictureTools.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace PictureTools {

void AdjustBrightness(QImage& bitmap, int amount) {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        const int value =
            amount <= 0 ? std::max(i - std::abs(amount), 0) : std::min(i + amount, 255);
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
    }
    if (bitmap.format() != QImage::Format_RGB888)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB888);
    const int bytesPerLine = bitmap.width() * 3;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* line = bitmap.scanLine(y);
        for (int i = 0; i < bytesPerLine; ++i)
            line[i] = table[line[i]];
    }
}

QImage WithShadow(const QImage& picture, int width) {
    // The shadow is `width` logical pixels wide, at the picture's own resolution.
    const int shadow = static_cast<int>(std::lround(width * picture.devicePixelRatio()));
    QImage result(picture.width() + shadow, picture.height() + shadow, QImage::Format_RGB888);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    result.fill(Qt::black);
    const QImage source = picture.convertToFormat(QImage::Format_RGB888);
    const int bytes = source.width() * 3;
    for (int y = 0; y < source.height(); ++y)
        std::copy_n(source.constScanLine(y), bytes, result.scanLine(y));
    return result;
}

} // namespace PictureTools
