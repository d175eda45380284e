#pragma once
// Dragging a borderless window by its background or title picture: pressing the left
// mouse button on such a picture moves the whole window until the button is released.

class QWidget;

namespace WindowDrag {

// Makes a left press on `picture` (a background label, a title image) start moving
// the window `picture` belongs to. The press goes no further.
void Install(QWidget* picture);

} // namespace WindowDrag
