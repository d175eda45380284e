#pragma once
// JPEG pictures through libjpeg: header-only size checks, decoding to 24-bit RGB (with
// DCT scaling when a smaller picture is enough) and encoding.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace JpegCodec {

// The picture's size, read from the header only. Throws AppError on a broken header.
QSize ReadSize(const QByteArray& data);

// Decodes to Format_RGB888. With a non-empty minimumSize the decoder may scale down by
// 1/2, 1/4 or 1/8 as long as the result still covers minimumSize in both directions.
// Throws AppError with a German message when the data cannot be decoded.
QImage Decode(const QByteArray& data, QSize minimumSize = {});

// Encodes a picture with the given quality (0..100).
QByteArray Encode(const QImage& image, int quality);

} // namespace JpegCodec
