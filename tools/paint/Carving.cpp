#include "tools/paint/Carving.h"

#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/WoodGrain.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace Paint {

void Bevel(QPainter& painter, const QRect& area, bool sunken, int width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        // Strongest at the outer edge, fading inwards.
        const int alpha = 150 - i * (110 / std::max(width, 1));
        QColor lightEdge = Highlight;
        lightEdge.setAlpha(alpha);
        QColor darkEdge = DeepShadow;
        darkEdge.setAlpha(alpha + 40);
        const QRect r = area.adjusted(i, i, -i, -i);
        painter.setPen(sunken ? darkEdge : lightEdge);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(sunken ? lightEdge : darkEdge);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.restore();
}

void BrassFrame(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Brass);
    painter.drawRect(area);
    QColor inner = DeepShadow;
    inner.setAlpha(170);
    painter.setPen(inner);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.restore();
}

void Screw(QPainter& painter, const QPointF& centre, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 12, 6, 120));
    painter.drawEllipse(centre + QPointF(0.8, 0.8), radius + 0.6, radius + 0.6);
    QRadialGradient metal(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    metal.setColorAt(0, TextLight);
    metal.setColorAt(0.45, Brass);
    metal.setColorAt(1, TextDark);
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(TextDark, 1.0));
    painter.drawLine(centre + QPointF(-radius * 0.6, radius * 0.6),
                     centre + QPointF(radius * 0.6, -radius * 0.6));
    painter.restore();
}

void DropShadow(QPainter& painter, const QRectF& area, double offset, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    // A few widening translucent layers make a soft edge without a blur filter.
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(20, 10, 4, 45));
        const double grow = radius * i / 3.0;
        painter.drawRoundedRect(area.translated(offset, offset).adjusted(-grow, -grow, grow, grow),
                                1.5 + grow, 1.5 + grow);
    }
    painter.restore();
}

void Nail(QPainter& painter, QPointF centre) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DeepShadow);
    painter.drawEllipse(centre, 4, 4);
    QRadialGradient head(centre - QPointF(1, 1), 4);
    head.setColorAt(0, QColor(250, 226, 160));
    head.setColorAt(0.6, Brass);
    head.setColorAt(1, QColor(110, 80, 30));
    painter.setBrush(head);
    painter.drawEllipse(centre, 3.2, 3.2);
    painter.restore();
}

QImage Frame(QSize size, std::uint32_t seed) {
    QImage canvas = Canvas(size);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, WoodGrain(QColor(70, 43, 21), QColor(112, 72, 37), seed).Tile(size));
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

void Plate(QImage& canvas, const QRectF& rect, std::uint32_t seed) {
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
    // Nails hold the plate at both ends.
    const double y = rect.center().y();
    Nail(painter, QPointF(rect.left() + 9, y));
    Nail(painter, QPointF(rect.right() - 9, y));
}

void RimmedPlate(QImage& canvas, const QRectF& rect, double radius, const QBrush& rim, double inset,
                 const QColor& dark, const QColor& light, std::uint32_t seed, bool shadeInverted) {
    QPainterPath outline;
    outline.addRoundedRect(rect, radius, radius);
    QPainterPath rimPath;
    rimPath.addRoundedRect(rect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    QPainterPath face;
    const double faceRadius = radius - inset + 0.5;
    face.addRoundedRect(rect.adjusted(inset, inset, -inset, -inset), faceRadius, faceRadius);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(outline, DeepShadow);
        painter.fillPath(rimPath, rim);
    }
    FillWood(canvas, face, dark, light, seed, shadeInverted);
}

void Parchment(QImage& canvas, const QRectF& rect, std::uint32_t seed) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Brass);
    painter.drawRoundedRect(rect.adjusted(-2, -2, 2, 2), 4, 4);
    painter.setBrush(DeepShadow);
    painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), 3, 3);
    painter.drawImage(rect.topLeft(),
                      WoodGrain(QColor(226, 206, 152), TextLight, seed).Tile(rect.size().toSize()));
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

} // namespace Paint
