#pragma once
// How the motif library decodes a motif from its embedded JPEG file; shared with the build's
// picture packer, which stores the motif the main window shows at start ready to draw.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace MotifDecode {

// The motif in 24-bit colour; null when the bytes are no JPEG picture. Only the JPEG
// decoder is asked, so no other image plugin is loaded for it.
inline QImage Decode(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer, "jpg");
    reader.setAutoDetectImageFormat(false);
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return {};
    return decoded.convertToFormat(QImage::Format_RGB888);
}

} // namespace MotifDecode
