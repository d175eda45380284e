#pragma once
// One picture read by Qt's reader of its format, as the picture reader program answers for
// it: the size from the header, the right way up, then the pixels as 24-bit colour, scaled
// down to what the game asked for.

#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <memory>

class PictureDecoder {
public:
    // Reads the picture from `file`, an open device over the whole file (never a buffer in
    // memory, which refuses positions beyond the end that a file allows and so takes some
    // decoders down other paths); `format` is one of Qt's readers: "png", "webp", "tiff" or
    // "gif".
    PictureDecoder(std::unique_ptr<QIODevice> file, const char* format);
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    // The picture's size from its header, the right way up (a picture stored sideways counts
    // with its sides swapped); 0 x 0 when the bytes are no picture of the format.
    QSize HeaderSize();

    // The whole picture the right way up, transparent parts on white, as Format_RGB888 of
    // PictureReply::PixelSize(header, minimumSize); a null picture when the pixels cannot be
    // decoded or do not match the header.
    QImage Decode(QSize minimumSize);

private:
    std::unique_ptr<QIODevice> device;
    QImageReader reader;
};
