#pragma once
// Test helpers that look at what a skinned control really drew: which state bitmap shows
// at a sample point, and mouse gestures sent through the window like a player's.

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <ostream>

class QWidget;

namespace WidgetProbe {

// The colour the widget shows at `point` (grabbed from its real painting).
QRgb DrawnPixel(QWidget* widget, QPoint point);

// Which of the bitmaps prefix + state + suffix (state NORM, MOVE, DOWN, DISABLE) the
// widget shows at `point`; "?" when none matches, "ambiguous" when several do.
QString DrawnState(QWidget* widget, const QString& prefix, const QString& suffix, QPoint point);

// A 24 by 24 test icon: magenta background (its transparent colour) with a light square.
QImage TestIcon();

// Shows the top-level window of `widget`, waits until it is exposed and parks the mouse
// in the window's bottom-right corner, away from the controls.
void ShowWindow(QWidget* widget);

} // namespace WidgetProbe

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
