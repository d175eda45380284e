#pragma once
// How the program's embedded pictures are decoded from their files, told by their resource
// paths: the one rule the art loader and the build's picture packer share, so that a
// picture packed at build time is exactly the image the loader would have decoded.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ArtDecode {

// The picture in `bytes`, the file at resource path `path` of any set (":/art/TOP.png",
// ":/skin/WOB_NORM@2x.png", ":/jpg/100.jpg", ":/cursor/CUR_101.png"), in the form the loader
// hands it out: numbered artwork (":/jpg/") as 24-bit colour through the program's JPEG
// decoder, icons (":/art/ICON_*") with their transparency, cursors as stored, and every
// other picture as opaque 24-bit colour. A null image when the bytes hold no such picture;
// broken numbered artwork throws AppError.
QImage Decode(const QString& path, const QByteArray& bytes);

} // namespace ArtDecode
