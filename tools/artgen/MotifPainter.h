#pragma once
// Draws the 30 memory card symbols: each a different simple shape in its own bold colour,
// so that two cards are told apart at a glance.

#include <QColor>
#include <QImage>

class QPainter;
class QPainterPath;

class MotifPainter {
public:
    static constexpr int Count = 30;

    // The symbol number (1 .. Count) on a transparent 100 x 100 picture.
    static QImage Symbol(int number);

private:
    static void Paint(QPainter& painter, int number);
    // Fills path with a soft top-left to bottom-right gradient of color and outlines it in
    // a dark shade of the same colour.
    static void Shape(QPainter& painter, const QPainterPath& path, const QColor& color);
    // A centre line widened into a fillable outline, for handles, stems and strings.
    static QPainterPath Stroke(const QPainterPath& centre, double width);
};
