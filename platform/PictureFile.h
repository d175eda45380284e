#pragma once
// Picture files on disk (BMP, JPEG, WMF): which kind a file is, its pixel size read
// cheaply from the header, and loading it as a 24-bit picture.

#include <QImage>
#include <QSize>
#include <QString>

class PictureFile {
public:
    enum class Kind { Bitmap, Jpeg, Metafile };

    // The kind named by the lower-cased extension: ".bmp", ".jpg" or ".jpeg", ".wmf".
    // Any other extension gives fallback (the kind of the previous load).
    static Kind KindOf(const QString& fileName, Kind fallback = Kind::Bitmap);

    // The picture's size in pixels from the file's header, without decoding the pixels.
    // Throws AppError naming the file when it is missing, unreadable or no picture.
    static QSize ReadSize(const QString& fileName, Kind kind);

    // The whole picture as Format_RGB888. With a minimumSize that has a positive
    // component, a JPEG may come back smaller than the file (scaled by n/8 while decoding)
    // but never smaller than minimumSize; a component <= 0 does not constrain. A metafile
    // with both components positive is drawn straight at minimumSize, otherwise at its own
    // size (shrunk to what can be held, see WmfPlayer). Bitmaps always come at their own
    // size. Throws AppError naming the file on any failure.
    static QImage Load(const QString& fileName, Kind kind, QSize minimumSize = {});
};
