#pragma once
// Writing the generated pictures: any format through Qt's writers, and 24-bit JPEG files
// without chroma subsampling, so that thin coloured lines (frame beads, grid grooves, card
// borders) keep their colour.

#include <QImage>
#include <QString>

namespace Paint {

// Writes image in format ("PNG", "BMP", "JPG" …; quality -1 = the writer's default);
// throws std::runtime_error naming the file when it cannot be written.
void Save(const QImage& image, const QString& path, const char* format, int quality = -1);

// Writes image in 24-bit colour as <folder>/<name>.<format in lower case> (the artwork has
// no transparency: a key colour stands for it) and returns the path; throws like Save.
QString SaveInto(const QImage& image, const QString& folder, const QString& name,
                 const char* format);

// Writes image as a baseline RGB JPEG with full colour resolution; throws
// std::runtime_error when the file cannot be written.
void WriteJpeg(const QImage& image, const QString& path, int quality);

} // namespace Paint
