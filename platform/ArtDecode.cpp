#include "ArtDecode.h"

#include "JpegCodec.h"

#include <QBuffer>
#include <QImageReader>

namespace ArtDecode {

namespace {

// Reads the picture with the decoder its file name names, and with no other: a decoder
// that is asked by content would first load every image plugin there is.
QImage Read(const QString& path, const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    const QByteArray format = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower().toLatin1();
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage Decode(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    if (path.startsWith(QLatin1String(":/jpg/")))
        return JpegCodec::Decode(bytes);
    const QImage picture = Read(path, bytes);
    if (picture.isNull() || path.startsWith(QLatin1String(":/cursor/")))
        return picture;
    if (path.startsWith(QLatin1String(":/art/ICON_")))
        return picture.convertToFormat(QImage::Format_ARGB32);
    return picture.convertToFormat(QImage::Format_RGB888);
}

} // namespace ArtDecode
