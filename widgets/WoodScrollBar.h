#pragma once
// Scroll bars in the wood of the program's own bars: the arrow buttons and the groove of
// the horizontal bar, turned upright for vertical bars, and a golden thumb of any length.

class QPainter;
class QStyle;
class QStyleOptionSlider;
class QWidget;

namespace WoodScrollBar {

// Thickness of every scroll bar, the height of the bar's arrow buttons.
constexpr int Extent = 16;

// Paints the whole scroll bar of `option`, its parts where `style` lays them out.
void Paint(QPainter& painter, const QStyleOptionSlider& option, const QStyle& style,
           const QWidget* widget);

} // namespace WoodScrollBar
