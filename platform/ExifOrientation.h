#pragma once
// The orientation a camera notes in a JPEG's Exif block (APP1, tag 0x0112): which way the
// stored pixels must be turned and mirrored to show the picture the way it was taken.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace ExifOrientation {

// The values 1 to 8 of the tag; 1 shows the pixels as stored.
inline constexpr int AsStored = 1;

// The orientation in the data of an APP1 segment (starting with "Exif\0\0"). Only the first
// directory is read, every offset and count checked against the data; a block that is not
// Exif, is damaged or hostile, or names no valid orientation gives AsStored.
int Read(const QByteArray& app1);

// True for the orientations that turn the picture by a quarter (5 to 8): its width and
// height change places.
bool SwapsSides(int orientation);

// The size the picture shows at, from the size of its stored pixels.
QSize Oriented(QSize stored, int orientation);

// The stored pixels turned and mirrored the way the orientation says.
QImage Apply(const QImage& stored, int orientation);

} // namespace ExifOrientation
