#pragma once
// Writes 24-bit JPEG files without chroma subsampling, so that thin coloured lines (frame
// beads, grid grooves, card borders) keep their colour.

#include <QImage>
#include <QString>

namespace JpegWriter {

// Writes image as a baseline RGB JPEG; throws std::runtime_error when the file cannot be
// written.
void Write(const QImage& image, const QString& path, int quality);

} // namespace JpegWriter
