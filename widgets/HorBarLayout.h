#pragma once
// Where the arrows, the jump zones beside them, the thumb and the track of a horizontal bar
// lie, what a press at a point means, and which position a dragged thumb stands for.

class HorBarLayout {
public:
    static constexpr int ArrowWidth = 16;
    static constexpr int ThumbWidth = 20;

    // What a press at a point of the bar does.
    enum class Part {
        None,        // the arrows' outer edges and the bar's ends
        LeftArrow,   // one Step down, repeated while held
        RightArrow,  // one Step up, repeated while held
        JumpToStart, // just inside the left arrow while the bar is not at Min
        JumpToEnd,   // just inside the right arrow while the bar is not at Max
        Thumb,       // takes the thumb to drag it
        TrackBefore, // one page down
        TrackAfter,  // one page up
    };

    HorBarLayout(int width, int min, int max, int position);

    // Left edge of the thumb: right of the left arrow by the position's share of the room.
    int ThumbLeft() const;
    Part PartAt(int x) const;
    // The position whose thumb stands nearest to a thumb whose left edge is at `left`.
    int PositionForThumbLeft(int left) const;
    // One page: a tenth of the range, at least one Step.
    int Page(int step) const;

private:
    // How far the thumb can travel: the bar less both arrows and the thumb itself.
    int Room() const { return width - 2 * ArrowWidth - ThumbWidth; }

    int width;
    int min;
    int max;
    int position;
};
