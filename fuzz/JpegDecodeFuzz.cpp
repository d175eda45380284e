// JPEG decoding at every scale the decoder offers (n/8 for n = 1 ... 8): a picture comes out
// at least as large as asked for, or the data is refused with an AppError.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "platform/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    QSize full;
    try {
        full = JpegCodec::ReadSize(bytes);
    } catch (const AppError&) {
        return 0;
    }
    for (int eighths = 1; eighths <= 8; ++eighths) {
        const QSize wanted((full.width() * eighths + 7) / 8, (full.height() * eighths + 7) / 8);
        try {
            const QImage image = JpegCodec::Decode(bytes, eighths == 8 ? QSize() : wanted);
            FuzzSupport::Check(image.format() == QImage::Format_RGB888,
                               "decoded picture not RGB888");
            FuzzSupport::Check(image.width() >= wanted.width() &&
                                   image.height() >= wanted.height() &&
                                   image.width() <= full.width() && image.height() <= full.height(),
                               "decoded picture outside the size asked for");
        } catch (const AppError&) {
        }
    }
    return 0;
}
