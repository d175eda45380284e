#include "HorBarLayout.h"

#include <QtGlobal>
#include <algorithm>

HorBarLayout::HorBarLayout(int width, int min, int max, int position)
    : width(width), min(min), max(max), position(position) {}

int HorBarLayout::ThumbLeft() const {
    // 64-bit product: a wide range must not overflow into a thumb outside the bar.
    return ArrowWidth + int(qint64(Room()) * (position - min) / (qint64(max) - min));
}

HorBarLayout::Part HorBarLayout::PartAt(int x) const {
    if (x > 0 && x < ArrowWidth)
        return Part::LeftArrow;
    if (x > width - ArrowWidth && x < width)
        return Part::RightArrow;
    if (x > ArrowWidth && x < ArrowWidth + ThumbWidth && position > min)
        return Part::JumpToStart;
    if (x > width - ArrowWidth - ThumbWidth && x < width - ArrowWidth && position < max)
        return Part::JumpToEnd;
    if (x < ArrowWidth || x > width - ArrowWidth)
        return Part::None;
    const int left = ThumbLeft();
    if (x < left)
        return Part::TrackBefore;
    if (x >= left + ThumbWidth)
        return Part::TrackAfter;
    return Part::Thumb;
}

int HorBarLayout::PositionForThumbLeft(int left) const {
    const qint64 room = std::max(Room(), 1);
    const qint64 offset = std::clamp<qint64>(left - ArrowWidth, 0, room);
    const qint64 range = qint64(max) - min;
    return min + int((2 * offset * range + room) / (2 * room));
}

int HorBarLayout::Page(int step) const {
    return std::max(step, int((qint64(max) - min) / 10));
}
