#pragma once
// The largest picture any of the program's decoders will allocate, so that a hostile header
// claiming tens of thousands of pixels each way is refused instead of exhausting memory.

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace PictureLimits {

// 100 megapixels: four times a large camera photo, 300 MB as 24-bit colour.
inline constexpr qint64 MaximumPixels = 100'000'000;

inline bool IsAcceptable(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width * height <= MaximumPixels;
}

inline QString TooLargeMessage(qint64 width, qint64 height) {
    return QStringLiteral("Das Bild ist mit %1 x %2 Pixeln zu groß (höchstens %3 Megapixel).")
        .arg(width)
        .arg(height)
        .arg(MaximumPixels / 1'000'000);
}

} // namespace PictureLimits
