#pragma once
// Writing the generated pictures: any format through Qt's writers, and 24-bit JPEG files
// without chroma subsampling, so that thin coloured lines (frame beads, grid grooves, card
// borders) keep their colour. A picture painted at scale 2 or 3 (Pixels.h) goes beside the
// one of scale 1 as name@2x / name@3x; bitmaps of those scales are written as PNG, which
// keeps every pixel and a quarter or ninth of the size, and large opaque pictures as JPEG.

#include <QImage>
#include <QString>

namespace Paint {

// `path` with "@2x" or "@3x" before its extension at scale 2 or 3, and the extension
// ".png" for ".bmp" there; `path` itself at scale 1.
QString ScaledPath(const QString& path);

// Writes image in format ("PNG", "BMP", "JPG" …; quality -1 = the writer's default) and
// returns the path written (ScaledPath; at scale 2 or 3 a large opaque picture goes to
// JPEG of full colour resolution, name@2x.jpg); throws std::runtime_error naming the file
// when it cannot be written.
QString Save(const QImage& image, const QString& path, const char* format, int quality = -1);

// Writes image in 24-bit colour as <folder>/<name>.<format in lower case> (the artwork has
// no transparency: a key colour stands for it) and returns the path; throws like Save.
QString SaveInto(const QImage& image, const QString& folder, const QString& name,
                 const char* format);

// Writes image as a baseline RGB JPEG with full colour resolution; throws
// std::runtime_error when the file cannot be written.
void WriteJpeg(const QImage& image, const QString& path, int quality);

} // namespace Paint
