#pragma once
// JPEG pictures through libjpeg: header-only size checks, decoding to 24-bit RGB (with
// DCT scaling when a smaller picture is enough) and encoding. Sizes and pictures are the
// right way up: the Exif orientation of a photo stored sideways is applied.

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

namespace JpegCodec {

// The picture's size, read from the header only, with its sides swapped when the Exif
// orientation turns it by a quarter. Throws AppError on a broken header.
QSize ReadSize(const QByteArray& data);

// The same for a file or other device: reads only as far as the frame header, which is
// usually within the first few kilobytes. Throws AppError on a broken or missing header.
QSize ReadSize(QIODevice& device);

// Decodes to Format_RGB888, turned the way the Exif orientation says; greyscale and CMYK
// pictures are converted to RGB. A minimumSize (of the turned picture) with a positive
// component lets the decoder scale down by n/8 (n = 1 ... 7) as long as the result still
// covers minimumSize in both directions (a component <= 0 does not constrain); without one
// the picture is decoded at full size.
// Throws AppError with a German message when the data cannot be decoded, is cut short or
// claims more pixels than PictureLimits allows.
QImage Decode(const QByteArray& data, QSize minimumSize = {});

// Encodes a picture as a colour JPEG with the given quality (0..100), with `comment`, if
// not empty, in a comment segment before the frame. Throws AppError for an empty picture.
QByteArray Encode(const QImage& image, int quality, const QByteArray& comment = {});

// The first comment segment before the frame header, or nothing when the file has none.
// Reads only the header. Throws AppError on a broken or missing header.
QByteArray ReadComment(QIODevice& device);

} // namespace JpegCodec
