#pragma once
// The centre section of a picture too wide for the board: as wide as the format rule
// allows at the picture's full height, cut equally from both sides. Plain arithmetic for
// the main window, the chooser's preview and their tests.

#include <QImage>
#include <QRect>
#include <QSize>

namespace PictureCrop {

// The largest width w for which a w x h section still gives a board of at most 700 pixels
// (w * 500 / h rounded as the board's width is); the picture's own width when it fits.
int CentreWidth(QSize picture);

// The centre section of a picture, in its pixels: full height, CentreWidth wide, the rest
// cut equally from both sides (the odd pixel from the right).
QRect CentreSection(QSize picture);

// The section of `decoded`, a copy of a picture of `picture` pixels at another scale, that
// shows the centre section.
QImage CutCentre(const QImage& decoded, QSize picture);

// Darkens the strips of `preview` (a copy of the whole picture at any scale) that the
// centre section leaves out, so that the player sees what would be played; only for a
// picture that passes the size rule and fails the format rule, which is offered its centre.
void DarkenCutAway(QImage& preview, QSize picture);

} // namespace PictureCrop
