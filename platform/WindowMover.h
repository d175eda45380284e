#pragma once
// Moving a borderless window by dragging any of its decoration pictures.

class QWidget;
class QPointF;

namespace WindowMover {

// Starts moving the window of `source` with the mouse until the button is released,
// through the window system where it can, otherwise by following the pointer ourselves.
void StartMove(QWidget* source, const QPointF& globalPress);

} // namespace WindowMover
