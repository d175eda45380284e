#include "game/PictureCrop.h"

#include "game/BoardGeometry.h"

#include <QPainter>
#include <cmath>

namespace PictureCrop {

int CentreWidth(QSize picture) {
    const int height = picture.height();
    if (height <= 0 || BoardGeometry::BoardWidth(picture) <= BoardGeometry::MaxBoardWidth)
        return picture.width();
    // The board width grows with w, so the largest fitting w lies at or just below the exact
    // quotient; rounding may let it be a pixel or two more.
    int width = static_cast<int>(
        std::floor(double(BoardGeometry::MaxBoardWidth + 1) * height / BoardGeometry::BoardHeight));
    while (width > 1 &&
           BoardGeometry::BoardWidth(QSize(width, height)) > BoardGeometry::MaxBoardWidth)
        --width;
    while (BoardGeometry::BoardWidth(QSize(width + 1, height)) <= BoardGeometry::MaxBoardWidth)
        ++width;
    return width;
}

QRect CentreSection(QSize picture) {
    const int width = CentreWidth(picture);
    return QRect((picture.width() - width) / 2, 0, width, picture.height());
}

namespace {

// The section scaled from the picture's pixels to those of a copy of `scaled` size.
QRect Scaled(QRect section, QSize picture, QSize scaled) {
    const double fx = double(scaled.width()) / picture.width();
    const int left = static_cast<int>(std::lround(section.left() * fx));
    const int right = static_cast<int>(std::lround((section.left() + section.width()) * fx));
    return QRect(left, 0, std::max(1, right - left), scaled.height());
}

} // namespace

QImage CutCentre(const QImage& decoded, QSize picture) {
    if (picture.width() <= 0 || decoded.isNull())
        return decoded;
    const QRect section = CentreSection(picture);
    if (section.width() == picture.width())
        return decoded;
    return decoded.copy(Scaled(section, picture, decoded.size()));
}

void DarkenCutAway(QImage& preview, QSize picture) {
    if (preview.isNull() ||
        BoardGeometry::CheckPicture(picture) != BoardGeometry::PictureVerdict::WrongFormat)
        return;
    const QRect section = CentreSection(picture);
    if (section.width() == picture.width())
        return;
    // The painter works in the preview's logical pixels, whatever screen it was made for.
    const QSize shown = preview.deviceIndependentSize().toSize();
    const QRect kept = Scaled(section, picture, shown);
    QPainter painter(&preview);
    const QColor shade(0, 0, 0, 150);
    painter.fillRect(QRect(0, 0, kept.left(), shown.height()), shade);
    painter.fillRect(QRect(kept.right() + 1, 0, shown.width() - kept.right() - 1, shown.height()),
                     shade);
}

} // namespace PictureCrop
