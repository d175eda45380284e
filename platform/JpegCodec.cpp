#include "JpegCodec.h"

#include "AppError.h"

#include <QBuffer>

// Placeholder until the libjpeg implementation lands.
namespace JpegCodec {

QSize ReadSize(const QByteArray& data)
{
    const QImage image = QImage::fromData(data, "JPG");
    if (image.isNull())
        throw AppError(QStringLiteral("Das JPEG-Bild kann nicht gelesen werden."));
    return image.size();
}

QImage Decode(const QByteArray& data, QSize)
{
    const QImage image = QImage::fromData(data, "JPG");
    if (image.isNull())
        throw AppError(QStringLiteral("Das JPEG-Bild kann nicht gelesen werden."));
    return image.convertToFormat(QImage::Format_RGB888);
}

QByteArray Encode(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

} // namespace JpegCodec
