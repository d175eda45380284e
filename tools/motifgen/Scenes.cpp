// Scene motifs: a city at dusk, a coral reef, a fruit market, planets in a starfield, a
// harbour, butterflies, a bookshelf and the roofs of an old town.

#include "Cells.h"
#include "Dice.h"
#include "Motifs.h"
#include "Scenery.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Palette.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/ValueNoise.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

namespace Motifs {

namespace {

// A building with rows of windows, some lit, and a roof of its own kind.
void Building(QPainter& painter, const QRectF& body, const QColor& wall, double haze,
              const QColor& dusk) {
    // Walls fall into shadow at dusk; the lit windows stand out against them.
    const QColor face = Paint::Mix(Paint::Shade(wall, 0.6), dusk, haze);
    QLinearGradient shade(body.left(), 0, body.right(), 0);
    shade.setColorAt(0, Paint::Shade(face, 1.15));
    shade.setColorAt(1, Paint::Shade(face, 0.8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRect(body);
    // Roof: flat with a water tank, pointed, or a spire.
    switch (Dice::Between(0, 4)) {
    case 0:
        painter.drawPolygon(
            QPolygonF{body.topLeft(), body.topRight(),
                      QPointF(body.center().x(), body.top() - body.width() * 0.35)});
        break;
    case 1:
        painter.drawRect(QRectF(body.center().x() - body.width() * 0.15,
                                body.top() - body.width() * 0.5, body.width() * 0.3,
                                body.width() * 0.5));
        painter.setPen(QPen(face, 1.2));
        painter.drawLine(QPointF(body.center().x(), body.top() - body.width() * 0.5),
                         QPointF(body.center().x(), body.top() - body.width() * 0.5 - 25));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 60, 50));
        painter.drawEllipse(QPointF(body.center().x(), body.top() - body.width() * 0.5 - 25), 1.6,
                            1.6);
        break;
    case 2:
        painter.drawRect(QRectF(body.left() + body.width() * 0.6, body.top() - 8, 10, 8));
        break;
    default:
        break;
    }
    const double cell = std::max(5.0, body.width() / Dice::Between(4, 8));
    const double windowW = cell * 0.55;
    const double windowH = cell * Dice::Uniform(0.6, 0.9);
    const double litShare = Dice::Uniform(0.35, 0.75);
    for (double y = body.top() + cell * 0.5; y < body.bottom() - cell * 0.5; y += cell * 1.2) {
        for (double x = body.left() + (cell - windowW) / 2; x < body.right() - windowW; x += cell) {
            QColor glass;
            if (Dice::Chance(litShare))
                glass = Dice::Vary(QColor(255, 210, 110), 0.03, 0.2, 0.1);
            else
                glass = Paint::Mix(QColor(40, 50, 90), QColor(120, 110, 160), Dice::Uniform(0, 1));
            painter.setBrush(Paint::Mix(glass, dusk, haze * 0.6));
            painter.drawRect(QRectF(x, y, windowW, windowH));
        }
    }
}

} // namespace

QImage CityAtDusk() {
    const int width = 700;
    const int height = 500;
    const int waterline = 360;
    QImage image = Paint::Blank(width, height);
    const Paint::Palette sky{{0.0, QColor(25, 20, 70)},
                             {0.35, QColor(90, 55, 130)},
                             {0.7, QColor(230, 110, 100)},
                             {1.0, QColor(255, 195, 120)}};
    Scenery::Sky(image, waterline, sky, 161, 0.45, QColor(255, 170, 150), QColor(80, 50, 110));
    QPainter painter(&image);
    Paint::Smooth(painter);
    Scenery::Stars(painter, QRectF(0, 0, width, 120), 160);
    const QColor walls[] = {QColor(150, 90, 80),   QColor(90, 110, 140),  QColor(190, 160, 110),
                            QColor(120, 130, 110), QColor(170, 120, 140), QColor(80, 90, 100)};
    const QColor dusk(150, 100, 150);
    for (int row = 0; row < 3; ++row) {
        double x = -Dice::Uniform(0, 30);
        while (x < width) {
            const double w = Dice::Uniform(24, 60) * (1 + row * 0.25);
            const double h = Dice::Uniform(50, 210) * (1.1 - row * 0.2);
            const QRectF body(x, waterline - h - (2 - row) * 8, w, h + (2 - row) * 8 + 2);
            Building(painter, body, Dice::Vary(walls[Dice::Between(0, 5)], 0.02, 0.1, 0.1),
                     0.55 - row * 0.22, dusk);
            x += w * Dice::Uniform(0.7, 1.05);
        }
    }
    // The promenade with its lamps.
    painter.setBrush(QColor(60, 45, 60));
    painter.drawRect(QRectF(0, waterline - 4, width, 6));
    for (double x = 10; x < width; x += 46) {
        painter.setPen(QPen(QColor(40, 30, 40), 1.5));
        painter.drawLine(QPointF(x, waterline - 4), QPointF(x, waterline - 24));
        painter.setPen(Qt::NoPen);
        QRadialGradient lamp(QPointF(x, waterline - 25), 10);
        lamp.setColorAt(0, QColor(255, 240, 180, 255));
        lamp.setColorAt(1, QColor(255, 200, 120, 0));
        painter.setBrush(lamp);
        painter.drawEllipse(QPointF(x, waterline - 25), 10, 10);
    }
    painter.end();
    Scenery::Reflect(image, waterline + 2, 162, QColor(255, 180, 120), 0.08);
    Paint::Weather(image, 163, 0.08);
    return image;
}

namespace {

void BranchingCoral(QPainter& painter, QPointF base, double length, double angle, double width,
                    const QColor& colour, int depth) {
    const QPointF tip = base + QPointF(std::cos(angle) * length, std::sin(angle) * length);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, tip);
    if (depth == 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Paint::Shade(colour, 1.35));
        painter.drawEllipse(tip, width * 0.8, width * 0.8);
        return;
    }
    const int branches = Dice::Between(2, 3);
    for (int i = 0; i < branches; ++i)
        BranchingCoral(painter, tip, length * Dice::Uniform(0.6, 0.85),
                       angle + Dice::Uniform(-0.7, 0.7), width * 0.75, Paint::Shade(colour, 1.06),
                       depth - 1);
}

void Fish(QPainter& painter, QPointF at, double length, const QColor& body, const QColor& stripe,
          bool facingLeft) {
    painter.save();
    painter.translate(at);
    if (facingLeft)
        painter.scale(-1, 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paint::Shade(body, 0.85));
    painter.drawPolygon(QPolygonF{QPointF(-length * 0.45, 0),
                                  QPointF(-length * 0.75, -length * 0.25),
                                  QPointF(-length * 0.75, length * 0.25)});
    QLinearGradient g(0, -length * 0.25, 0, length * 0.25);
    g.setColorAt(0, Paint::Shade(body, 1.25));
    g.setColorAt(1, Paint::Shade(body, 0.7));
    painter.setBrush(g);
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), length * 0.5, length * 0.22);
    painter.drawPath(shape);
    painter.save();
    painter.setClipPath(shape);
    painter.setBrush(stripe);
    for (double x = -length * 0.3; x < length * 0.4; x += length * 0.3)
        painter.drawRect(QRectF(x, -length * 0.3, length * 0.09, length * 0.6));
    painter.restore();
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(length * 0.3, -length * 0.04), length * 0.06, length * 0.06);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(length * 0.32, -length * 0.04), length * 0.03, length * 0.03);
    painter.restore();
}

} // namespace

QImage CoralReef() {
    const int width = 666;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise water(171);
    Paint::Fill(image, [&](double x, double y) {
        const Paint::Palette depth{
            {0.0, QColor(90, 200, 230)}, {0.5, QColor(30, 120, 180)}, {1.0, QColor(10, 50, 110)}};
        QColor colour = depth.At(y / 500.0 + (water.Fractal(x / 90.0, y / 90.0, 4) - 0.5) * 0.2);
        // Dancing light from the waves above.
        const double caustic = std::pow(water.Ridged(x / 35.0, y / 25.0, 3), 5);
        colour = Paint::Mix(colour, QColor(220, 250, 255), caustic * (1.0 - y / 420.0) * 0.8);
        const double ray = std::pow(water.At(x / 30.0 + y / 60.0, 0.5), 3);
        return Paint::Mix(colour, QColor(200, 240, 255), ray * 0.4 * (1 - y / 500.0));
    });
    // Reef rock in three ridges, hazier with distance, and rippled sand between the rocks.
    const Paint::ValueNoise reef(172);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        QColor colour = c;
        for (int ridge = 0; ridge < 3; ++ridge) {
            const double top =
                250 + ridge * 55 - 70 * reef.Fractal(x / (90.0 + ridge * 40), ridge * 3.1, 5);
            if (y < top)
                continue;
            const double lumps = reef.Fractal(x / (14.0 + ridge * 6), y / (10.0 + ridge * 5), 5);
            const double pits = reef.Ridged(x / 9.0, y / 9.0, 3);
            QColor rock = Paint::Mix(QColor(90, 70, 110), QColor(190, 150, 140), lumps);
            rock =
                Paint::Mix(rock, QColor(120, 170, 120), 0.4 * reef.At(x / 30.0, y / 30.0 + ridge));
            rock = Paint::Shade(rock, 0.75 + 0.4 * pits);
            colour = Paint::Mix(rock, QColor(40, 120, 170), 0.6 - ridge * 0.25);
        }
        const double sandTop = 430 + 40 * reef.Fractal(x / 70.0, 7.5, 4);
        if (y > sandTop) {
            const double ripple = std::sin(y * 0.6 + 6 * reef.Fractal(x / 50.0, y / 50.0, 3));
            QColor sand =
                Paint::Mix(QColor(200, 180, 130), QColor(240, 225, 180), 0.5 + 0.4 * ripple);
            colour = Paint::Shade(sand, 0.85 + 0.25 * reef.At(x / 2.0, y / 2.0));
        }
        return colour;
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor corals[] = {QColor(240, 100, 120), QColor(250, 150, 60), QColor(180, 70, 190),
                             QColor(240, 210, 70),  QColor(230, 60, 60),  QColor(250, 130, 170),
                             QColor(90, 200, 160)};
    auto coral = [&]() { return Dice::Vary(corals[Dice::Between(0, 6)], 0.02, 0.1, 0.1); };
    for (int layer = 0; layer < 4; ++layer) {
        const double ground = 290 + layer * 55;
        const double scale = 0.5 + layer * 0.25;
        for (int i = 0; i < 16; ++i) {
            const QPointF base(Dice::Uniform(-20, width + 20), ground + Dice::Uniform(-10, 40));
            switch (Dice::Between(0, 4)) {
            case 0:
                BranchingCoral(painter, base, 35 * scale, -M_PI / 2 + Dice::Uniform(-0.3, 0.3),
                               7 * scale, coral(), 4);
                break;
            case 1: { // A sea fan.
                const QColor fan = coral();
                for (int r = 0; r < 40; ++r) {
                    const double a = -M_PI / 2 + Dice::Uniform(-1.0, 1.0);
                    const double len = Dice::Uniform(50, 110) * scale;
                    painter.setPen(QPen(Dice::Vary(fan, 0.02, 0.1, 0.2), 1.2));
                    QPainterPath vein(base);
                    vein.quadTo(base + QPointF(std::cos(a) * len * 0.5 + Dice::Uniform(-10, 10),
                                               std::sin(a) * len * 0.5),
                                base + QPointF(std::cos(a) * len, std::sin(a) * len));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawPath(vein);
                }
                break;
            }
            case 2: { // Brain coral.
                const double r = Dice::Uniform(25, 45) * scale;
                QRadialGradient dome(base - QPointF(r * 0.3, r * 0.6), r * 1.5);
                const QColor colour = coral();
                dome.setColorAt(0, Paint::Shade(colour, 1.3));
                dome.setColorAt(1, Paint::Shade(colour, 0.5));
                painter.setPen(Qt::NoPen);
                painter.setBrush(dome);
                painter.drawChord(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 0, 180 * 16);
                painter.setPen(QPen(Paint::Shade(colour, 0.6), 1.3));
                painter.setBrush(Qt::NoBrush);
                for (int k = 0; k < 14; ++k) {
                    const double rr = r * Dice::Uniform(0.2, 0.95);
                    painter.drawArc(QRectF(base.x() - rr, base.y() - rr, 2 * rr, 2 * rr),
                                    Dice::Between(0, 90) * 16, Dice::Between(30, 90) * 16);
                }
                break;
            }
            case 3: { // A sea anemone waving its tentacles.
                const QColor colour = coral();
                painter.setBrush(Qt::NoBrush);
                for (int t = 0; t < 28; ++t) {
                    const double a = -M_PI / 2 + Dice::Uniform(-1.2, 1.2);
                    const double len = Dice::Uniform(15, 30) * scale;
                    QPainterPath tentacle(base);
                    const QPointF tip = base + QPointF(std::cos(a) * len, std::sin(a) * len);
                    tentacle.quadTo(base + QPointF(std::cos(a) * len * 0.5 + Dice::Uniform(-6, 6),
                                                   std::sin(a) * len * 0.5),
                                    tip);
                    painter.setPen(QPen(Dice::Vary(colour, 0.02, 0.1, 0.15), 2.6 * scale,
                                        Qt::SolidLine, Qt::RoundCap));
                    painter.drawPath(tentacle);
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(Paint::Mix(colour, Qt::white, 0.5));
                    painter.drawEllipse(tip, 1.6 * scale, 1.6 * scale);
                    painter.setBrush(Qt::NoBrush);
                }
                break;
            }
            default: { // Tube sponges.
                const QColor colour = coral();
                for (int k = 0; k < 4; ++k) {
                    const double w = Dice::Uniform(8, 14) * scale;
                    const double h = Dice::Uniform(30, 70) * scale;
                    const QPointF at = base + QPointF(k * w * 1.1 - w * 2, 0);
                    QLinearGradient g(at.x() - w / 2, 0, at.x() + w / 2, 0);
                    g.setColorAt(0, Paint::Shade(colour, 1.2));
                    g.setColorAt(1, Paint::Shade(colour, 0.6));
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(g);
                    painter.drawRoundedRect(QRectF(at.x() - w / 2, at.y() - h, w, h), w / 3, w / 3);
                    painter.setBrush(Paint::Shade(colour, 0.35));
                    painter.drawEllipse(QPointF(at.x(), at.y() - h + 2), w * 0.35, w * 0.15);
                }
                break;
            }
            }
        }
        // Fish swim between the layers.
        const QColor bodies[] = {QColor(250, 130, 30), QColor(250, 220, 40), QColor(60, 120, 230),
                                 QColor(220, 60, 140), QColor(60, 200, 200)};
        for (int i = 0; i < 15 - layer * 2; ++i) {
            const int kind = Dice::Between(0, 4);
            Fish(painter, QPointF(Dice::Uniform(0, width), Dice::Uniform(30, ground)),
                 Dice::Uniform(18, 34) * scale, bodies[kind],
                 kind == 0 ? QColor(250, 250, 250) : Paint::Shade(bodies[(kind + 2) % 5], 0.8),
                 Dice::Chance(0.5));
        }
    }
    // A school of small silver fish wheeling through the open water.
    const QPointF school(Dice::Uniform(150, 450), Dice::Uniform(150, 220));
    for (int i = 0; i < 70; ++i) {
        const double angle = Dice::Uniform(0, 2 * M_PI);
        const double distance = std::sqrt(Dice::Uniform(0, 1)) * 90;
        const QPointF at =
            school + QPointF(std::cos(angle) * distance * 1.6, std::sin(angle) * distance * 0.6);
        Fish(painter, at, Dice::Uniform(9, 13), QColor(190, 210, 225), QColor(120, 150, 190),
             false);
    }
    // Starfish and shells on the sand.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(Dice::Uniform(0, width), Dice::Uniform(455, 500));
        const double r = Dice::Uniform(7, 14);
        const QColor colour = Dice::Chance(0.5) ? QColor(240, 110, 60) : QColor(250, 220, 190);
        QPolygonF star;
        const double turn = Dice::Uniform(0, 1.2);
        for (int p = 0; p < 10; ++p) {
            const double rr = p % 2 == 0 ? r : r * 0.4;
            star << at + QPointF(std::cos(turn + p * M_PI / 5) * rr,
                                 std::sin(turn + p * M_PI / 5) * rr * 0.7);
        }
        painter.setBrush(Dice::Vary(colour, 0.02, 0.1, 0.1));
        painter.drawPolygon(star);
    }
    // Bubbles rising.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 80; ++i) {
        const double r = Dice::Uniform(1.5, 5);
        painter.setPen(QPen(QColor(230, 250, 255, 180), 1));
        painter.drawEllipse(QPointF(Dice::Uniform(0, width), Dice::Uniform(0, 400)), r, r);
    }
    painter.end();
    Paint::Weather(image, 173, 0.08);
    return image;
}

namespace {

struct FruitKind {
    QColor colour;
    double radius;
    double stretch;
    bool stem;
};

void Fruit(QPainter& painter, QPointF at, const FruitKind& kind) {
    const double r = kind.radius * Dice::Uniform(0.85, 1.15);
    const QColor colour = Dice::Vary(kind.colour, 0.02, 0.1, 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 10, 0, 90));
    painter.drawEllipse(at + QPointF(r * 0.2, r * 0.25), r, r * kind.stretch);
    QRadialGradient g(at - QPointF(r * 0.35, r * 0.4), r * 1.5);
    g.setColorAt(0, Paint::Mix(colour, Qt::white, 0.45));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, Paint::Shade(colour, 0.45));
    painter.setBrush(g);
    painter.drawEllipse(at, r, r * kind.stretch);
    if (kind.stem) {
        painter.setPen(QPen(QColor(90, 60, 30), std::max(1.0, r * 0.1)));
        painter.drawLine(at - QPointF(0, r * kind.stretch * 0.8),
                         at - QPointF(-r * 0.15, r * kind.stretch * 1.15));
        painter.setPen(Qt::NoPen);
    }
}

} // namespace

QImage FruitMarket() {
    const int width = 666;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    QPainter painter(&image);
    Paint::Smooth(painter);
    // Striped awning with a scalloped hem.
    const double stripe = 37;
    for (int i = 0; i * stripe < width; ++i) {
        const QColor colour = i % 2 == 0 ? QColor(200, 35, 45) : QColor(245, 240, 225);
        QLinearGradient fold(i * stripe, 0, (i + 1) * stripe, 0);
        fold.setColorAt(0, Paint::Shade(colour, 1.05));
        fold.setColorAt(1, Paint::Shade(colour, 0.8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fold);
        painter.drawRect(QRectF(i * stripe, 0, stripe, 62));
        QLinearGradient hem(0, 60, 0, 78);
        hem.setColorAt(0, colour);
        hem.setColorAt(1, Paint::Shade(colour, 0.7));
        painter.setBrush(hem);
        painter.drawChord(QRectF(i * stripe, 44, stripe, 36), 180 * 16, 180 * 16);
    }
    painter.end();
    // Shade under the awning with wooden stalls behind.
    const Paint::ValueNoise wood(181);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        if (y < 62 || QColor(c).value() > 20)
            return c;
        const double grain = wood.Fractal(x / 6.0, y / 80.0, 4);
        return Paint::Mix(QColor(60, 40, 30), QColor(120, 85, 55), grain);
    });
    painter.begin(&image);
    Paint::Smooth(painter);
    const FruitKind kinds[] = {
        {QColor(200, 25, 30), 15, 0.95, true},   {QColor(250, 140, 20), 16, 1.0, false},
        {QColor(250, 225, 40), 13, 0.78, false}, {QColor(110, 180, 40), 11, 0.9, false},
        {QColor(100, 30, 110), 6, 1.0, false},   {QColor(150, 40, 90), 11, 1.05, true},
        {QColor(190, 200, 60), 13, 1.25, true},  {QColor(250, 160, 110), 15, 0.95, false},
        {QColor(230, 40, 20), 13, 0.85, false},  {QColor(160, 10, 30), 6, 1.0, true},
        {QColor(120, 90, 40), 11, 0.85, false},  {QColor(240, 100, 60), 14, 1.0, true}};
    const double rowTops[] = {88, 222, 356};
    const double rowHeight = 124;
    // Every crate holds a different fruit.
    std::vector<int> order(12);
    for (int i = 0; i < 12; ++i)
        order[i] = i;
    for (int i = 11; i > 0; --i)
        std::swap(order[i], order[Dice::Between(0, i)]);
    int crate = 0;
    for (double top : rowTops) {
        double x = -Dice::Uniform(10, 40);
        while (x < width) {
            const double w = Dice::Uniform(130, 190);
            const QRectF box(x + 4, top, w - 8, rowHeight);
            // The crate: planks with grain and nail heads.
            const QColor plank = Dice::Vary(QColor(185, 140, 90), 0.02, 0.1, 0.1);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Paint::Shade(plank, 0.55));
            painter.drawRect(box);
            const FruitKind& kind = kinds[order[crate % 12]];
            ++crate;
            painter.save();
            painter.setClipRect(box.adjusted(6, 4, -6, -26));
            const double step = kind.radius * 1.7;
            for (double fy = box.top() + kind.radius * 0.4; fy < box.bottom() - 10;
                 fy += step * 0.8)
                for (double fx = box.left() + 4 + std::fmod(fy, step); fx < box.right(); fx += step)
                    Fruit(painter, QPointF(fx + Dice::Uniform(-3, 3), fy + Dice::Uniform(-3, 3)),
                          kind);
            painter.restore();
            QLinearGradient front(0, box.bottom() - 26, 0, box.bottom());
            front.setColorAt(0, Paint::Shade(plank, 1.1));
            front.setColorAt(1, Paint::Shade(plank, 0.75));
            painter.setBrush(front);
            painter.drawRect(QRectF(box.left(), box.bottom() - 26, box.width(), 26));
            painter.setPen(QPen(Paint::Shade(plank, 0.6), 1));
            for (double gy = box.bottom() - 22; gy < box.bottom(); gy += 5)
                painter.drawLine(QPointF(box.left(), gy + Dice::Uniform(-1, 1)),
                                 QPointF(box.right(), gy + Dice::Uniform(-1, 1)));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(60, 60, 60));
            painter.drawEllipse(QPointF(box.left() + 6, box.bottom() - 13), 1.8, 1.8);
            painter.drawEllipse(QPointF(box.right() - 6, box.bottom() - 13), 1.8, 1.8);
            // A chalkboard price tag.
            const QRectF tag(box.left() + Dice::Uniform(10, box.width() - 60), box.bottom() - 40,
                             46, 24);
            painter.setBrush(QColor(35, 40, 35));
            painter.drawRect(tag);
            painter.setPen(QColor(240, 240, 230));
            QFont font = painter.font();
            font.setPixelSize(13);
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(tag, Qt::AlignCenter,
                             QStringLiteral("%1,%2")
                                 .arg(Dice::Between(1, 4))
                                 .arg(Dice::Between(0, 9) * 10, 2, 10, QLatin1Char('0')));
            x += w;
        }
    }
    painter.end();
    Paint::Weather(image, 182, 0.08);
    return image;
}

namespace {

void Planet(QPainter& painter, QPointF at, double r, const Paint::Palette& surface, unsigned seed,
            double bands, const QPointF& light) {
    // Paint the planet's disc pixel by pixel: banded or mottled surface, lit from one side.
    const Paint::ValueNoise noise(seed);
    const int size = static_cast<int>(std::ceil(r * 2)) + 2;
    QImage disc = Paint::Canvas(QSize(size, size));
    for (int row = 0; row < disc.height(); ++row) {
        for (int column = 0; column < disc.width(); ++column) {
            const double u = (Paint::Design(column) + 0.5 - size / 2.0) / r;
            const double v = (Paint::Design(row) + 0.5 - size / 2.0) / r;
            const double rr = u * u + v * v;
            if (rr > 1)
                continue;
            const double w = std::sqrt(1 - rr);
            const double turbulence = noise.Fractal(u * 3 + w, v * 3, 5);
            const double t = bands > 0
                                 ? v * bands + turbulence * 1.5 + noise.At(u * 8, v * 30) * 0.3
                                 : turbulence * 1.6 - 0.3;
            QColor colour = surface.Cyclic(bands > 0 ? t : std::clamp(t, 0.0, 0.999));
            const double lit = std::clamp(u * light.x() + v * light.y() + w * 0.6, 0.0, 1.0);
            colour = Paint::Shade(colour, 0.12 + 1.0 * lit);
            // The rim is smoothed over one device pixel.
            const double edge = std::clamp((1 - std::sqrt(rr)) * r * Paint::Scale(), 0.0, 1.0);
            colour.setAlphaF(static_cast<float>(edge));
            disc.setPixelColor(column, row, colour);
        }
    }
    QRadialGradient atmosphere(at, r * 1.15);
    atmosphere.setColorAt(0.85, Paint::Alpha(surface.At(0.5), 0.5));
    atmosphere.setColorAt(1, Paint::Alpha(surface.At(0.5), 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(atmosphere);
    painter.drawEllipse(at, r * 1.15, r * 1.15);
    painter.drawImage(QPointF(at.x() - size / 2.0, at.y() - size / 2.0), disc);
}

} // namespace

QImage Planets() {
    const int width = 700;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise gas(191);
    const Paint::Palette nebula{{0.0, QColor(5, 5, 20)},      {0.35, QColor(30, 20, 70)},
                                {0.55, QColor(120, 40, 120)}, {0.7, QColor(220, 90, 110)},
                                {0.85, QColor(80, 160, 200)}, {1.0, QColor(240, 230, 250)}};
    Paint::Fill(image, [&](double x, double y) {
        const double wx = x / 160.0 + gas.Fractal(x / 200.0, y / 200.0, 4);
        const double density = gas.Fractal(wx, y / 160.0, 7);
        const double dust = gas.Ridged(x / 90.0, y / 90.0, 5);
        QColor colour = nebula.At(std::pow(density, 1.6) * 1.4 + dust * 0.15);
        return Paint::Shade(colour, 0.8 + 0.4 * dust);
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    Scenery::Stars(painter, QRectF(0, 0, width, height), 1600);
    const QPointF light(-0.7, -0.4);
    Planet(painter, QPointF(150, 470), 190,
           Paint::Palette{{0.0, QColor(230, 190, 140)},
                          {0.25, QColor(190, 110, 60)},
                          {0.5, QColor(245, 225, 190)},
                          {0.75, QColor(160, 80, 50)},
                          {1.0, QColor(230, 190, 140)}},
           192, 3.5, light);
    // A ringed planet: rings behind, the globe, then the near half of the rings.
    const QPointF ringed(520, 150);
    const double ringR = 70;
    auto rings = [&](int start, int span) {
        for (int i = 0; i < 26; ++i) {
            const double rr = ringR * (1.35 + i * 0.04);
            painter.setPen(
                QPen(QColor::fromHsvF(0.09f + 0.02f * static_cast<float>(i % 3), 0.35f,
                                      static_cast<float>(0.55 + 0.4 * ((i * 7) % 5) / 5.0), 0.7f),
                     1.8));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(ringed.x() - rr, ringed.y() - rr * 0.3, 2 * rr, rr * 0.6),
                            start * 16, span * 16);
        }
    };
    painter.save();
    painter.translate(ringed);
    painter.rotate(-16);
    painter.translate(-ringed);
    rings(0, 180);
    Planet(painter, ringed, ringR,
           Paint::Palette{{0.0, QColor(240, 220, 170)},
                          {0.3, QColor(200, 170, 110)},
                          {0.6, QColor(250, 240, 210)},
                          {1.0, QColor(240, 220, 170)}},
           193, 5, light);
    rings(180, 180);
    painter.restore();
    Planet(painter, QPointF(330, 90), 34,
           Paint::Palette{{0.0, QColor(60, 110, 200)},
                          {0.45, QColor(40, 150, 90)},
                          {0.55, QColor(220, 200, 150)},
                          {1.0, QColor(250, 250, 255)}},
           194, 0, light);
    Planet(painter, QPointF(440, 360), 52,
           Paint::Palette{{0.0, QColor(150, 50, 30)},
                          {0.5, QColor(220, 110, 60)},
                          {1.0, QColor(250, 200, 150)}},
           195, 0, light);
    Planet(painter, QPointF(640, 420), 28,
           Paint::Palette{{0.0, QColor(150, 220, 240)},
                          {0.5, QColor(80, 140, 210)},
                          {1.0, QColor(230, 250, 255)}},
           196, 2.2, light);
    Planet(painter, QPointF(80, 90), 20,
           Paint::Palette{{0.0, QColor(120, 120, 130)}, {1.0, QColor(220, 215, 210)}}, 197, 0,
           light);
    painter.end();
    Paint::Weather(image, 198, 0.06);
    return image;
}

QImage Harbour() {
    const int width = 666;
    const int height = 500;
    const int quay = 300;
    QImage image = Paint::Blank(width, height);
    const Paint::Palette sky{{0.0, QColor(60, 130, 210)}, {1.0, QColor(190, 220, 240)}};
    Scenery::Sky(image, 130, sky, 201, 0.6, QColor(255, 255, 255), QColor(160, 170, 195));
    const Paint::ValueNoise hill(202);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(hill, x, 150, 110, 160);
        if (y < top)
            return c;
        const double g = hill.Fractal(x / 10.0, y / 10.0, 5);
        return Paint::Mix(QColor(50, 100, 40), QColor(140, 170, 70), g);
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    // Houses climbing the hill, painted in the colours of the coast.
    const QColor walls[] = {QColor(240, 190, 90),  QColor(220, 110, 80),  QColor(245, 220, 170),
                            QColor(200, 80, 70),   QColor(240, 160, 110), QColor(150, 180, 170),
                            QColor(250, 235, 200), QColor(230, 140, 60)};
    for (double row = 120; row < quay; row += 22) {
        double x = -Dice::Uniform(0, 30);
        while (x < width) {
            const double w = Dice::Uniform(22, 48);
            const double h = Dice::Uniform(30, 55);
            const double ground = row + 30 + (quay - row) * 0.2;
            if (ground - h < Scenery::Ridge(hill, x + w / 2, 150, 110, 160) + 8 ||
                Dice::Chance(0.1)) {
                x += w;
                continue;
            }
            const QColor wall = Dice::Vary(walls[Dice::Between(0, 7)], 0.02, 0.1, 0.08);
            const QRectF body(x, ground - h, w, h);
            painter.setPen(Qt::NoPen);
            painter.setBrush(wall);
            painter.drawRect(body);
            painter.setBrush(Paint::Shade(wall, 0.8));
            painter.drawRect(QRectF(body.right() - w * 0.2, body.top(), w * 0.2, h));
            painter.setBrush(Dice::Vary(QColor(180, 80, 50), 0.02, 0.1, 0.1));
            painter.drawPolygon(QPolygonF{QPointF(body.left() - 2, body.top()),
                                          QPointF(body.right() + 2, body.top()),
                                          QPointF(body.right() - 4, body.top() - 7),
                                          QPointF(body.left() + 4, body.top() - 7)});
            const QColor shutter = Dice::Chance(0.6) ? QColor(40, 110, 70) : QColor(70, 110, 160);
            for (double wy = body.top() + 6; wy < body.bottom() - 10; wy += 13)
                for (double wx = body.left() + 4; wx < body.right() - 8; wx += 10) {
                    painter.setBrush(QColor(50, 40, 40));
                    painter.drawRect(QRectF(wx, wy, 4, 7));
                    painter.setBrush(shutter);
                    painter.drawRect(QRectF(wx - 2, wy, 2, 7));
                    painter.drawRect(QRectF(wx + 4, wy, 2, 7));
                }
            x += w + Dice::Uniform(0, 4);
        }
    }
    // The quay.
    QLinearGradient stone(0, quay - 8, 0, quay + 4);
    stone.setColorAt(0, QColor(200, 190, 170));
    stone.setColorAt(1, QColor(120, 110, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(stone);
    painter.drawRect(QRectF(0, quay - 8, width, 12));
    painter.end();
    // The sea mirrors the town, tinted by the water; the boats cast their own reflections.
    const Paint::ValueNoise sea(203);
    Scenery::Reflect(image, quay + 4, 204, QColor(30, 120, 160), 0.55);
    painter.begin(&image);
    Paint::Smooth(painter);
    const QColor hulls[] = {QColor(240, 240, 235), QColor(30, 90, 170), QColor(200, 50, 40),
                            QColor(250, 200, 40),  QColor(40, 140, 90), QColor(240, 130, 40)};
    struct Boat {
        double x, y, length;
        QColor hull, trim;
        bool sail;
    };
    std::vector<Boat> boats;
    for (int i = 0; i < 16; ++i) {
        const double y = Dice::Uniform(quay + 18, quay + 190);
        boats.push_back(
            {Dice::Uniform(-20, width - 20), y, 30 + (y - quay) * 0.5 * Dice::Uniform(0.8, 1.2),
             hulls[Dice::Between(0, 5)], Paint::Shade(hulls[(i + 2) % 6], 0.9), Dice::Chance(0.6)});
    }
    std::sort(boats.begin(), boats.end(), [](const Boat& a, const Boat& b) { return a.y < b.y; });
    auto drawBoat = [&](const Boat& boat) {
        const double x = boat.x;
        const double y = boat.y;
        const double length = boat.length;
        painter.setPen(Qt::NoPen);
        painter.setBrush(boat.hull);
        painter.drawPolygon(QPolygonF{QPointF(x, y - length * 0.15),
                                      QPointF(x + length, y - length * 0.18),
                                      QPointF(x + length * 0.85, y), QPointF(x + length * 0.1, y)});
        painter.setBrush(boat.trim);
        painter.drawRect(QRectF(x + 2, y - length * 0.17, length * 0.95, length * 0.03));
        painter.setBrush(QColor(240, 235, 220));
        painter.drawRect(QRectF(x + length * 0.35, y - length * 0.3, length * 0.25, length * 0.13));
        if (boat.sail) {
            painter.setPen(QPen(QColor(90, 70, 50), 1.2));
            painter.drawLine(QPointF(x + length * 0.5, y - length * 0.17),
                             QPointF(x + length * 0.5, y - length * 1.1));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(250, 245, 230));
            painter.drawPolygon(QPolygonF{QPointF(x + length * 0.52, y - length * 1.05),
                                          QPointF(x + length * 0.52, y - length * 0.25),
                                          QPointF(x + length * 0.95, y - length * 0.25)});
        }
    };
    for (const Boat& boat : boats) {
        painter.save();
        painter.setOpacity(0.35);
        painter.translate(0, 2 * boat.y);
        painter.scale(1, -1);
        drawBoat(boat);
        painter.restore();
        drawBoat(boat);
    }
    painter.end();
    // Glitter on the open water.
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        if (y <= quay + 4)
            return c;
        const double wave = sea.Ridged(x / (15.0 + (y - quay) * 0.2), y / 3.0, 3);
        return Paint::Mix(c, QColor(230, 245, 250), std::pow(wave, 8) * 0.7);
    });
    Paint::Weather(image, 205, 0.07);
    return image;
}

namespace {

void Butterfly(QPainter& painter, QPointF at, double size, double angle, const QColor& wing,
               const QColor& accent) {
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    for (int side = -1; side <= 1; side += 2) {
        painter.save();
        painter.scale(side, 1);
        QPainterPath fore(QPointF(0, 0));
        fore.cubicTo(QPointF(size * 0.3, -size * 0.9), QPointF(size * 1.1, -size * 0.9),
                     QPointF(size, -size * 0.2));
        fore.cubicTo(QPointF(size * 0.8, 0), QPointF(size * 0.3, 0), QPointF(0, 0));
        QPainterPath hind(QPointF(0, 0));
        hind.cubicTo(QPointF(size * 0.7, size * 0.05), QPointF(size * 0.8, size * 0.6),
                     QPointF(size * 0.35, size * 0.75));
        hind.cubicTo(QPointF(size * 0.15, size * 0.7), QPointF(0, size * 0.4), QPointF(0, 0));
        QRadialGradient g(QPointF(size * 0.2, 0), size * 1.1);
        g.setColorAt(0, Paint::Shade(wing, 1.2));
        g.setColorAt(0.7, wing);
        g.setColorAt(1, Paint::Shade(wing, 0.3));
        painter.setBrush(g);
        painter.drawPath(fore);
        painter.drawPath(hind);
        // Veins fan out from the body.
        painter.save();
        QPainterPath wings = fore.united(hind);
        painter.setClipPath(wings);
        painter.setPen(QPen(Paint::Alpha(QColor(30, 20, 20), 0.6), std::max(0.6, size * 0.025)));
        for (int v = 0; v < 7; ++v) {
            const double a = -1.3 + v * 0.42;
            painter.drawLine(QPointF(0, 0),
                             QPointF(std::cos(a) * size * 1.2, std::sin(a) * size * 1.2));
        }
        // A dark tip on the fore wing.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Paint::Shade(wing, 0.35));
        painter.drawEllipse(QPointF(size * 0.95, -size * 0.6), size * 0.35, size * 0.3);
        painter.restore();
        // Dark borders with white spots, and an eye on each wing.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(30, 20, 20), size * 0.08));
        painter.drawPath(fore);
        painter.drawPath(hind);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 250, 240));
        for (int s = 0; s < 4; ++s)
            painter.drawEllipse(QPointF(size * (0.55 + s * 0.13), -size * (0.65 - s * 0.12)),
                                size * 0.04, size * 0.04);
        painter.setBrush(accent);
        painter.drawEllipse(QPointF(size * 0.55, -size * 0.4), size * 0.13, size * 0.13);
        painter.setBrush(QColor(20, 20, 30));
        painter.drawEllipse(QPointF(size * 0.55, -size * 0.4), size * 0.06, size * 0.06);
        painter.setBrush(Paint::Shade(accent, 0.9));
        painter.drawEllipse(QPointF(size * 0.4, size * 0.45), size * 0.09, size * 0.09);
        painter.restore();
    }
    painter.setBrush(QColor(40, 30, 25));
    painter.drawEllipse(QPointF(0, size * 0.1), size * 0.07, size * 0.45);
    painter.setPen(QPen(QColor(40, 30, 25), std::max(0.7, size * 0.03)));
    painter.drawLine(QPointF(0, -size * 0.3), QPointF(-size * 0.25, -size * 0.75));
    painter.drawLine(QPointF(0, -size * 0.3), QPointF(size * 0.25, -size * 0.75));
    painter.restore();
}

} // namespace

QImage Butterflies() {
    const int width = 600;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise leaf(211);
    Paint::Fill(image, [&](double x, double y) {
        const double g = leaf.Fractal(x / 60.0, y / 60.0, 5);
        const double veins = leaf.Ridged(x / 25.0, y / 25.0, 4);
        return Paint::Mix(QColor(20, 60, 30), QColor(120, 170, 70), g * 0.8 + veins * 0.35);
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    // Leaves and blossoms behind the butterflies.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        painter.save();
        painter.translate(Dice::Uniform(0, width), Dice::Uniform(0, height));
        painter.rotate(Dice::Uniform(0, 360));
        const double l = Dice::Uniform(15, 45);
        QLinearGradient g(0, -l * 0.3, 0, l * 0.3);
        const QColor green = Dice::Vary(QColor(60, 130, 50), 0.05, 0.15, 0.2);
        g.setColorAt(0, Paint::Shade(green, 1.2));
        g.setColorAt(1, Paint::Shade(green, 0.7));
        painter.setBrush(g);
        painter.drawEllipse(QPointF(l / 2, 0), l / 2, l * 0.22);
        painter.setPen(QPen(Paint::Shade(green, 1.4), 0.8));
        painter.drawLine(QPointF(0, 0), QPointF(l, 0));
        painter.setPen(Qt::NoPen);
        painter.restore();
    }
    const QColor petals[] = {QColor(250, 250, 250), QColor(250, 200, 220), QColor(200, 160, 240)};
    for (int i = 0; i < 40; ++i)
        Scenery::Flower(painter, QPointF(Dice::Uniform(0, width), Dice::Uniform(0, height)),
                        Dice::Uniform(6, 14), petals[Dice::Between(0, 2)], QColor(250, 200, 50));
    const QColor wings[] = {QColor(250, 130, 20),  QColor(40, 110, 230), QColor(250, 220, 50),
                            QColor(220, 40, 60),   QColor(150, 70, 200), QColor(60, 200, 200),
                            QColor(250, 250, 240), QColor(240, 100, 170)};
    // Butterflies spread out over the leaves, overlapping only a little.
    std::vector<std::pair<QPointF, double>> placed;
    for (int attempt = 0; attempt < 4000 && placed.size() < 36; ++attempt) {
        const QPointF at(Dice::Uniform(10, width - 10), Dice::Uniform(10, height - 10));
        const double size = Dice::Uniform(18, 48);
        bool free = true;
        for (const auto& [other, otherSize] : placed)
            if (std::hypot(at.x() - other.x(), at.y() - other.y()) < (size + otherSize) * 0.8)
                free = false;
        if (!free)
            continue;
        placed.emplace_back(at, size);
        const int a = Dice::Between(0, 7);
        Butterfly(painter, at, size, Dice::Uniform(-40, 40), wings[a], wings[(a + 3) % 8]);
    }

    painter.end();
    Paint::Weather(image, 212, 0.07);
    return image;
}

QImage Bookshelf() {
    const int width = 600;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise wood(221);
    Paint::Fill(image, [&](double x, double y) {
        const double grain = wood.Fractal(x / 300.0, y / 6.0, 5);
        return Paint::Mix(QColor(70, 40, 25), QColor(130, 80, 45),
                          0.5 + 0.5 * std::sin(grain * 30));
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor covers[] = {QColor(140, 30, 40),  QColor(30, 60, 110), QColor(40, 100, 60),
                             QColor(200, 150, 50), QColor(90, 40, 90),  QColor(220, 210, 190),
                             QColor(30, 30, 35),   QColor(190, 80, 40), QColor(80, 130, 160),
                             QColor(170, 60, 100)};
    const double shelf = 100;
    for (int row = 0; row < 5; ++row) {
        const double floor = (row + 1) * shelf - 12;
        double x = 4;
        while (x < width - 6) {
            if (Dice::Chance(0.05)) {
                // A small plant or a globe between the books.
                const double r = Dice::Uniform(14, 22);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(170, 90, 60));
                painter.drawRect(QRectF(x, floor - r, r * 1.4, r));
                for (int l = 0; l < 12; ++l) {
                    painter.setBrush(Dice::Vary(QColor(60, 140, 60), 0.03, 0.1, 0.2));
                    painter.drawEllipse(QPointF(x + r * 0.7 + Dice::Uniform(-r, r),
                                                floor - r - Dice::Uniform(2, r * 1.8)),
                                        Dice::Uniform(3, 7), Dice::Uniform(2, 4));
                }
                x += r * 1.6;
                continue;
            }
            const double w = Dice::Uniform(9, 26);
            const double h = Dice::Uniform(55, 84);
            const QColor cover = Dice::Vary(covers[Dice::Between(0, 9)], 0.02, 0.12, 0.12);
            const QRectF spine(x, floor - h, w, h);
            QLinearGradient round(spine.left(), 0, spine.right(), 0);
            round.setColorAt(0, Paint::Shade(cover, 0.7));
            round.setColorAt(0.35, Paint::Shade(cover, 1.25));
            round.setColorAt(1, Paint::Shade(cover, 0.6));
            painter.setPen(Qt::NoPen);
            painter.setBrush(round);
            painter.drawRect(spine);
            // Gold bands and a title label.
            const QColor gold(225, 190, 100);
            painter.setBrush(gold);
            const int bands = Dice::Between(1, 3);
            for (int b = 0; b < bands; ++b) {
                painter.drawRect(QRectF(x, spine.top() + 6 + b * 4, w, 1.5));
                painter.drawRect(QRectF(x, spine.bottom() - 8 - b * 4, w, 1.5));
            }
            if (w > 13) {
                painter.setBrush(Dice::Chance(0.5) ? QColor(240, 230, 205)
                                                   : Paint::Shade(cover, 0.6));
                painter.drawRect(QRectF(x + 3, spine.top() + h * 0.3, w - 6, h * 0.25));
                painter.setBrush(Paint::Shade(gold, 0.8));
                for (double ty = spine.top() + h * 0.33; ty < spine.top() + h * 0.52; ty += 4)
                    painter.drawRect(QRectF(x + 5, ty, (w - 10) * Dice::Uniform(0.5, 1), 1.5));
            }
            x += w + Dice::Uniform(0, 1.5);
        }
        // The shelf board.
        QLinearGradient board(0, floor, 0, floor + 12);
        board.setColorAt(0, QColor(170, 115, 70));
        board.setColorAt(1, QColor(90, 55, 30));
        painter.setPen(Qt::NoPen);
        painter.setBrush(board);
        painter.drawRect(QRectF(0, floor, width, 12));
    }
    painter.end();
    Paint::Weather(image, 222, 0.1);
    return image;
}

QImage Rooftops() {
    const int width = 666;
    QImage image = Paint::Blank(width, 500);
    const Paint::Palette sky{
        {0.0, QColor(70, 120, 200)}, {0.7, QColor(230, 180, 150)}, {1.0, QColor(250, 210, 160)}};
    Scenery::Sky(image, 180, sky, 231, 0.55, QColor(255, 245, 235), QColor(170, 150, 170));
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor roofs[] = {QColor(180, 70, 45), QColor(150, 60, 40), QColor(200, 100, 60),
                            QColor(95, 95, 115), QColor(170, 85, 55), QColor(120, 60, 45)};
    const QColor walls[] = {QColor(240, 220, 180), QColor(230, 190, 140), QColor(210, 150, 120),
                            QColor(245, 240, 225), QColor(200, 180, 150), QColor(230, 200, 110),
                            QColor(190, 210, 200), QColor(240, 190, 180)};
    const QColor shutters[] = {QColor(40, 110, 70), QColor(60, 100, 160), QColor(160, 50, 40),
                               QColor(90, 70, 50)};
    painter.end();
    // Wooded hills with a castle behind the town.
    const Paint::ValueNoise hills(233);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(hills, x, 175, 90, 140);
        if (y < top)
            return c;
        const double wood = hills.Fractal(x / 7.0, y / 6.0, 4);
        const QColor green = Paint::Mix(QColor(60, 100, 60), QColor(150, 170, 90), wood);
        return Paint::Mix(green, QColor(190, 190, 200), 0.35);
    });
    painter.begin(&image);
    Paint::Smooth(painter);
    {
        const double castleX = 120;
        const double ground = Scenery::Ridge(hills, castleX + 40, 175, 90, 140) + 6;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 185, 165));
        painter.drawRect(QRectF(castleX, ground - 40, 80, 40));
        painter.drawRect(QRectF(castleX - 10, ground - 62, 22, 62));
        painter.drawRect(QRectF(castleX + 62, ground - 56, 22, 56));
        painter.setBrush(QColor(150, 60, 45));
        painter.drawPolygon(QPolygonF{QPointF(castleX - 13, ground - 62),
                                      QPointF(castleX + 15, ground - 62),
                                      QPointF(castleX + 1, ground - 88)});
        painter.drawPolygon(QPolygonF{QPointF(castleX + 59, ground - 56),
                                      QPointF(castleX + 87, ground - 56),
                                      QPointF(castleX + 73, ground - 80)});
        painter.setBrush(QColor(60, 50, 50));
        for (int i = 0; i < 4; ++i)
            painter.drawRect(QRectF(castleX + 18 + i * 13, ground - 30, 5, 9));
        for (int i = 0; i < 8; ++i)
            painter.drawRect(QRectF(castleX + i * 10, ground - 44, 6, 4));
    }
    // The church tower rises above the roofs.
    const double towerX = 430;
    painter.setPen(Qt::NoPen);
    QLinearGradient stone(towerX, 0, towerX + 48, 0);
    stone.setColorAt(0, QColor(225, 205, 170));
    stone.setColorAt(1, QColor(160, 140, 115));
    painter.setBrush(stone);
    painter.drawRect(QRectF(towerX, 70, 48, 200));
    painter.setPen(QPen(QColor(140, 120, 100), 0.8));
    for (double y = 74; y < 270; y += 8)
        painter.drawLine(QPointF(towerX, y), QPointF(towerX + 48, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 100, 90));
    painter.drawPolygon(
        QPolygonF{QPointF(towerX - 5, 72), QPointF(towerX + 53, 72), QPointF(towerX + 24, -10)});
    painter.setBrush(QColor(30, 70, 65));
    painter.drawPolygon(
        QPolygonF{QPointF(towerX + 24, 72), QPointF(towerX + 53, 72), QPointF(towerX + 24, -10)});
    painter.setBrush(QColor(245, 225, 150));
    painter.drawEllipse(QPointF(towerX + 24, 100), 12, 12);
    painter.setPen(QPen(QColor(40, 30, 30), 1.5));
    painter.drawLine(QPointF(towerX + 24, 100), QPointF(towerX + 24, 91));
    painter.drawLine(QPointF(towerX + 24, 100), QPointF(towerX + 31, 103));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 40, 45));
    for (int i = 0; i < 2; ++i)
        painter.drawRoundedRect(QRectF(towerX + 9 + i * 18, 125, 11, 24), 5, 5);

    double row = 185;
    while (row < 540) {
        double x = -Dice::Uniform(10, 60);
        while (x < width) {
            const double w = Dice::Uniform(50, 110);
            const double wallH = Dice::Uniform(55, 95);
            const double roofH = w * Dice::Uniform(0.35, 0.65);
            const double eaves = row + Dice::Uniform(-8, 8);
            const QColor wall = Dice::Vary(walls[Dice::Between(0, 7)], 0.02, 0.1, 0.08);
            const QRectF body(x, eaves, w, wallH);
            painter.setPen(Qt::NoPen);
            painter.setBrush(wall);
            painter.drawRect(body);
            if (Dice::Chance(0.25)) {
                // Half-timbering.
                painter.setPen(QPen(QColor(80, 50, 35), 3));
                for (double bx = x; bx <= x + w; bx += w / 3)
                    painter.drawLine(QPointF(bx, eaves), QPointF(bx, eaves + wallH));
                painter.drawLine(QPointF(x, eaves + wallH * 0.5),
                                 QPointF(x + w, eaves + wallH * 0.5));
                painter.drawLine(QPointF(x, eaves + wallH * 0.5), QPointF(x + w / 3, eaves));
                painter.drawLine(QPointF(x + w, eaves + wallH * 0.5),
                                 QPointF(x + 2 * w / 3, eaves));
                painter.setPen(Qt::NoPen);
            }
            const QColor shutter = shutters[Dice::Between(0, 3)];
            const bool flowers = Dice::Chance(0.35);
            for (double wy = eaves + 10; wy < eaves + wallH - 22; wy += 28) {
                for (double wx = x + 12; wx < x + w - 16; wx += 24) {
                    painter.setBrush(QColor(45, 40, 50));
                    painter.drawRect(QRectF(wx, wy, 9, 14));
                    painter.setBrush(QColor(200, 220, 240, 90));
                    painter.drawRect(QRectF(wx + 1, wy + 1, 3, 6));
                    painter.setBrush(shutter);
                    painter.drawRect(QRectF(wx - 4, wy, 4, 14));
                    painter.drawRect(QRectF(wx + 9, wy, 4, 14));
                    if (flowers) {
                        painter.setBrush(QColor(110, 70, 40));
                        painter.drawRect(QRectF(wx - 2, wy + 14, 13, 3));
                        for (int f = 0; f < 5; ++f) {
                            painter.setBrush(Dice::Chance(0.5) ? QColor(230, 40, 50)
                                                               : QColor(250, 200, 220));
                            painter.drawEllipse(QPointF(wx - 1 + f * 2.8, wy + 13), 1.6, 1.6);
                        }
                    }
                }
            }
            // The roof, tiled in rows of alternating joints.
            const QColor roof = Dice::Vary(roofs[Dice::Between(0, 5)], 0.02, 0.12, 0.1);
            QPolygonF gable{QPointF(x - 6, eaves), QPointF(x + w + 6, eaves),
                            QPointF(x + w * 0.5, eaves - roofH)};
            if (Dice::Chance(0.5))
                gable = QPolygonF{QPointF(x - 6, eaves), QPointF(x + w + 6, eaves),
                                  QPointF(x + w - 10, eaves - roofH * 0.8),
                                  QPointF(x + 10, eaves - roofH * 0.8)};
            painter.setBrush(roof);
            painter.drawPolygon(gable);
            painter.save();
            QPainterPath clip;
            clip.addPolygon(gable);
            painter.setClipPath(clip);
            for (double ty = eaves - roofH; ty < eaves; ty += 5) {
                const double shift = (static_cast<int>((eaves - ty) / 5) % 2) * 4;
                for (double tx = x - 10 + shift; tx < x + w + 10; tx += 8) {
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(Paint::Shade(roof, Dice::Uniform(0.85, 1.2)));
                    painter.drawRect(QRectF(tx, ty, 7.2, 4.2));
                }
            }
            // Sun on one slope, shade on the other.
            painter.setBrush(QColor(0, 0, 20, 70));
            painter.drawRect(QRectF(x + w * 0.5, eaves - roofH, w, roofH));
            painter.restore();
            painter.setPen(QPen(Paint::Shade(roof, 0.6), 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(gable);
            painter.setPen(Qt::NoPen);
            if (Dice::Chance(0.35)) {
                // A dormer window.
                const double dx = x + w * Dice::Uniform(0.25, 0.55);
                const double dy = eaves - roofH * 0.45;
                painter.setBrush(wall);
                painter.drawRect(QRectF(dx, dy, 14, 12));
                painter.setBrush(QColor(45, 40, 50));
                painter.drawRect(QRectF(dx + 3, dy + 3, 8, 8));
                painter.setBrush(Paint::Shade(roof, 0.8));
                painter.drawPolygon(
                    QPolygonF{QPointF(dx - 3, dy), QPointF(dx + 17, dy), QPointF(dx + 7, dy - 8)});
            }
            if (Dice::Chance(0.6)) {
                const double cx = x + Dice::Uniform(w * 0.55, w * 0.8);
                painter.setBrush(Paint::Shade(wall, 0.75));
                painter.drawRect(QRectF(cx, eaves - roofH * 0.75 - 12, 9, 22));
                painter.setBrush(QColor(80, 60, 50));
                painter.drawRect(QRectF(cx - 1, eaves - roofH * 0.75 - 14, 11, 3));
            }
            x += w + Dice::Uniform(-5, 8);
        }
        row += Dice::Uniform(40, 58);
    }
    painter.end();
    Paint::Weather(image, 232, 0.08);
    return image;
}

} // namespace Motifs
