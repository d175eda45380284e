// BMP files: the size probe from the header and the full load. What loads has the size the
// probe gave.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "platform/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::EnsureApplication();
    const QString path =
        FuzzSupport::WriteScratchFile(QStringLiteral("bild.bmp"), FuzzSupport::Bytes(data, size));
    QSize probed;
    try {
        probed = PictureFile::ReadSize(path, PictureFile::Kind::Bitmap);
        FuzzSupport::Check(probed.width() > 0 && probed.height() > 0, "empty size probed");
    } catch (const AppError&) {
    }
    try {
        const QImage image = PictureFile::Load(path, PictureFile::Kind::Bitmap);
        FuzzSupport::Check(image.format() == QImage::Format_RGB888, "loaded picture not RGB888");
        FuzzSupport::Check(image.size() == probed, "loaded picture differs from the probed size");
    } catch (const AppError&) {
    }
    return 0;
}
