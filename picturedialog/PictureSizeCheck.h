#pragma once
// The size rule every picture file passes before it is played or kept as a favorite: at
// least 400 x 500 pixels, read from the file's header alone, never from its pixels.

#include "platform/PictureFile.h"

#include <QSize>
#include <QString>
#include <optional>

namespace PictureSizeCheck {

// The kind a file's whole extension names; nothing for an extension no decoder knows (a
// file given on the command line may have any name).
std::optional<PictureFile::Kind> KindByExtension(const QString& file);

// The picture's size from its header. Throws AppError naming the file when it cannot be
// read or its extension names no kind of picture.
QSize ReadSize(const QString& file);

// True for a picture of at least 400 x 500 pixels; otherwise the player is told
// "Die Bildgröße sollte mindestens 400 x 500 Pixel betragen." and the result is false.
bool PassesMinimumSize(QSize picture);

// ReadSize, then PassesMinimumSize.
bool CheckMinimumSize(const QString& file);

// Decodes the picture as the board will, so that a file whose header reads well but whose
// data does not (cut short, too much work) is reported while the player can still choose
// another. Throws AppError naming the file.
void TryDecode(const QString& file);

} // namespace PictureSizeCheck
