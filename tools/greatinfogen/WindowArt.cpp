#include "WindowArt.h"

#include "WoodPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

using namespace WoodPainter;

namespace WindowArt {

namespace {

void Nail(QPainter& painter, QPointF centre) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(DeepShadow);
    painter.drawEllipse(centre, 4, 4);
    QRadialGradient head(centre - QPointF(1, 1), 4);
    head.setColorAt(0, QColor(250, 226, 160));
    head.setColorAt(0.6, Brass);
    head.setColorAt(1, QColor(110, 80, 30));
    painter.setBrush(head);
    painter.drawEllipse(centre, 3.2, 3.2);
}

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

QFont Times(int pixels, bool bold, bool italic) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage Frame(QSize size, int seed) {
    QImage canvas = Canvas(size);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, Grain(size, QColor(70, 43, 21), QColor(112, 72, 37), seed));
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    painter.setPen(DeepShadow);
    painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    painter.setPen(QColor(168, 119, 63, 180));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(w - 1.5, 1.5));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(1.5, h - 1.5));
    painter.setPen(QColor(30, 16, 6, 160));
    painter.drawLine(QPointF(1.5, h - 1.5), QPointF(w - 1.5, h - 1.5));
    painter.drawLine(QPointF(w - 1.5, 1.5), QPointF(w - 1.5, h - 1.5));
    return canvas;
}

void Plate(QImage& canvas, const QRectF& rect, int seed) {
    QPainterPath outline;
    outline.addRoundedRect(rect, 6, 6);
    QPainterPath rim;
    rim.addRoundedRect(rect.adjusted(1, 1, -1, -1), 5, 5);
    QPainterPath face;
    face.addRoundedRect(rect.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        // A soft shadow under the plate lifts it off the frame.
        QPainterPath shadow;
        shadow.addRoundedRect(rect.translated(1.5, 2), 6, 6);
        painter.fillPath(shadow, QColor(20, 10, 3, 110));
        painter.fillPath(outline, DeepShadow);
        QLinearGradient brass(rect.topLeft(), rect.bottomLeft());
        brass.setColorAt(0, QColor(236, 205, 130));
        brass.setColorAt(0.5, Brass);
        brass.setColorAt(1, QColor(128, 94, 36));
        painter.fillPath(rim, brass);
    }
    FillWood(canvas, face, DeepShadow, QColor(92, 58, 29), seed);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // Nails hold the plate at both ends.
    const double y = rect.center().y();
    Nail(painter, QPointF(rect.left() + 9, y));
    Nail(painter, QPointF(rect.right() - 9, y));
}

void Parchment(QImage& canvas, const QRectF& rect, int seed) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Brass);
    painter.drawRoundedRect(rect.adjusted(-2, -2, 2, 2), 4, 4);
    painter.setBrush(DeepShadow);
    painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), 3, 3);
    painter.drawImage(rect.topLeft(),
                      Grain(rect.size().toSize(), QColor(226, 206, 152), TextLight, seed));
    // The field lies deeper than the frame: shade below its upper and left edge.
    QLinearGradient top(rect.topLeft(), rect.topLeft() + QPointF(0, 8));
    top.setColorAt(0, QColor(42, 25, 12, 110));
    top.setColorAt(1, QColor(42, 25, 12, 0));
    painter.fillRect(rect, top);
    QLinearGradient left(rect.topLeft(), rect.topLeft() + QPointF(5, 0));
    left.setColorAt(0, QColor(42, 25, 12, 70));
    left.setColorAt(1, QColor(42, 25, 12, 0));
    painter.fillRect(rect, left);
    // Slightly darker towards the corners, like old paper.
    QRadialGradient age(rect.center(), rect.width() * 0.62);
    age.setColorAt(0.55, QColor(120, 80, 30, 0));
    age.setColorAt(1, QColor(120, 80, 30, 45));
    painter.fillRect(rect, age);
}

void Rule(QImage& canvas, double left, double right, double y) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(168, 119, 63, 200), 1));
    painter.drawLine(QPointF(left + 6, y + 0.5), QPointF(right - 6, y + 0.5));
    painter.setPen(QPen(QColor(255, 245, 215, 150), 1));
    painter.drawLine(QPointF(left + 6, y + 1.5), QPointF(right - 6, y + 1.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Brass);
    for (const double x : {left + 3, right - 3}) {
        QPolygonF diamond;
        diamond << QPointF(x, y - 2.5) << QPointF(x + 3, y + 1) << QPointF(x, y + 4.5)
                << QPointF(x - 3, y + 1);
        painter.drawPolygon(diamond);
    }
}

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

void Engraved(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
              const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(20, 10, 3, 200));
    painter.drawText(rect.translated(1, 1.5), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

void Ink(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
         const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

void InkRightAt(QImage& canvas, const QString& text, const QFont& font, double right,
                double baseline, const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF(right - width, baseline), text);
}

} // namespace WindowArt
