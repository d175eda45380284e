#include "Podium.h"

#include "tools/paint/Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

using namespace Paint;

namespace {

constexpr int Side = 199;
constexpr double Floor = 176;

struct Step {
    QRectF front;
    QString numeral;
    std::uint32_t seed;
};

void Niche(QImage& canvas) {
    QPainter painter(&canvas);
    painter.drawImage(0, 0,
                      WoodGrain(QColor(40, 24, 12), QColor(66, 41, 21), 71).Tile({Side, Side}));
    painter.setRenderHint(QPainter::Antialiasing);
    // A spotlight from above falls on the highest step.
    QRadialGradient spot(QPointF(99, 70), 120);
    spot.setColorAt(0, QColor(255, 214, 140, 120));
    spot.setColorAt(0.45, QColor(200, 140, 70, 50));
    spot.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(Paint::DesignRect(canvas), spot);
    // Rays widening from the lamp.
    for (const double angle : {-0.36, -0.15, 0.08, 0.3}) {
        QPainterPath ray;
        ray.moveTo(99 + 30 * angle, 0);
        ray.lineTo(99 + 250 * std::sin(angle - 0.05), 200);
        ray.lineTo(99 + 250 * std::sin(angle + 0.05), 200);
        ray.closeSubpath();
        QLinearGradient fade(0, 0, 0, 190);
        fade.setColorAt(0, QColor(255, 230, 170, 42));
        fade.setColorAt(1, QColor(255, 230, 170, 0));
        painter.fillPath(ray, fade);
    }
    // Dark corners keep the eye in the middle.
    QRadialGradient vignette(QPointF(99, 99), 150);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(10, 5, 2, 150));
    painter.fillRect(Paint::DesignRect(canvas), vignette);
}

void FloorBoards(QImage& canvas) {
    QImage boards = Paint::Picture(QSize(Side, Side - int(Floor)), QImage::Format_RGB32);
    WoodGrain(QColor(58, 36, 18), QColor(104, 68, 35), 73)
        .Fill(boards, Paint::DesignRect(boards), 0.6);
    QPainter painter(&canvas);
    painter.drawImage(0, int(Floor), boards);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient depth(0, Floor, 0, Side);
    depth.setColorAt(0, QColor(20, 10, 4, 60));
    depth.setColorAt(1, QColor(20, 10, 4, 170));
    painter.fillRect(QRectF(0, Floor, Side, Side - Floor), depth);
    painter.setPen(QPen(QColor(221, 167, 106, 110), 1));
    painter.drawLine(QPointF(0, Floor + 0.5), QPointF(Side, Floor + 0.5));
    // The podium's shadow on the floor.
    QRadialGradient shadow(QPointF(99, Floor + 4), 90);
    shadow.setColorAt(0, QColor(10, 5, 2, 170));
    shadow.setColorAt(1, QColor(10, 5, 2, 0));
    painter.save();
    painter.scale(1, 0.16);
    painter.translate(0, (Floor + 4) / 0.16 - (Floor + 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(99, Floor + 4), 96, 90);
    painter.restore();
}

void Numeral(QImage& canvas, const QRectF& front, const QString& numeral) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = Times(30, true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, numeral);
    const QRectF box = glyph.boundingRect();
    const QPointF at(front.center().x() - box.center().x(), front.top() + 10 - box.top());
    glyph.translate(at);
    // Cut into the wood: a dark groove below, the brass letter lit from above.
    painter.fillPath(glyph.translated(0.8, 1.4), QColor(20, 10, 3, 210));
    QLinearGradient metal(glyph.boundingRect().topLeft(), glyph.boundingRect().bottomLeft());
    metal.setColorAt(0, QColor(255, 240, 190));
    metal.setColorAt(0.5, Brass);
    metal.setColorAt(1, QColor(140, 100, 36));
    painter.fillPath(glyph, metal);
    painter.setPen(QPen(QColor(96, 64, 22), 0.7));
    painter.drawPath(glyph);
}

void Block(QImage& canvas, const Step& step, const QColor& dark, const QColor& light) {
    const QRectF front = step.front;
    const double depth = 7;
    QPainterPath frontPath;
    frontPath.addRect(front);
    FillWood(canvas, frontPath, dark, light, step.seed);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // The top face, seen a little from above, lighter where the spotlight falls.
    QPolygonF top;
    top << QPointF(front.left(), front.top()) << QPointF(front.left() + depth, front.top() - depth)
        << QPointF(front.right() - depth, front.top() - depth)
        << QPointF(front.right(), front.top());
    QLinearGradient lit(front.topLeft(), front.topRight());
    lit.setColorAt(0, Mix(light, Highlight, 0.3));
    lit.setColorAt(0.5, Mix(light, TextLight, 0.45));
    lit.setColorAt(1, Mix(light, Highlight, 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit);
    painter.drawPolygon(top);
    // Brass edging along the top and a shadowed foot.
    painter.setPen(QPen(Brass, 1.4));
    painter.drawLine(front.topLeft() + QPointF(0, 0.7), front.topRight() + QPointF(0, 0.7));
    painter.setPen(QPen(QColor(255, 236, 180, 160), 0.8));
    painter.drawLine(front.topLeft() + QPointF(1, 2), front.topRight() + QPointF(-1, 2));
    QLinearGradient foot(0, front.bottom() - 8, 0, front.bottom());
    foot.setColorAt(0, QColor(20, 10, 4, 0));
    foot.setColorAt(1, QColor(20, 10, 4, 120));
    painter.fillRect(QRectF(front.left(), front.bottom() - 8, front.width(), 8), foot);
    painter.setPen(QPen(DeepShadow, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(front.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.end();
    Numeral(canvas, front, step.numeral);
}

void Sparkle(QPainter& painter, QPointF centre, double size, int alpha) {
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre, centre + QPointF(size, 0));
    star.quadTo(centre, centre + QPointF(0, size));
    star.quadTo(centre, centre + QPointF(-size, 0));
    star.quadTo(centre, centre + QPointF(0, -size));
    painter.fillPath(star, QColor(255, 250, 225, alpha));
}

void Cup(QImage& canvas, QPointF base) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const double x = base.x();
    const double y = base.y();
    QLinearGradient gold(x - 20, 0, x + 20, 0);
    gold.setColorAt(0, QColor(150, 100, 24));
    gold.setColorAt(0.3, QColor(255, 226, 120));
    gold.setColorAt(0.45, QColor(255, 248, 210));
    gold.setColorAt(0.65, QColor(230, 176, 54));
    gold.setColorAt(1, QColor(130, 84, 18));
    const QPen rim(QColor(100, 62, 12), 0.9);

    // Handles behind the bowl.
    painter.setPen(QPen(QColor(120, 80, 20), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(x - 27, y - 50, 16, 18), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(x + 11, y - 50, 16, 18), 270 * 16, 180 * 16);
    painter.setPen(QPen(QColor(240, 200, 96), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(x - 27, y - 50, 16, 18), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(x + 11, y - 50, 16, 18), 270 * 16, 180 * 16);

    // Base, stem and bowl.
    painter.setPen(rim);
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(x - 14, y - 7, 28, 7), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(x - 10, y - 11, 20, 5), 1.5, 1.5);
    QPainterPath stem;
    stem.moveTo(x - 3, y - 11);
    stem.cubicTo(x - 3, y - 18, x - 5, y - 22, x - 6, y - 26);
    stem.lineTo(x + 6, y - 26);
    stem.cubicTo(x + 5, y - 22, x + 3, y - 18, x + 3, y - 11);
    stem.closeSubpath();
    painter.drawPath(stem);
    QPainterPath bowl;
    bowl.moveTo(x - 19, y - 56);
    bowl.lineTo(x + 19, y - 56);
    bowl.cubicTo(x + 19, y - 36, x + 10, y - 26, x, y - 25);
    bowl.cubicTo(x - 10, y - 26, x - 19, y - 36, x - 19, y - 56);
    bowl.closeSubpath();
    painter.drawPath(bowl);
    // The opening, seen from a little above.
    QLinearGradient inside(x, y - 59, x, y - 53);
    inside.setColorAt(0, QColor(120, 78, 18));
    inside.setColorAt(1, QColor(200, 146, 40));
    painter.setBrush(inside);
    painter.drawEllipse(QRectF(x - 19, y - 59, 38, 6));
    // A puzzle piece embossed on the bowl.
    const QPainterPath piece = PuzzlePiece(QRectF(x - 7, y - 50, 14, 14));
    painter.setPen(QPen(QColor(140, 92, 20), 0.9));
    painter.setBrush(QColor(255, 236, 160, 120));
    painter.drawPath(piece);
    // Gleam.
    painter.setPen(QPen(QColor(255, 255, 240, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - 12, y - 51), QPointF(x - 10, y - 36));
    Sparkle(painter, QPointF(x + 12, y - 55), 6, 235);
    Sparkle(painter, QPointF(x - 25, y - 66), 3.5, 170);
    Sparkle(painter, QPointF(x + 27, y - 30), 3, 150);
}

void Laurel(QPainter& painter, QPointF centre, double radius, bool left) {
    const double sign = left ? -1 : 1;
    for (int i = 0; i < 7; ++i) {
        const double t = 0.35 + i * 0.3;
        const QPointF at = centre + QPointF(sign * radius * std::sin(t), radius * std::cos(t) - 4);
        painter.save();
        painter.translate(at);
        painter.rotate(sign * (90 - t * 180 / std::numbers::pi) + (left ? 35 : -35));
        QLinearGradient leaf(-5, 0, 5, 0);
        leaf.setColorAt(0, QColor(150, 120, 44));
        leaf.setColorAt(0.5, QColor(226, 196, 110));
        leaf.setColorAt(1, QColor(120, 92, 30));
        painter.setPen(QPen(QColor(90, 64, 20), 0.6));
        painter.setBrush(leaf);
        painter.drawEllipse(QRectF(-2.6, -6.5, 5.2, 13));
        painter.restore();
    }
}

void Medal(QImage& canvas, QPointF centre, const QColor& light, const QColor& dark,
           const QColor& ribbon) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ribbon.darker(130));
    QPolygonF band;
    band << centre + QPointF(-7, -15) << centre + QPointF(-2, -15) << centre + QPointF(3, -3)
         << centre + QPointF(-1, -2);
    painter.drawPolygon(band);
    painter.setBrush(ribbon);
    QPolygonF other;
    other << centre + QPointF(7, -15) << centre + QPointF(2, -15) << centre + QPointF(-3, -3)
          << centre + QPointF(1, -2);
    painter.drawPolygon(other);
    QRadialGradient disc(centre - QPointF(2, 2), 8);
    disc.setColorAt(0, Mix(light, Qt::white, 0.6));
    disc.setColorAt(0.6, light);
    disc.setColorAt(1, dark);
    painter.setPen(QPen(dark.darker(150), 0.8));
    painter.setBrush(disc);
    painter.drawEllipse(centre, 6.5, 6.5);
    painter.setPen(QPen(dark, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 4.2, 4.2);
    Sparkle(painter, centre + QPointF(-2.5, -2.5), 2.2, 220);
}

} // namespace

namespace Podium {

QImage Paint() {
    QImage canvas = Canvas({Side, Side});
    Niche(canvas);
    FloorBoards(canvas);
    const Step second{QRectF(17, 128, 56, Floor - 128), QStringLiteral("2"), 75};
    const Step third{QRectF(127, 141, 56, Floor - 141), QStringLiteral("3"), 77};
    const Step first{QRectF(70, 108, 60, Floor - 108), QStringLiteral("1"), 79};
    Block(canvas, second, QColor(96, 60, 30), QColor(150, 100, 54));
    Block(canvas, third, QColor(96, 60, 30), QColor(150, 100, 54));
    Block(canvas, first, QColor(112, 72, 37), QColor(178, 124, 66));
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        Laurel(painter, QPointF(100, 70), 34, true);
        Laurel(painter, QPointF(100, 70), 34, false);
    }
    Cup(canvas, QPointF(100, 102));
    Medal(canvas, QPointF(45, 121), QColor(226, 228, 232), QColor(120, 124, 134),
          QColor(60, 90, 160));
    Medal(canvas, QPointF(155, 134), QColor(224, 150, 92), QColor(120, 70, 32),
          QColor(160, 40, 40));
    return Over(canvas, DeepShadow);
}

} // namespace Podium
