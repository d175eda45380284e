#include "platform/picturereader/PictureDecoder.h"

#include "platform/PictureLimits.h"
#include "platform/picturereader/PictureReply.h"

#include <QPainter>

namespace {

// What Qt's readers may allocate for one picture: the largest accepted picture at 16 bits
// per channel with alpha.
constexpr int AllocationMegabytes =
    static_cast<int>(PictureLimits::MaximumPixels * 8 / (1024 * 1024)) + 1;

// Transparent parts of a picture are shown on white, as the metafiles are.
QImage OnWhite(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB888);
    QImage result(picture.size(), QImage::Format_RGB888);
    if (result.isNull())
        return result;
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    painter.end();
    return result;
}

} // namespace

// The reader is bound to one format: bytes of another kind are refused, not guessed at, and
// the picture is turned the way its own header says.
PictureDecoder::PictureDecoder(std::unique_ptr<QIODevice> file, const char* format)
    : device(std::move(file)), reader(device.get(), format) {
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationMegabytes);
}

QSize PictureDecoder::HeaderSize() {
    if (!reader.canRead())
        return {};
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {};
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

QImage PictureDecoder::Decode(QSize minimumSize) {
    const QSize header = HeaderSize();
    if (!PictureLimits::IsAcceptable(header.width(), header.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || image.size() != header)
        return {};
    const QSize wanted = PictureReply::PixelSize(header, minimumSize);
    if (wanted != header)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = OnWhite(image);
    return image.size() == wanted ? image : QImage();
}
