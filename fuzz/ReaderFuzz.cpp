// One of the kinds read through Qt's image readers (the kind is chosen when the target is
// built), the way the game reads it: through the picture reader's process, which this
// target runs for every input. The size from the header is within the limits and the same
// as the loaded picture's, and the picture comes as 24-bit colour, or the file is refused
// with an AppError; a reader that crashes, hangs or breaks its answer is one more refusal.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "platform/PictureFile.h"
#include "platform/PictureLimits.h"
#include "platform/PictureReaderProcess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::EnsureApplication();
    PictureReaderProcess::UseProgram(QStringLiteral(TESSALY_PICTURE_READER));
    const QString path = FuzzSupport::WriteScratchFile(QStringLiteral(TESSALY_READER_FILE),
                                                       FuzzSupport::Bytes(data, size));
    constexpr PictureFile::Kind kind = PictureFile::Kind::TESSALY_READER_KIND;
    QSize header;
    try {
        header = PictureFile::ReadSize(path, kind);
    } catch (const AppError&) {
        return 0;
    }
    FuzzSupport::Check(PictureLimits::IsAcceptable(header.width(), header.height()),
                       "size beyond the limits");
    try {
        PictureFile::ForgetLastPicture();
        const QImage picture = PictureFile::Load(path, kind);
        FuzzSupport::Check(picture.format() == QImage::Format_RGB888, "picture not RGB888");
        FuzzSupport::Check(picture.size() == header, "picture not of its header's size");
        const QImage small = PictureFile::Load(path, kind, QSize(1, 1));
        FuzzSupport::Check(small.width() >= 1 && small.width() <= header.width() &&
                               small.height() >= 1 && small.height() <= header.height(),
                           "scaled picture outside the sizes asked for");
    } catch (const AppError&) {
    }
    return 0;
}
