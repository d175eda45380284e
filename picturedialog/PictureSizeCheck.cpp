#include "picturedialog/PictureSizeCheck.h"

#include "game/BoardGeometry.h"
#include "platform/AppError.h"
#include "platform/FileNames.h"
#include "widgets/WDMessageDialog.h"

#include <QDir>
#include <QFileInfo>

namespace PictureSizeCheck {

std::optional<PictureFile::Kind> KindByExtension(const QString& file) {
    return PictureFile::KindByExtension(file);
}

QSize ReadSize(const QString& file) {
    const std::optional<PictureFile::Kind> kind = KindByExtension(file);
    if (!kind)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden. Die "
                                      "Endung „.%2“ gehört zu keinem bekannten Bildformat.")
                           .arg(QDir::toNativeSeparators(FileNames::Displayed(file)),
                                FileNames::Displayed(QFileInfo(file).suffix())));
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

void TryDecode(const QString& file) {
    const QSize size = ReadSize(file);
    PictureFile::Load(file, *KindByExtension(file), BoardGeometry::DecodeSize(size));
}

} // namespace PictureSizeCheck
