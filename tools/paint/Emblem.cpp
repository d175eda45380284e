#include "tools/paint/Emblem.h"

#include "tools/paint/Colours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace Paint {

namespace {

// The part of `path` with the largest area; tiny islands that an inset leaves in tight
// corners would look like specks.
QPainterPath LargestPart(const QPainterPath& path) {
    QPolygonF largest;
    double largestArea = -1;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        double area = 0;
        for (int i = 0; i < polygon.size(); ++i) {
            const QPointF& a = polygon[i];
            const QPointF& b = polygon[(i + 1) % polygon.size()];
            area += a.x() * b.y() - b.x() * a.y();
        }
        if (std::abs(area) > largestArea) {
            largestArea = std::abs(area);
            largest = polygon;
        }
    }
    QPainterPath result;
    result.addPolygon(largest);
    result.closeSubpath();
    return result;
}

} // namespace

QPainterPath PuzzlePiece(const QRectF& rect) {
    // The body is the rectangle minus a knob's room at the right and bottom.
    const double knob = rect.width() * 0.24;
    const QRectF body(rect.left(), rect.top(), rect.width() - knob, rect.height() - knob);
    const double r = knob * 0.72;
    QPainterPath path;
    path.addRoundedRect(body, knob * 0.18, knob * 0.18);
    QPainterPath knobs;
    knobs.addEllipse(QPointF(body.right() + knob - r, body.center().y()), r, r);
    knobs.addEllipse(QPointF(body.center().x(), body.bottom() + knob - r), r, r);
    QPainterPath necks;
    necks.addRect(QRectF(body.right() - 1, body.center().y() - r * 0.55, r * 0.6, r * 1.1));
    necks.addRect(QRectF(body.center().x() - r * 0.55, body.bottom() - 1, r * 1.1, r * 0.6));
    QPainterPath hollows;
    hollows.addEllipse(QPointF(body.left() + knob - r, body.center().y()), r * 0.8, r * 0.8);
    hollows.addEllipse(QPointF(body.center().x(), body.top() + knob - r), r * 0.8, r * 0.8);
    return path.united(knobs).united(necks).subtracted(hollows).simplified();
}

void PieceEmblem(QImage& canvas, const QRectF& rect, bool mirrored) {
    QPainterPath piece = PuzzlePiece(rect);
    if (mirrored)
        piece = QTransform().translate(2 * rect.center().x(), 0).scale(-1, 1).map(piece);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // Inlay: a dark groove around the brass, the metal lit from the top left.
    painter.setPen(QPen(QColor(30, 16, 6, 200), std::max(1.5, rect.width() * 0.04), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(piece.translated(0.8, 1.2));
    QLinearGradient metal(rect.topLeft(), rect.bottomRight());
    metal.setColorAt(0, QColor(246, 222, 152));
    metal.setColorAt(0.45, Brass);
    metal.setColorAt(1, QColor(120, 86, 32));
    painter.setPen(QPen(QColor(92, 62, 22), 1));
    painter.setBrush(metal);
    painter.drawPath(piece);
    // An engraved inner line follows the outline.
    QPainterPathStroker stroker;
    stroker.setWidth(rect.width() * 0.16);
    const QPainterPath inner = LargestPart(piece.subtracted(stroker.createStroke(piece)));
    painter.setPen(QPen(QColor(140, 104, 44), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(inner);
    painter.setPen(QPen(QColor(255, 240, 190, 150), 1));
    painter.drawPath(inner.translated(0.8, 0.8));
}

} // namespace Paint
