#pragma once
// Which of the three sets of artwork (painted for screens at 100 %, 200 % and 300 %) a
// screen of a given device pixel ratio takes, where that set's file lies, and how a
// picture of the next larger set is brought down to a fractional ratio.

#include <QImage>
#include <QString>

namespace ArtScale {

// 1, 2 or 3: the set painted for exactly that ratio, else the next larger one (1.25, 1.5
// and 1.75 take set 2; 2.5 takes set 3). Ratios above 3 take set 3.
int SetFor(qreal ratio);

// The resource path of `path1x` in set `set`: "NAME@2x.EXT" beside "NAME.EXT"; the larger
// sets of the 24-bit bitmaps (.bmp) are stored as PNG. `path1x` itself for set 1.
QString PathInSet(const QString& path1x, int set);

// Where else the picture of a larger set may lie: large opaque pictures are kept as JPEG
// there ("NAME@2x.jpg" beside "NAME.png").
QString JpegPathInSet(const QString& path1x, int set);

// `picture` (of set `set`) as it meets a screen of `ratio`: when the ratio is the set's
// own, the picture itself; else smoothly scaled down once to the device size of its
// design size at that ratio. The result carries `ratio` as its device pixel ratio. A
// bitmap whose top-left pixel holds a key colour keeps that key: mostly transparent pixels
// become the key again after the scaling, so no blend of the key shows at the edges.
QImage ToRatio(const QImage& picture, int set, qreal ratio, bool keyed);

// A picture of the player's (a photo, a thumbnail) shown at `size` logical pixels on a
// screen of `ratio`: smoothly scaled once to its device size there and carrying the
// ratio. A picture smaller than that is scaled up.
QImage ToScreen(const QImage& picture, QSize size, qreal ratio);

// The device size of `size` logical pixels at `ratio`, rounded.
QSize DeviceSize(QSize size, qreal ratio);

} // namespace ArtScale
