#pragma once
// The picture reader's answer as it travels from the reader process to the game, and the
// game's strict reading of it: a prelude of 20 bytes (the mark "TSPR", the picture's size
// from its header and the size of the pixels that follow, each a 32-bit little-endian
// number) and the pixels as rows of red, green and blue bytes, nothing between the rows and
// nothing after the last. Whatever does not fit this to the byte breaks the answer.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QtGlobal>

class PictureReply {
public:
    static constexpr qsizetype PreludeBytes = 20;

    // The longest file the reader reads: a file of Qt's readers larger than this is refused
    // before the reader is started.
    static constexpr qint64 MaximumFileBytes = 512 * 1024 * 1024;

    // The prelude the reader writes. A file that is no picture of its kind has the header
    // size 0 x 0; a header size beyond the limits, or a size asked for alone, comes with the
    // pixel size 0 x 0 and no pixels.
    static QByteArray Prelude(QSize header, QSize pixels);

    // The size of the pixels the reader sends for a picture of the header's size: the
    // smallest size with the picture's proportions that covers minimumSize, never larger
    // than the picture (a component <= 0 does not constrain).
    static QSize PixelSize(QSize header, QSize minimumSize);

    enum class State {
        Incomplete, // more bytes are due
        Broken,     // the bytes break the answer; nothing more is read
        NotThisKind,
        TooLarge, // the header's size is beyond the picture limits
        Size,     // the header's size, asked for alone
        Picture,  // the header's size and the pixels
    };

    // An answer to a question for the size alone, or for the pixels at minimumSize (each
    // component taken from 0 to PictureLimits::MaximumPixels, as the reader is asked).
    static PictureReply ForSize();
    static PictureReply ForPicture(QSize minimumSize);

    // Takes the next bytes of the answer; the state says where it stands afterwards. Bytes
    // after a complete answer break it.
    void Take(const char* data, qsizetype count);

    // The answer ended (the reader closed its side): an answer still incomplete is broken.
    void End();

    // The reader failed (it ended without success or ran out of time): whatever it sent
    // counts for nothing.
    void Break() { state = State::Broken; }

    bool SizeOnly() const { return sizeOnly; }
    QSize MinimumSize() const { return minimumSize; }

    State Current() const { return state; }
    // The header's size once the prelude is read.
    QSize Header() const { return header; }
    // The pixels, Format_RGB888, once the state is Picture.
    const QImage& Pixels() const { return pixels; }

private:
    PictureReply(bool sizeOnly, QSize minimumSize);
    void TakePrelude();
    void TakePixels(const char* data, qsizetype count);

    bool sizeOnly;
    QSize minimumSize;
    State state = State::Incomplete;
    QByteArray prelude;
    QSize header;
    QImage pixels;
    qint64 pixelBytesTaken = 0;
};
