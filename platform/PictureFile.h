#pragma once
// Picture files on disk (BMP, JPEG, WMF, PNG, WebP, TIFF, GIF): which kind a file is, its
// pixel size read cheaply from the header, and loading it as a 24-bit picture. Every file
// comes in through RegularFile: a regular file, read no further than its size, with a cap.
// PNG, WebP, TIFF and GIF files, sizes and pixels alike, are read by the picture reader in a
// process of its own, with a time limit (PictureReaderProcess).

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class PictureFile {
public:
    enum class Kind { Bitmap, Jpeg, Metafile, Png, WebP, Tiff, Gif };

    // The kind a whole extension names, in any letter case: ".bmp", ".jpg" or ".jpeg",
    // ".wmf", ".png", ".webp", ".tif" or ".tiff", ".gif"; nothing for any other name.
    static std::optional<Kind> KindByExtension(const QString& fileName);

    // The extensions KindByExtension knows, lower case, without the dot.
    static QStringList Extensions();

    // The kind named by the extension; any other extension gives fallback (the kind of the
    // previous load).
    static Kind KindOf(const QString& fileName, Kind fallback = Kind::Bitmap);

    // The picture's size in pixels from the file's header, without decoding the pixels,
    // the right way up (a photo stored sideways counts with its sides swapped).
    // Throws AppError naming the file when it is missing, no regular file, unreadable or
    // no picture. The size the picture reader told last (asked for, or with a picture) is
    // kept while the file is unchanged.
    static QSize ReadSize(const QString& fileName, Kind kind);

    // The whole picture, the right way up, as Format_RGB888 (transparent parts on white).
    // With a minimumSize that has a positive component, the picture may come back smaller
    // than the file (a JPEG scaled by n/8 while decoding, other raster kinds scaled after
    // it) but never smaller than minimumSize; a component <= 0 does not constrain. A
    // metafile with both components positive is drawn straight at minimumSize, otherwise at
    // its own size (shrunk to what can be held, see WmfPlayer). Throws AppError naming the
    // file on any failure.
    //
    // The last picture loaded is kept: loading the same unchanged file at the same size
    // again (the chooser's trial, then the board) costs nothing. So is the last failure:
    // a file that could not be loaded is refused again at once while it is unchanged.
    static QImage Load(const QString& fileName, Kind kind, QSize minimumSize = {});

    // Lets go of the last picture loaded, the last failure and the last size the picture
    // reader told, so that the next load decodes (for timings).
    static void ForgetLastPicture();
};
