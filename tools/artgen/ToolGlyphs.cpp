#include "tools/artgen/ToolGlyphs.h"

#include "tools/paint/Pixels.h"

#include "tools/paint/Colours.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>
#include <numbers>

namespace {

QPainterPath Capsule(QPointF from, QPointF to, double width) {
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

QPainterPath Letter(const QString& text, double pixelSize, QPointF centre) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    return path.translated(centre - bounds.center());
}

} // namespace

QStringList ToolGlyphs::Names() {
    return {QStringLiteral("TB_OPEN"),  QStringLiteral("TB_START"),   QStringLiteral("TB_TIP"),
            QStringLiteral("TB_PAUSE"), QStringLiteral("TB_STATIST"), QStringLiteral("TB_CONFIG"),
            QStringLiteral("TB_INFO"),  QStringLiteral("TB_HELP"),    QStringLiteral("TB_CLOSE")};
}

QImage ToolGlyphs::Draw(const QString& name) {
    QImage image = Paint::Canvas(QSize(24, 24));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shape;   // light body
    QPainterPath details; // dark marks drawn on the body
    if (name == QLatin1String("TB_OPEN")) {
        // A framed picture: mountains and a sun.
        shape.addRoundedRect(QRectF(2.5, 4.5, 19, 15), 1.5, 1.5);
        details.addPolygon(QPolygonF(
            {QPointF(5, 17), QPointF(10, 10), QPointF(13, 14), QPointF(15, 12), QPointF(19, 17)}));
        details.closeSubpath();
        details.addEllipse(QPointF(16.5, 8.5), 1.8, 1.8);
    } else if (name == QLatin1String("TB_START")) {
        QPainterPath triangle;
        triangle.addPolygon(QPolygonF({QPointF(7, 4), QPointF(20, 12), QPointF(7, 20)}));
        triangle.closeSubpath();
        QPainterPathStroker round;
        round.setWidth(2.5);
        round.setJoinStyle(Qt::RoundJoin);
        shape = triangle.united(round.createStroke(triangle)).simplified();
    } else if (name == QLatin1String("TB_TIP")) {
        // A light bulb.
        QPainterPath bulb;
        bulb.addEllipse(QPointF(12, 9.5), 7, 7);
        bulb = bulb.united(QPainterPath([] {
            QPainterPath neck;
            neck.addPolygon(
                QPolygonF({QPointF(7.5, 13), QPointF(16.5, 13), QPointF(15, 17), QPointF(9, 17)}));
            neck.closeSubpath();
            return neck;
        }()));
        bulb.addRoundedRect(QRectF(8.5, 17, 7, 5), 1.5, 1.5);
        shape = bulb.simplified();
        details = Capsule({9.5, 18.8}, {14.5, 18.8}, 1.1);
        details.addPath(Capsule({10, 20.6}, {14, 20.6}, 1.0));
        QPainterPath filament;
        filament.moveTo(9.8, 12.5);
        filament.lineTo(11, 9);
        filament.lineTo(12, 11);
        filament.lineTo(13, 9);
        filament.lineTo(14.2, 12.5);
        QPainterPathStroker thin;
        thin.setWidth(1.1);
        thin.setJoinStyle(Qt::RoundJoin);
        details.addPath(thin.createStroke(filament));
    } else if (name == QLatin1String("TB_PAUSE")) {
        shape.addRoundedRect(QRectF(5.5, 4, 5, 16), 1.2, 1.2);
        shape.addRoundedRect(QRectF(13.5, 4, 5, 16), 1.2, 1.2);
    } else if (name == QLatin1String("TB_STATIST")) {
        shape.addRect(QRectF(3, 13, 4.5, 7));
        shape.addRect(QRectF(9.75, 5, 4.5, 15));
        shape.addRect(QRectF(16.5, 9, 4.5, 11));
        shape.addRect(QRectF(2, 20, 20, 2));
        shape = shape.simplified();
    } else if (name == QLatin1String("TB_CONFIG")) {
        // A gear wheel.
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const double angle = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
            const double r = (i % 4 == 0 || i % 4 == 1) ? 10.0 : 7.2;
            const QPointF point(12 + r * std::cos(angle), 12 + r * std::sin(angle));
            if (i == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(12, 12), 3.2, 3.2);
        shape = gear.subtracted(hole);
    } else if (name == QLatin1String("TB_INFO")) {
        shape = Letter(QStringLiteral("i"), 22, {12, 12});
    } else if (name == QLatin1String("TB_HELP")) {
        shape = Letter(QStringLiteral("?"), 22, {12, 12.5});
    } else {
        // Leaving: a door with an arrow going out.
        shape.addRect(QRectF(3, 2.5, 10, 19));
        details.addEllipse(QPointF(10.5, 12.5), 1.3, 1.3);
        QPainterPath arrow = Capsule({12, 12}, {17, 12}, 3.4);
        QPainterPath head;
        head.addPolygon(QPolygonF({QPointF(16, 6.5), QPointF(22.5, 12), QPointF(16, 17.5)}));
        head.closeSubpath();
        shape = shape.united(arrow.united(head)).simplified();
    }

    // The outline first, as a wide dark stroke, then the light body over it.
    p.setPen(QPen(Paint::DeepShadow, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Paint::DeepShadow);
    p.drawPath(shape);
    QLinearGradient body(0, 2, 0, 22);
    body.setColorAt(0, QColor(252, 244, 214));
    body.setColorAt(1, Paint::Shade(Paint::TextLight, 0.88));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shape);
    p.setBrush(Paint::Shade(Paint::DeepShadow, 1.3));
    p.drawPath(details);
    return image;
}

QImage ToolGlyphs::Glyph(const QString& name) {
    const QImage drawn = Draw(name);
    // A colour key knows no partial transparency: pixels that are mostly covered become
    // solid, their soft edge blended towards the dark wood they will sit on; the rest
    // become the key colour.
    QImage glyph = Paint::Picture(QSize(24, 24), QImage::Format_RGB888);
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = QColor::fromRgba(qUnpremultiply(drawn.pixel(x, y)));
            if (pixel.alpha() < 100 || (x == 0 && y == 0)) {
                glyph.setPixelColor(x, y, Paint::Key);
                continue;
            }
            glyph.setPixelColor(x, y, Paint::Mix(Paint::DarkWood, pixel, pixel.alpha() / 255.0));
        }
    }
    return glyph;
}
