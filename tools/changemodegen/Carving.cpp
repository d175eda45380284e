#include "Carving.h"

#include "WoodGrain.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Carving {

void Bevel(QPainter& painter, const QRect& area, bool sunken, int width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        // Strongest at the outer edge, fading inwards.
        const int alpha = 150 - i * (110 / std::max(width, 1));
        QColor lightEdge = Wood::Highlight;
        lightEdge.setAlpha(alpha);
        QColor darkEdge = Wood::DeepShadow;
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
    painter.setPen(Wood::Brass);
    painter.drawRect(area);
    QColor inner = Wood::DeepShadow;
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
    metal.setColorAt(0, Wood::TextLight);
    metal.setColorAt(0.45, Wood::Brass);
    metal.setColorAt(1, Wood::TextDark);
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Wood::TextDark, 1.0));
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

} // namespace Carving
