#pragma once
// Picture files of every kind the program reads, made by our own code for the tests, the
// benchmarks and the fuzz seeds: photo-like scenes with marks that show which way is up,
// JPEGs with an Exif orientation, animated GIFs, and the benchmark folder of twelve.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace SamplePictures {

// A photo-like scene (smooth waves with fine grain, so files have realistic sizes) with a
// red band along the top tenth and a green band along the left tenth, so that a test can
// tell which way a picture shows. With alpha, the right half fades to transparent.
QImage Scene(QSize size, int grain = 8, bool alpha = false);

// The stored pixels that the Exif orientation shows as `shown`.
QImage StoredFor(const QImage& shown, int orientation);

// The JPEG with an Exif block naming the orientation, in either byte order, right after
// its start marker.
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian = false);

// The data of an APP1 segment with an Exif block naming the orientation (without the
// marker and length).
QByteArray ExifBlock(int orientation, bool bigEndian = false);

// The picture in one of Qt's formats ("png", "webp", "tiff", "jpeg"); a progressive JPEG
// when asked.
QByteArray Encoded(const QImage& picture, const char* format, bool progressive = false);

// A GIF of the frames (all of the first frame's size), colours reduced to a fixed palette.
QByteArray Gif(const QList<QImage>& frames);

// The benchmark folder: 3:2, 16:9, 4:3 and 1:1 photos, portraits stored sideways with Exif
// orientation 6 and 8, one upside down with 3, a progressive JPEG, a PNG with alpha, a WebP,
// a TIFF and a GIF, at photo sizes times `scale`. Files already there are kept. Returns
// their paths in that order.
QStringList WriteBenchFolder(const QString& folder, double scale = 1.0);

// Writes the bytes to the path; false when that fails.
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace SamplePictures
