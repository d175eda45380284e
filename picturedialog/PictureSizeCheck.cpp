#include "picturedialog/PictureSizeCheck.h"

#include "game/BoardGeometry.h"
#include "platform/AppError.h"
#include "widgets/WDMessageDialog.h"

#include <QDir>
#include <QFileInfo>

namespace PictureSizeCheck {

std::optional<PictureFile::Kind> KindByExtension(const QString& file) {
    // A kind that does not depend on the fallback is the one the extension names.
    const PictureFile::Kind asBitmap = PictureFile::KindOf(file, PictureFile::Kind::Bitmap);
    if (asBitmap != PictureFile::KindOf(file, PictureFile::Kind::Jpeg))
        return std::nullopt;
    return asBitmap;
}

QSize ReadSize(const QString& file) {
    const std::optional<PictureFile::Kind> kind = KindByExtension(file);
    if (!kind)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden. Die "
                                      "Endung „.%2“ gehört zu keinem bekannten Bildformat.")
                           .arg(QDir::toNativeSeparators(file), QFileInfo(file).suffix()));
    return PictureFile::ReadSize(file, *kind);
}

bool PassesMinimumSize(QSize picture) {
    if (BoardGeometry::CheckPicture(picture) != BoardGeometry::PictureVerdict::TooSmall)
        return true;
    WDMessage(QStringLiteral("Information"),
              QStringLiteral("Die Bildgröße sollte mindestens 400 x 500 Pixel betragen."));
    return false;
}

bool CheckMinimumSize(const QString& file) {
    return PassesMinimumSize(ReadSize(file));
}

} // namespace PictureSizeCheck
