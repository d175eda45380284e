#pragma once
// Plays a Windows metafile (WMF) onto a QPainter: headers, mapping modes, GDI objects,
// shapes, text and device-independent bitmaps, with every record checked against the file
// and the drawing work bounded, so that a damaged or hostile file ends in an AppError and
// never in a crash or a hang.

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

class WmfPlayer {
public:
    // Takes the file's bytes and checks the headers and the record chain. Throws AppError
    // with a German message when the data is no usable metafile.
    explicit WmfPlayer(QByteArray data);

    // The picture's size in pixels, from the bytes of the headers only where possible: the
    // placeable header's bounding box at 96 dots per inch, otherwise the first window
    // extent among the records. Throws AppError like the constructor.
    static QSize ReadSize(const QByteArray& data);

    QSize PixelSize() const { return pixelSize; }

    // Draws the picture so that its frame fills target. Throws AppError on a malformed
    // record; what was drawn up to it stays on the painter's device.
    void Play(QPainter& painter, const QRectF& target) const;

    // The most pixels Render() draws at the picture's own size; larger pictures are shrunk.
    static constexpr qint64 MaximumRenderPixels = 16'000'000;

    // The picture on white, as 24-bit RGB, drawn straight at the given size.
    QImage Render(QSize size) const;
    // The same at PixelSize(), shrunk to at most MaximumRenderPixels with its proportions.
    QImage Render() const;

private:
    QByteArray bytes;
    QSize pixelSize;
};
