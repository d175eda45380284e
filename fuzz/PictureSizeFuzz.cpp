// The check a picture file passes before it becomes a board: the header-only size of each
// kind of file and the size and format rule on it.

#include "FuzzSupport.h"
#include "game/BoardGeometry.h"
#include "platform/AppError.h"
#include "platform/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::EnsureApplication();
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    using Kind = PictureFile::Kind;
    for (const auto& [name, kind] :
         {std::pair{"bild.bmp", Kind::Bitmap}, std::pair{"bild.jpg", Kind::Jpeg},
          std::pair{"bild.wmf", Kind::Metafile}}) {
        const QString path = FuzzSupport::WriteScratchFile(QString::fromLatin1(name), bytes);
        try {
            const QSize picture = PictureFile::ReadSize(path, kind);
            FuzzSupport::Check(picture.width() > 0 && picture.height() > 0, "empty size");
            if (BoardGeometry::CheckPicture(picture) == BoardGeometry::PictureVerdict::Accepted) {
                const int width = BoardGeometry::BoardWidth(picture);
                FuzzSupport::Check(width > 0 && width <= BoardGeometry::MaxBoardWidth,
                                   "accepted picture does not fit the play area");
                const QSize preview = BoardGeometry::PreviewSize(picture);
                FuzzSupport::Check(preview.width() >= 0 && preview.width() <= 120 &&
                                       preview.height() >= 0 && preview.height() <= 120,
                                   "preview outside 120 x 120");
            }
        } catch (const AppError&) {
        }
    }
    return 0;
}
