#include "tools/artgen/MotifPainter.h"

#include "tools/paint/Pixels.h"

#include "tools/paint/Colours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

const QColor Red(218, 30, 45);
const QColor Orange(248, 135, 20);
const QColor Yellow(250, 208, 30);
const QColor Gold(214, 160, 28);
const QColor Lime(132, 198, 30);
const QColor Green(32, 146, 62);
const QColor Teal(0, 140, 140);
const QColor Sky(40, 170, 235);
const QColor Blue(40, 86, 212);
const QColor Indigo(70, 50, 160);
const QColor Violet(146, 64, 206);
const QColor Magenta(218, 40, 160);
const QColor Pink(246, 120, 172);
const QColor Brown(150, 88, 42);
const QColor Grey(128, 134, 150);
const QColor White(250, 250, 246);
const QColor Dark(40, 34, 40);

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry, double angle = 0) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform transform;
    transform.translate(cx, cy);
    transform.rotate(angle);
    return transform.map(path);
}

QPainterPath Circle(double cx, double cy, double r) {
    return Ellipse(cx, cy, r, r);
}

QPainterPath Rect(double x, double y, double w, double h, double radius = 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath Star(double cx, double cy, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF point(cx + r * std::cos(angle), cy + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void Flat(QPainter& painter, const QPainterPath& path, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
}

} // namespace

QPainterPath MotifPainter::Stroke(const QPainterPath& centre, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

void MotifPainter::Shape(QPainter& painter, const QPainterPath& path, const QColor& color) {
    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
    gradient.setColorAt(0, Paint::Mix(color, Qt::white, 0.35));
    gradient.setColorAt(0.45, color);
    gradient.setColorAt(1, Paint::Shade(color, 0.78));
    painter.setBrush(gradient);
    painter.setPen(
        QPen(Paint::Shade(color, 0.42), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QImage MotifPainter::Symbol(int number) {
    QImage image = Paint::Canvas(QSize(100, 100));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint(painter, number);
    return image;
}

void MotifPainter::Paint(QPainter& p, int number) {
    switch (number) {
    case 1: // star
        Shape(p, Star(50, 53, 38, 16, 5), Yellow);
        break;
    case 2: { // heart
        QPainterPath heart;
        heart.moveTo(50, 84);
        heart.cubicTo(14, 60, 12, 30, 30, 22);
        heart.cubicTo(41, 17, 49, 24, 50, 33);
        heart.cubicTo(51, 24, 59, 17, 70, 22);
        heart.cubicTo(88, 30, 86, 60, 50, 84);
        Shape(p, heart, Red);
        Flat(p, Ellipse(34, 34, 6, 4, -40), QColor(255, 255, 255, 120));
        break;
    }
    case 3: // crescent moon
        Shape(p, Circle(48, 52, 34).subtracted(Circle(64, 42, 28)), Indigo);
        Shape(p, Star(74, 70, 8, 3.5, 4), Yellow);
        break;
    case 4: { // sun
        QPainterPath rays;
        for (int i = 0; i < 12; ++i) {
            const double a = i * std::numbers::pi / 6;
            const double side = std::numbers::pi / 14;
            rays.addPolygon(
                QPolygonF({QPointF(50 + 40 * std::cos(a), 50 + 40 * std::sin(a)),
                           QPointF(50 + 22 * std::cos(a - side), 50 + 22 * std::sin(a - side)),
                           QPointF(50 + 22 * std::cos(a + side), 50 + 22 * std::sin(a + side))}));
            rays.closeSubpath();
        }
        Shape(p, rays.united(Circle(50, 50, 22)).simplified(), Orange);
        Shape(p, Circle(50, 50, 17), Yellow);
        break;
    }
    case 5: { // fir tree
        Shape(p, Rect(44, 74, 12, 14, 1), Brown);
        QPainterPath tree = Polygon({{50, 10}, {32, 36}, {68, 36}})
                                .united(Polygon({{50, 24}, {26, 56}, {74, 56}}))
                                .united(Polygon({{50, 42}, {18, 78}, {82, 78}}));
        Shape(p, tree.simplified(), Green);
        break;
    }
    case 6: { // fish
        QPainterPath fish;
        fish.moveTo(14, 50);
        fish.cubicTo(28, 24, 60, 24, 72, 50);
        fish.cubicTo(60, 76, 28, 76, 14, 50);
        fish = fish.united(Polygon({{66, 50}, {88, 30}, {84, 50}, {88, 70}})).simplified();
        Shape(p, Polygon({{38, 33}, {50, 20}, {58, 36}}), Paint::Shade(Teal, 0.8));
        Shape(p, fish, Teal);
        Flat(p, Circle(28, 46, 5), White);
        Flat(p, Circle(29, 46, 2.6), Dark);
        p.setPen(QPen(Paint::Shade(Teal, 0.5), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(30, 36, 18, 28), -60 * 16, 120 * 16);
        break;
    }
    case 7: { // house
        Shape(p, Rect(64, 22, 9, 20), Paint::Shade(Brown, 0.8));
        Shape(p, Rect(24, 46, 52, 38), Brown);
        Shape(p, Polygon({{14, 50}, {50, 16}, {86, 50}}), Red);
        Shape(p, Rect(44, 60, 14, 24, 2), QColor(90, 50, 24));
        Shape(p, Rect(30, 56, 10, 10), Sky);
        Shape(p, Rect(62, 56, 10, 10), Sky);
        break;
    }
    case 8: { // flower
        for (int i = 0; i < 6; ++i) {
            const double a = i * 60.0;
            const double rad = a * std::numbers::pi / 180;
            Shape(p, Ellipse(50 + 21 * std::cos(rad), 50 + 21 * std::sin(rad), 16, 11, a), Magenta);
        }
        Shape(p, Circle(50, 50, 12), Yellow);
        break;
    }
    case 9: { // bell
        QPainterPath bell;
        bell.moveTo(28, 70);
        bell.cubicTo(30, 42, 30, 22, 50, 22);
        bell.cubicTo(70, 22, 70, 42, 72, 70);
        bell.lineTo(80, 76);
        bell.lineTo(20, 76);
        bell.closeSubpath();
        Shape(p, Circle(50, 81, 7), Paint::Shade(Gold, 0.85));
        Shape(p, Circle(50, 18, 5), Gold);
        Shape(p, bell, Gold);
        Flat(p, Ellipse(40, 44, 4, 12, 10), QColor(255, 255, 255, 110));
        break;
    }
    case 10: { // key
        QPainterPath key = Circle(28, 50, 17).subtracted(Circle(28, 50, 7));
        key = key.united(Rect(42, 45, 44, 10, 2))
                  .united(Rect(70, 52, 6, 14))
                  .united(Rect(80, 52, 6, 18))
                  .simplified();
        Shape(p, key, Grey);
        break;
    }
    case 11: { // anchor
        QPainterPath centre;
        centre.moveTo(50, 28);
        centre.lineTo(50, 82);
        centre.moveTo(34, 36);
        centre.lineTo(66, 36);
        centre.moveTo(20, 60);
        centre.cubicTo(24, 78, 38, 84, 50, 84);
        centre.cubicTo(62, 84, 76, 78, 80, 60);
        QPainterPath anchor = Stroke(centre, 7)
                                  .united(Circle(50, 20, 9).subtracted(Circle(50, 20, 4)))
                                  .united(Polygon({{12, 64}, {24, 52}, {28, 66}}))
                                  .united(Polygon({{88, 64}, {76, 52}, {72, 66}}))
                                  .simplified();
        Shape(p, anchor, Teal);
        break;
    }
    case 12: { // umbrella
        QPainterPath handle;
        handle.moveTo(50, 44);
        handle.lineTo(50, 78);
        handle.cubicTo(50, 88, 38, 88, 38, 80);
        Shape(p, Stroke(handle, 5), Brown);
        QPainterPath canopy;
        canopy.moveTo(12, 54);
        canopy.cubicTo(14, 18, 86, 18, 88, 54);
        for (int i = 4; i > 0; --i) {
            const double right = 12 + i * 19;
            canopy.quadTo(right - 9.5, 44, right - 19, 54);
        }
        canopy.closeSubpath();
        Shape(p, canopy, Violet);
        Shape(p, Circle(50, 20, 3), Violet);
        break;
    }
    case 13: // lightning
        Shape(p, Polygon({{58, 10}, {26, 54}, {46, 54}, {36, 90}, {76, 40}, {55, 40}, {68, 10}}),
              Blue);
        break;
    case 14: { // leaf
        QPainterPath leaf;
        leaf.moveTo(22, 80);
        leaf.cubicTo(14, 44, 44, 16, 84, 16);
        leaf.cubicTo(86, 54, 60, 84, 22, 80);
        Shape(p, leaf, Lime);
        QPainterPath vein;
        vein.moveTo(16, 86);
        vein.cubicTo(40, 62, 56, 44, 74, 26);
        for (double t : {0.3, 0.5, 0.7}) {
            const QPointF at = vein.pointAtPercent(t);
            vein.moveTo(at);
            vein.lineTo(at + QPointF(16 - 10 * t, 6));
            vein.moveTo(at);
            vein.lineTo(at + QPointF(-4, -14 + 6 * t));
        }
        p.setPen(QPen(Paint::Shade(Lime, 0.5), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(vein);
        break;
    }
    case 15: { // apple
        QPainterPath stem;
        stem.moveTo(50, 34);
        stem.quadTo(50, 22, 56, 14);
        Shape(p, Stroke(stem, 4.5), Brown);
        QPainterPath apple;
        apple.moveTo(50, 34);
        apple.cubicTo(38, 24, 16, 28, 18, 54);
        apple.cubicTo(20, 76, 38, 88, 50, 82);
        apple.cubicTo(62, 88, 80, 76, 82, 54);
        apple.cubicTo(84, 28, 62, 24, 50, 34);
        Shape(p, apple, Green);
        Shape(p, Ellipse(66, 20, 11, 5, -25), Lime);
        Flat(p, Ellipse(32, 46, 4, 8, 20), QColor(255, 255, 255, 120));
        break;
    }
    case 16: { // mushroom
        QPainterPath stem;
        stem.moveTo(38, 52);
        stem.cubicTo(36, 70, 34, 84, 40, 86);
        stem.lineTo(60, 86);
        stem.cubicTo(66, 84, 64, 70, 62, 52);
        stem.closeSubpath();
        Shape(p, stem, QColor(238, 222, 190));
        QPainterPath cap;
        cap.moveTo(12, 56);
        cap.cubicTo(12, 10, 88, 10, 88, 56);
        cap.cubicTo(70, 50, 30, 50, 12, 56);
        Shape(p, cap, Brown);
        for (const auto& dot :
             {QPointF(32, 32), QPointF(52, 24), QPointF(68, 38), QPointF(46, 42), QPointF(24, 47)})
            Flat(p, Circle(dot.x(), dot.y(), 4.5), QColor(250, 240, 220));
        break;
    }
    case 17: { // butterfly
        Shape(p, Ellipse(32, 36, 20, 15, -35), Violet);
        Shape(p, Ellipse(68, 36, 20, 15, 35), Violet);
        Shape(p, Ellipse(36, 64, 14, 11, 35), Paint::Shade(Violet, 0.9));
        Shape(p, Ellipse(64, 64, 14, 11, -35), Paint::Shade(Violet, 0.9));
        for (const auto& dot : {QPointF(30, 34), QPointF(70, 34)})
            Flat(p, Circle(dot.x(), dot.y(), 6), QColor(255, 210, 80));
        Shape(p, Ellipse(50, 52, 5, 26), Dark);
        QPainterPath antennae;
        antennae.moveTo(48, 28);
        antennae.quadTo(44, 16, 36, 13);
        antennae.moveTo(52, 28);
        antennae.quadTo(56, 16, 64, 13);
        p.setPen(QPen(Dark, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(antennae);
        break;
    }
    case 18: { // duck
        QPainterPath body;
        body.moveTo(18, 56);
        body.cubicTo(14, 40, 30, 52, 42, 54);
        body.lineTo(70, 54);
        body.cubicTo(90, 52, 90, 84, 60, 84);
        body.lineTo(40, 84);
        body.cubicTo(24, 84, 16, 70, 18, 56);
        body.closeSubpath();
        QPainterPath duck = body.united(Circle(62, 38, 16)).simplified();
        Shape(p, Polygon({{74, 38}, {92, 42}, {74, 48}}), Orange);
        Shape(p, duck, Yellow);
        Flat(p, Circle(66, 34, 3), Dark);
        p.setPen(QPen(Paint::Shade(Yellow, 0.55), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath wing;
        wing.moveTo(34, 64);
        wing.cubicTo(44, 76, 58, 74, 62, 62);
        p.drawPath(wing);
        break;
    }
    case 19: { // car
        QPainterPath car = Rect(10, 48, 80, 22, 7)
                               .united(Polygon({{28, 30}, {62, 30}, {76, 50}, {20, 50}}))
                               .simplified();
        Shape(p, car, Red);
        Shape(p, Polygon({{31, 35}, {46, 35}, {46, 48}, {25, 48}}), QColor(200, 230, 250));
        Shape(p, Polygon({{51, 35}, {60, 35}, {70, 48}, {51, 48}}), QColor(200, 230, 250));
        for (double x : {30.0, 70.0}) {
            Shape(p, Circle(x, 72, 10), Dark);
            Flat(p, Circle(x, 72, 4), QColor(190, 190, 200));
        }
        break;
    }
    case 20: { // crown
        QPainterPath crown =
            Polygon({{16, 72}, {14, 32}, {33, 52}, {50, 22}, {67, 52}, {86, 32}, {84, 72}});
        Shape(p, crown.united(Rect(16, 68, 68, 14, 2)).simplified(), Gold);
        for (const auto& gem : {QPointF(14, 30), QPointF(50, 20), QPointF(86, 30)})
            Shape(p, Circle(gem.x(), gem.y(), 5), Red);
        Shape(p, Circle(50, 75, 4), Blue);
        Shape(p, Circle(32, 75, 3.5), Green);
        Shape(p, Circle(68, 75, 3.5), Green);
        break;
    }
    case 21: { // gem
        Shape(p, Polygon({{30, 24}, {70, 24}, {88, 42}, {50, 86}, {12, 42}}), Magenta);
        p.setPen(QPen(Paint::Mix(Magenta, Qt::white, 0.55), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(14, 42), QPointF(86, 42)}));
        p.drawPolyline(QPolygonF({QPointF(30, 25), QPointF(38, 42), QPointF(50, 84)}));
        p.drawPolyline(QPolygonF({QPointF(70, 25), QPointF(62, 42), QPointF(50, 84)}));
        p.drawPolyline(QPolygonF({QPointF(38, 42), QPointF(50, 25), QPointF(62, 42)}));
        break;
    }
    case 22: { // notes
        QPainterPath notes = Ellipse(30, 74, 12, 9, -20)
                                 .united(Ellipse(68, 66, 12, 9, -20))
                                 .united(Rect(37, 26, 6, 48))
                                 .united(Rect(75, 18, 6, 48))
                                 .united(Polygon({{37, 24}, {81, 14}, {81, 26}, {37, 36}}))
                                 .simplified();
        Shape(p, notes, Indigo);
        break;
    }
    case 23: { // carrot
        QPainterPath carrot;
        carrot.moveTo(54, 26);
        carrot.cubicTo(66, 26, 76, 34, 76, 44);
        carrot.lineTo(22, 88);
        carrot.closeSubpath();
        for (double a : {-60.0, -25.0, 10.0})
            Shape(p,
                  Ellipse(72 + 12 * std::cos(a * std::numbers::pi / 180),
                          26 + 12 * std::sin(a * std::numbers::pi / 180), 12, 4.5, a),
                  Green);
        Shape(p, carrot, Orange);
        p.setPen(QPen(Paint::Shade(Orange, 0.55), 1.8, Qt::SolidLine, Qt::RoundCap));
        for (double t : {0.25, 0.45, 0.65})
            p.drawLine(QPointF(60 - 34 * t, 32 + 40 * t), QPointF(66 - 34 * t, 38 + 40 * t));
        break;
    }
    case 24: { // sailboat
        Shape(p, Rect(48, 14, 4, 56), Brown);
        Shape(p, Polygon({{54, 16}, {54, 62}, {84, 62}}), Blue);
        Shape(p, Polygon({{46, 24}, {46, 62}, {20, 62}}), Paint::Mix(Blue, Qt::white, 0.35));
        Shape(p, Polygon({{12, 68}, {88, 68}, {76, 84}, {24, 84}}), Brown);
        break;
    }
    case 25: { // balloon
        QPainterPath string;
        string.moveTo(50, 72);
        string.cubicTo(42, 80, 58, 84, 48, 94);
        p.setPen(QPen(QColor(90, 80, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        Shape(p, Polygon({{50, 66}, {44, 74}, {56, 74}}), Pink);
        Shape(p, Ellipse(50, 40, 24, 29), Pink);
        Flat(p, Ellipse(40, 28, 5, 9, 25), QColor(255, 255, 255, 150));
        break;
    }
    case 26: { // pear
        QPainterPath stem;
        stem.moveTo(50, 24);
        stem.quadTo(52, 14, 60, 10);
        Shape(p, Stroke(stem, 4), Brown);
        QPainterPath pear;
        pear.moveTo(50, 20);
        pear.cubicTo(60, 20, 60, 38, 66, 48);
        pear.cubicTo(82, 64, 76, 88, 50, 88);
        pear.cubicTo(24, 88, 18, 64, 34, 48);
        pear.cubicTo(40, 38, 40, 20, 50, 20);
        Shape(p, pear, Lime);
        Flat(p, Ellipse(38, 62, 4, 9, 15), QColor(255, 255, 255, 110));
        break;
    }
    case 27: { // drop
        QPainterPath drop;
        drop.moveTo(50, 10);
        drop.cubicTo(58, 30, 76, 46, 76, 62);
        drop.cubicTo(76, 78, 64, 88, 50, 88);
        drop.cubicTo(36, 88, 24, 78, 24, 62);
        drop.cubicTo(24, 46, 42, 30, 50, 10);
        Shape(p, drop, Sky);
        Flat(p, Ellipse(38, 64, 4, 9, 15), QColor(255, 255, 255, 150));
        break;
    }
    case 28: { // bird
        Shape(p, Polygon({{30, 58}, {10, 44}, {14, 70}}), Paint::Shade(Sky, 0.85));
        Shape(p, Polygon({{72, 40}, {92, 46}, {72, 52}}), Orange);
        QPainterPath bird = Ellipse(46, 60, 26, 18).united(Circle(66, 42, 13)).simplified();
        Shape(p, bird, Red);
        Shape(p, Ellipse(42, 56, 14, 8, -20), Paint::Shade(Red, 0.8));
        Flat(p, Circle(69, 39, 3), Dark);
        QPainterPath legs;
        legs.moveTo(44, 78);
        legs.lineTo(42, 88);
        legs.moveTo(54, 77);
        legs.lineTo(54, 88);
        p.setPen(QPen(Orange.darker(130), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(legs);
        break;
    }
    case 29: { // rocket
        QPainterPath flame;
        flame.moveTo(40, 74);
        flame.quadTo(50, 100, 60, 74);
        flame.closeSubpath();
        Shape(p, flame, Orange);
        Shape(p, Polygon({{38, 56}, {24, 76}, {40, 72}}), Red);
        Shape(p, Polygon({{62, 56}, {76, 76}, {60, 72}}), Red);
        QPainterPath body;
        body.moveTo(50, 8);
        body.cubicTo(66, 22, 66, 48, 62, 74);
        body.lineTo(38, 74);
        body.cubicTo(34, 48, 34, 22, 50, 8);
        Shape(p, body, Grey);
        Shape(p, Circle(50, 40, 7), Sky);
        break;
    }
    default: { // ice cream
        QPainterPath cone = Polygon({{32, 50}, {68, 50}, {50, 92}});
        Shape(p, cone, QColor(218, 168, 96));
        p.save();
        p.setClipPath(cone);
        p.setPen(QPen(QColor(160, 110, 50), 1.4));
        for (int i = -4; i < 6; ++i) {
            p.drawLine(QPointF(20 + i * 8, 50), QPointF(60 + i * 8, 92));
            p.drawLine(QPointF(80 - i * 8, 50), QPointF(40 - i * 8, 92));
        }
        p.restore();
        QPainterPath scoop = Circle(50, 38, 21)
                                 .united(Ellipse(36, 52, 8, 5))
                                 .united(Ellipse(52, 54, 9, 5))
                                 .united(Ellipse(66, 51, 7, 5))
                                 .simplified();
        Shape(p, scoop, Pink);
        Shape(p, Circle(52, 16, 6), Red);
        break;
    }
    }
}
