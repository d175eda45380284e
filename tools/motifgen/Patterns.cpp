// Pattern motifs: a mosaic, a rose window, glazed tiles, a patchwork quilt, an abstract
// painting, a polished agate and a tray of glass marbles.

#include "Cells.h"
#include "Dice.h"
#include "Motifs.h"
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

// The picture the mosaic is laid after: sun, birds and sea.
QColor MosaicDesign(const Paint::ValueNoise& noise, double x, double y) {
    const double sunX = 470;
    const double sunY = 140;
    const double dx = x - sunX;
    const double dy = y - sunY;
    const double r = std::hypot(dx, dy);
    const double sea = 270 + 18 * std::sin(x / 60.0);
    if (y < sea) {
        if (r < 55)
            return r < 32 ? QColor(255, 225, 70) : QColor(250, 170, 40);
        const double angle = std::atan2(dy, dx);
        if (r < 120 && std::fmod(angle + 4 * M_PI, M_PI / 8) < M_PI / 16)
            return QColor(250, 200, 80);
        // Dolphin-shaped arcs of birds.
        for (int bird = 0; bird < 5; ++bird) {
            const double bx = 90 + bird * 55;
            const double by = 90 + (bird % 2) * 40 + bird * 12;
            const double u = (x - bx) / 22;
            const double v = (y - by) / 22;
            if (std::abs(v + 0.5 * std::abs(u) * (2 - std::abs(u)) - 0.2) < 0.14 &&
                std::abs(u) < 1.6)
                return QColor(40, 40, 70);
        }
        const Paint::Palette sky{
            {0, QColor(40, 90, 170)}, {0.6, QColor(120, 180, 230)}, {1, QColor(240, 200, 150)}};
        const double band = std::floor((y + 10 * noise.At(x / 80.0, 0)) / 26.0) * 26.0 / sea;
        return sky.At(band + 0.05 * std::sin(x / 35.0));
    }
    // Waves in bands of blue and green with white crests, and fish among them.
    for (int fish = 0; fish < 7; ++fish) {
        const double fx = 60 + fish * 92 + (fish % 3) * 10;
        const double fy = 330 + (fish * 53) % 140;
        const double u = (x - fx) / 24;
        const double v = (y - fy) / 11;
        if (u * u + v * v < 1)
            return fish % 2 == 0 ? QColor(250, 120, 30) : QColor(230, 60, 70);
        if (u > 0.8 && u < 1.5 && std::abs(v) < (u - 0.8) * 1.6)
            return QColor(250, 200, 50);
    }
    const double wave = (y - sea + 14 * std::sin(x / 38.0 + y / 30.0)) / 22.0;
    static const QColor waters[] = {QColor(20, 60, 140),  QColor(30, 120, 170),
                                    QColor(50, 170, 170), QColor(235, 245, 245),
                                    QColor(20, 90, 120),  QColor(70, 150, 200)};
    return waters[static_cast<int>(std::floor(std::abs(wave))) % 6];
}

} // namespace

QImage Mosaic() {
    QImage image = Paint::Blank(666, 500);
    const Cells tiles(666, 500, 10.5, 0.5);
    const Paint::ValueNoise noise(91);
    std::vector<QColor> tileColours(tiles.Count());
    std::vector<bool> known(tiles.Count(), false);
    Paint::Fill(image, [&](double x, double y) {
        const Cells::Hit hit = tiles.At(x, y);
        if (!known[hit.index]) {
            tileColours[hit.index] =
                Dice::Vary(MosaicDesign(noise, hit.centre.x(), hit.centre.y()), 0.015, 0.08, 0.12);
            known[hit.index] = true;
        }
        if (hit.border < 1.6)
            return Paint::Shade(QColor(215, 205, 185), 0.8 + 0.3 * noise.At(x / 2.0, y / 2.0));
        // Each stone is slightly domed: lighter towards its upper left.
        const double dome = (hit.centre.x() - x + hit.centre.y() - y) / 14.0;
        return Paint::Shade(tileColours[hit.index],
                            1.0 + 0.12 * dome + 0.1 * (noise.At(x / 3.0, y / 3.0) - 0.5));
    });
    Paint::Weather(image, 92, 0.1);
    return image;
}

QImage StainedGlass() {
    const int width = 600;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Cells panes(width, height, 30, 0.9);
    const Paint::ValueNoise noise(101);
    const QPointF centre(300, 250);
    const QColor jewels[] = {QColor(200, 20, 40),  QColor(30, 60, 190),  QColor(240, 180, 20),
                             QColor(20, 140, 70),  QColor(130, 30, 160), QColor(230, 100, 20),
                             QColor(40, 160, 200), QColor(190, 40, 120)};
    std::vector<QColor> colours(panes.Count());
    for (int i = 0; i < panes.Count(); ++i)
        colours[i] = QColor();
    Paint::Fill(image, [&](double x, double y) {
        // Warp the lookup a little so the lead lines wander like hand-cut glass.
        const double wx = x + 6 * (noise.At(x / 40.0, y / 40.0) - 0.5);
        const double wy = y + 6 * (noise.At(x / 40.0 + 9, y / 40.0) - 0.5);
        const Cells::Hit hit = panes.At(wx, wy);
        const double dx = hit.centre.x() - centre.x();
        const double dy = hit.centre.y() - centre.y();
        const double radius = std::hypot(dx, dy);
        const double pixelRadius = std::hypot(x - centre.x(), y - centre.y());
        // Round lead rings divide the rose into its circles.
        for (double ring : {70.0, 150.0, 230.0}) {
            if (std::abs(pixelRadius - ring) < 2.4)
                return QColor(35, 30, 30);
        }
        if (hit.border < 2.6)
            return Paint::Shade(QColor(45, 40, 38), 0.8 + 0.4 * noise.At(x / 2.0, y / 2.0));
        QColor& pane = colours[hit.index];
        if (!pane.isValid()) {
            const int ring = pixelRadius < 70    ? 0
                             : pixelRadius < 150 ? 1
                             : pixelRadius < 230 ? 2
                                                 : 3;
            const double angle = std::atan2(dy, dx) + M_PI;
            const int petals = 6 + ring * 6;
            const int sector = static_cast<int>(angle / (2 * M_PI) * petals);
            int choice = (ring * 3 + sector % 2 + (sector % 3 == 0 ? 4 : 0)) % 8;
            if (ring == 3)
                choice = Dice::Chance(0.7) ? 1 : Dice::Between(0, 7);
            if (Dice::Chance(0.12))
                choice = Dice::Between(0, 7);
            pane = Dice::Vary(jewels[choice], 0.02, 0.1, 0.15);
            (void)radius;
        }
        // Light shines through unevenly: streaks and bubbles in the glass, brighter near the
        // middle of each pane.
        const double streak = noise.Fractal(x / 30.0, y / 4.0, 4);
        const double glow = 1.25 - std::min(hit.nearest / 25.0, 0.5);
        const double light = glow * (0.75 + 0.5 * streak) * (1.15 - pixelRadius / 900);
        return Paint::Shade(pane, light);
    });
    Paint::Weather(image, 102, 0.08);
    return image;
}

QImage Azulejos() {
    const int width = 666;
    const int height = 500;
    const double size = 78;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise noise(111);
    // Glazed cream ground with a fine crackle.
    const Cells crackle(width, height, 16, 1.0);
    Paint::Fill(image, [&](double x, double y) {
        QColor glaze = Paint::Mix(QColor(245, 238, 220), QColor(225, 215, 190),
                                  noise.Fractal(x / 25.0, y / 25.0, 4));
        if (crackle.At(x, y).border < 0.6)
            glaze = Paint::Shade(glaze, 0.9);
        return glaze;
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor cobalt(25, 55, 150);
    const QColor accents[] = {QColor(230, 170, 30), QColor(40, 130, 90), QColor(200, 80, 40),
                              QColor(80, 140, 210), QColor(150, 60, 120)};
    const double offsetX = -17;
    const double offsetY = -23;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 10; ++column) {
            const QPointF corner(offsetX + column * size, offsetY + row * size);
            const QPointF middle = corner + QPointF(size / 2, size / 2);
            const QColor blue = Dice::Vary(cobalt, 0.02, 0.1, 0.15);
            const QColor accent = Dice::Vary(accents[Dice::Between(0, 4)], 0.02, 0.1, 0.1);
            const int design = Dice::Between(0, 3);
            painter.save();
            painter.translate(middle);
            painter.rotate(Dice::Between(0, 3) * 90);
            painter.setPen(Qt::NoPen);
            const int arms = design == 2 ? 8 : Dice::Between(4, 6);
            switch (design) {
            case 0: // Rosette with petals and a ring of dots.
                for (int i = 0; i < arms * 2; ++i) {
                    painter.save();
                    painter.rotate(i * 180.0 / arms);
                    painter.setBrush(i % 2 == 0 ? blue : accent);
                    painter.drawEllipse(QPointF(size * 0.2, 0), size * 0.18, size * 0.07);
                    painter.restore();
                }
                painter.setBrush(accent);
                painter.drawEllipse(QPointF(0, 0), size * 0.08, size * 0.08);
                break;
            case 1: // Quatrefoil inside a diamond.
                painter.setBrush(blue);
                painter.drawPolygon(QPolygonF{QPointF(0, -size * 0.45), QPointF(size * 0.45, 0),
                                              QPointF(0, size * 0.45), QPointF(-size * 0.45, 0)});
                painter.setBrush(QColor(245, 238, 220));
                for (int i = 0; i < 4; ++i)
                    painter.drawEllipse(QPointF(std::cos(i * M_PI / 2) * size * 0.13,
                                                std::sin(i * M_PI / 2) * size * 0.13),
                                        size * 0.13, size * 0.13);
                painter.setBrush(accent);
                painter.drawEllipse(QPointF(0, 0), size * 0.1, size * 0.1);
                break;
            case 2: { // Eight-pointed star.
                QPolygonF star;
                for (int i = 0; i < 16; ++i) {
                    const double r = i % 2 == 0 ? size * 0.42 : size * 0.2;
                    star << QPointF(std::cos(i * M_PI / 8) * r, std::sin(i * M_PI / 8) * r);
                }
                painter.setBrush(blue);
                painter.drawPolygon(star);
                painter.setBrush(accent);
                painter.drawEllipse(QPointF(0, 0), size * 0.14, size * 0.14);
                painter.setBrush(QColor(245, 238, 220));
                painter.drawEllipse(QPointF(0, 0), size * 0.05, size * 0.05);
                break;
            }
            default: // Leaves curling from the corners.
                for (int i = 0; i < 4; ++i) {
                    painter.save();
                    painter.rotate(i * 90 + 45);
                    QPainterPath leaf(QPointF(0, 0));
                    leaf.cubicTo(QPointF(size * 0.15, -size * 0.2),
                                 QPointF(size * 0.45, -size * 0.1), QPointF(size * 0.5, 0));
                    leaf.cubicTo(QPointF(size * 0.4, size * 0.12),
                                 QPointF(size * 0.15, size * 0.15), QPointF(0, 0));
                    painter.setBrush(i % 2 == 0 ? blue : accent);
                    painter.drawPath(leaf);
                    painter.restore();
                }
                break;
            }
            // Corner quarter-circles join with the neighbours into a second pattern.
            painter.setBrush(Paint::Alpha(blue, 0.85));
            for (int i = 0; i < 4; ++i) {
                const QPointF at(i % 2 == 0 ? -size / 2 : size / 2, i < 2 ? -size / 2 : size / 2);
                painter.drawEllipse(at, size * 0.16, size * 0.16);
            }
            painter.setPen(QPen(blue, 1.6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(-size * 0.44, -size * 0.44, size * 0.88, size * 0.88));
            painter.restore();
            // Grout.
            painter.setPen(QPen(QColor(170, 165, 155), 2.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(corner, QSizeF(size, size)));
        }
    }
    painter.end();
    // Each tile was fired a little differently.
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const int column = static_cast<int>(std::floor((x - offsetX) / size));
        const int row = static_cast<int>(std::floor((y - offsetY) / size));
        const double tint = noise.At(column * 3.7, row * 5.3);
        return Paint::Shade(c, 0.9 + 0.18 * tint + 0.05 * (noise.At(x / 6.0, y / 6.0) - 0.5));
    });
    Paint::Weather(image, 112, 0.1);
    return image;
}

namespace {

void FabricPatch(QPainter& painter, const QRectF& patch) {
    static const QColor cloth[] = {
        QColor(200, 50, 60),   QColor(240, 180, 60), QColor(60, 120, 190), QColor(90, 160, 90),
        QColor(240, 240, 225), QColor(150, 80, 160), QColor(240, 130, 60), QColor(40, 60, 110),
        QColor(230, 150, 170), QColor(120, 190, 200)};
    // The figure never takes the ground's own colour, or the pattern would vanish.
    const int groundIndex = Dice::Between(0, 9);
    const int figureIndex = (groundIndex + Dice::Between(1, 9)) % 10;
    const QColor ground = Dice::Vary(cloth[groundIndex], 0.02, 0.1, 0.1);
    const QColor figure = Dice::Vary(cloth[figureIndex], 0.02, 0.1, 0.1);
    painter.save();
    painter.setClipRect(patch);
    painter.fillRect(patch, ground);
    painter.setPen(Qt::NoPen);
    painter.setBrush(figure);
    const double step = Dice::Uniform(8, 16);
    switch (Dice::Between(0, 4)) {
    case 0: // Polka dots.
        for (double y = patch.top(); y < patch.bottom() + step; y += step)
            for (double x = patch.left() + (static_cast<int>(y / step) % 2) * step / 2;
                 x < patch.right() + step; x += step)
                painter.drawEllipse(QPointF(x, y), step * 0.22, step * 0.22);
        break;
    case 1: { // Stripes at an angle.
        painter.translate(patch.center());
        painter.rotate(Dice::Between(0, 3) * 45);
        const double reach = patch.width() + patch.height();
        for (double x = -reach; x < reach; x += step)
            painter.drawRect(QRectF(x, -reach, step * 0.4, 2 * reach));
        break;
    }
    case 2: // Gingham.
        painter.setBrush(Paint::Alpha(figure, 0.5));
        for (double x = patch.left(); x < patch.right(); x += step)
            painter.drawRect(QRectF(x, patch.top(), step / 2, patch.height()));
        for (double y = patch.top(); y < patch.bottom(); y += step)
            painter.drawRect(QRectF(patch.left(), y, patch.width(), step / 2));
        break;
    case 3: // Small flowers.
        for (double y = patch.top(); y < patch.bottom() + step * 1.5; y += step * 1.5)
            for (double x = patch.left(); x < patch.right() + step * 1.5; x += step * 1.5) {
                const QPointF at(x + Dice::Uniform(-3, 3), y + Dice::Uniform(-3, 3));
                for (int p = 0; p < 5; ++p)
                    painter.drawEllipse(at + QPointF(std::cos(p * 1.2566) * step * 0.22,
                                                     std::sin(p * 1.2566) * step * 0.22),
                                        step * 0.16, step * 0.16);
                painter.setBrush(QColor(250, 220, 80));
                painter.drawEllipse(at, step * 0.1, step * 0.1);
                painter.setBrush(figure);
            }
        break;
    default: { // Zigzag.
        painter.setPen(QPen(figure, step * 0.25));
        painter.setBrush(Qt::NoBrush);
        for (double y = patch.top(); y < patch.bottom() + step; y += step) {
            QPolygonF zig;
            for (double x = patch.left() - step; x < patch.right() + step; x += step / 2)
                zig << QPointF(x, y + (static_cast<int>((x - patch.left()) / (step / 2)) % 2) *
                                          step / 2);
            painter.drawPolyline(zig);
        }
        break;
    }
    }
    painter.restore();
    // Seams with running stitches.
    painter.setPen(QPen(QColor(60, 40, 30, 140), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(patch);
    QPen stitch(QColor(250, 240, 210), 1.2, Qt::DashLine);
    painter.setPen(stitch);
    painter.drawRect(patch.adjusted(4, 4, -4, -4));
}

void Split(QPainter& painter, const QRectF& patch, int depth) {
    const bool wide = patch.width() > patch.height();
    if (depth == 0 || patch.width() < 34 || patch.height() < 34) {
        FabricPatch(painter, patch);
        return;
    }
    const double t = Dice::Uniform(0.3, 0.7);
    if (wide) {
        const double cut = patch.left() + patch.width() * t;
        Split(painter, QRectF(patch.left(), patch.top(), cut - patch.left(), patch.height()),
              depth - 1);
        Split(painter, QRectF(cut, patch.top(), patch.right() - cut, patch.height()), depth - 1);
    } else {
        const double cut = patch.top() + patch.height() * t;
        Split(painter, QRectF(patch.left(), patch.top(), patch.width(), cut - patch.top()),
              depth - 1);
        Split(painter, QRectF(patch.left(), cut, patch.width(), patch.bottom() - cut), depth - 1);
    }
}

} // namespace

QImage Patchwork() {
    QImage image = Paint::Blank(600, 500);
    QPainter painter(&image);
    Paint::Smooth(painter);
    Split(painter, QRectF(0, 0, 600, 500), 7);
    painter.end();
    const Paint::ValueNoise weave(121);
    // The woven threads and the quilting's soft puffs.
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double thread =
            ((Paint::DesignPixel(x) + Paint::DesignPixel(y)) % 3 == 0 ? 0.94 : 1.0) *
            ((Paint::DesignPixel(x) - Paint::DesignPixel(y)) % 4 == 0 ? 0.96 : 1.0);
        const double puff = 0.9 + 0.2 * weave.Fractal(x / 35.0, y / 35.0, 3);
        return Paint::Shade(c, thread * puff);
    });
    Paint::Weather(image, 122, 0.08);
    return image;
}

QImage AbstractPainting() {
    const int width = 666;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise wash(131);
    const Paint::Palette ground{{0.0, QColor(235, 215, 170)},
                                {0.3, QColor(220, 160, 110)},
                                {0.5, QColor(150, 175, 190)},
                                {0.7, QColor(230, 205, 130)},
                                {1.0, QColor(120, 130, 170)}};
    Paint::Fill(image, [&](double x, double y) {
        const double wx = x / 220.0 + wash.Fractal(x / 120.0, y / 120.0, 4);
        const double wy = y / 220.0 + wash.Fractal(x / 120.0 + 5, y / 120.0, 4);
        QColor colour = ground.At(wash.Fractal(wx, wy, 5) * 1.3 - 0.15);
        // Canvas weave and brush strokes.
        const double canvas = (Paint::DesignPixel(x) % 3 == 0 ? 0.96 : 1.0) *
                              (Paint::DesignPixel(y) % 3 == 0 ? 0.96 : 1.0);
        const double stroke = wash.Fractal(x / 40.0, y / 6.0, 3);
        return Paint::Shade(colour, canvas * (0.9 + 0.2 * stroke));
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor bold[] = {QColor(210, 40, 40),  QColor(30, 60, 160),  QColor(245, 190, 30),
                           QColor(20, 20, 30),   QColor(40, 140, 90),  QColor(230, 110, 160),
                           QColor(250, 120, 30), QColor(120, 50, 150), QColor(60, 170, 210)};
    auto pick = [&]() { return Dice::Vary(bold[Dice::Between(0, 8)], 0.02, 0.1, 0.1); };
    // Large circles with halos.
    for (int i = 0; i < 7; ++i) {
        const QPointF at(Dice::Uniform(40, width - 40), Dice::Uniform(40, height - 40));
        const double r = Dice::Uniform(30, 85);
        QRadialGradient halo(at, r * 1.5);
        const QColor colour = pick();
        halo.setColorAt(0.6, Paint::Alpha(colour, 0.5));
        halo.setColorAt(1, Paint::Alpha(colour, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(at, r * 1.5, r * 1.5);
        for (int ring = 0; ring < 4; ++ring) {
            painter.setBrush(Paint::Alpha(pick(), 0.92));
            const double rr = r * (1.0 - ring * 0.22);
            painter.drawEllipse(at + QPointF(Dice::Uniform(-4, 4), Dice::Uniform(-4, 4)), rr, rr);
        }
    }
    // A chequered square, triangles and arcs.
    for (int i = 0; i < 4; ++i) {
        const QPointF corner(Dice::Uniform(0, width - 100), Dice::Uniform(0, height - 100));
        const double cell = Dice::Uniform(10, 18);
        painter.save();
        painter.translate(corner);
        painter.rotate(Dice::Uniform(-25, 25));
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c)
                painter.fillRect(QRectF(c * cell, r * cell, cell, cell),
                                 (r + c) % 2 == 0 ? pick() : QColor(245, 240, 225));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const QPointF a(Dice::Uniform(0, width), Dice::Uniform(0, height));
        QPolygonF triangle{a, a + QPointF(Dice::Uniform(-110, 110), Dice::Uniform(-110, 110)),
                           a + QPointF(Dice::Uniform(-110, 110), Dice::Uniform(-110, 110))};
        painter.setBrush(Paint::Alpha(pick(), Dice::Uniform(0.55, 0.9)));
        painter.drawPolygon(triangle);
    }
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 16; ++i) {
        painter.setPen(QPen(pick(), Dice::Uniform(2, 7), Qt::SolidLine, Qt::RoundCap));
        const QRectF box(Dice::Uniform(-50, width), Dice::Uniform(-50, height),
                         Dice::Uniform(60, 250), Dice::Uniform(60, 250));
        painter.drawArc(box, Dice::Between(0, 360) * 16, Dice::Between(40, 200) * 16);
    }
    for (int i = 0; i < 22; ++i) {
        painter.setPen(QPen(Dice::Chance(0.5) ? QColor(20, 20, 30) : pick(), Dice::Uniform(1, 5),
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(Dice::Uniform(0, width), Dice::Uniform(0, height)),
                         QPointF(Dice::Uniform(0, width), Dice::Uniform(0, height)));
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        painter.setBrush(pick());
        const double r = Dice::Uniform(2, 8);
        painter.drawEllipse(QPointF(Dice::Uniform(0, width), Dice::Uniform(0, height)), r, r);
    }
    painter.end();
    Paint::Weather(image, 132, 0.1);
    return image;
}

QImage AgateSlice() {
    const int width = 600;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise noise(141);
    struct Nodule {
        QPointF centre;
        double radius;
        double hollow;
        Paint::Palette zones;
    };
    // Each nodule grew its own colours: blue lace, carnelian, moss and amethyst.
    const std::vector<Nodule> nodules = {{QPointF(250, 240), 215, 55,
                                          Paint::Palette{{0.0, QColor(235, 240, 250)},
                                                         {0.3, QColor(120, 150, 200)},
                                                         {0.55, QColor(230, 235, 245)},
                                                         {0.75, QColor(90, 110, 160)},
                                                         {1.0, QColor(200, 190, 180)}}},
                                         {QPointF(520, 110), 120, 30,
                                          Paint::Palette{{0.0, QColor(255, 230, 190)},
                                                         {0.35, QColor(220, 100, 40)},
                                                         {0.6, QColor(250, 200, 150)},
                                                         {0.85, QColor(160, 50, 30)},
                                                         {1.0, QColor(230, 210, 190)}}},
                                         {QPointF(520, 400), 110, 28,
                                          Paint::Palette{{0.0, QColor(220, 240, 210)},
                                                         {0.4, QColor(70, 130, 80)},
                                                         {0.7, QColor(200, 220, 180)},
                                                         {1.0, QColor(60, 90, 60)}}},
                                         {QPointF(70, 440), 100, 30,
                                          Paint::Palette{{0.0, QColor(240, 220, 250)},
                                                         {0.4, QColor(140, 80, 170)},
                                                         {0.7, QColor(230, 210, 240)},
                                                         {1.0, QColor(90, 50, 110)}}}};
    const Cells crystals(width, height, 11, 0.9);
    Paint::Fill(image, [&](double x, double y) {
        const double wx = x + 35 * (noise.Fractal(x / 90.0, y / 90.0, 5) - 0.5);
        const double wy = y + 35 * (noise.Fractal(x / 90.0 + 7, y / 90.0, 5) - 0.5);
        int inside = -1;
        double share = 2;
        for (std::size_t i = 0; i < nodules.size(); ++i) {
            const double d = std::hypot(wx - nodules[i].centre.x(), wy - nodules[i].centre.y()) /
                             nodules[i].radius;
            if (d < share) {
                share = d;
                inside = static_cast<int>(i);
            }
        }
        if (share > 1 || inside < 0) {
            // Dark host rock speckled with grains.
            const double grain = noise.At(x / 1.8, y / 1.8);
            const double body = noise.Fractal(x / 30.0, y / 30.0, 5);
            QColor rock = Paint::Mix(QColor(60, 55, 55), QColor(130, 115, 100), body);
            if (grain > 0.8)
                rock = Paint::Mix(rock, QColor(220, 210, 190), (grain - 0.8) * 4);
            return rock;
        }
        const Nodule& nodule = nodules[inside];
        const double distance = share * nodule.radius;
        if (distance < nodule.hollow) {
            // Quartz crystals line the hollow, each facet catching the light differently.
            const Cells::Hit hit = crystals.At(x, y);
            const double facet = noise.At(hit.centre.x() * 0.3, hit.centre.y() * 0.3);
            const double slope = ((hit.centre.x() - x) * 0.6 + (hit.centre.y() - y)) / 8.0;
            QColor quartz =
                Paint::Mix(nodule.zones.At(0.35), QColor(250, 250, 255), 0.4 + facet * 0.5);
            quartz = Paint::Shade(quartz, 0.85 + 0.3 * slope);
            if (hit.border < 1.0)
                quartz = Paint::Shade(quartz, 0.6);
            return Paint::Shade(quartz, 0.7 + 0.3 * distance / nodule.hollow);
        }
        // Bands of uneven width: fine lines bunch together, then a broad layer follows.
        const double depth = (distance - nodule.hollow) / (nodule.radius - nodule.hollow);
        const double ring =
            depth * 14 + 1.2 * std::sin(depth * 9) + 0.3 * noise.At(x / 20.0, y / 20.0);
        const double line = 0.5 + 0.5 * std::sin(ring * 2 * M_PI);
        QColor colour = nodule.zones.At(std::fmod(depth * 2.2 + 0.15 * line, 1.0));
        colour = Paint::Mix(colour, QColor(250, 250, 250), 0.25 * std::pow(line, 6));
        colour = Paint::Shade(colour, 0.85 + 0.2 * std::sin(ring * 2 * M_PI * 4) * (1 - depth));
        // The rind.
        if (depth > 0.94)
            colour = Paint::Mix(colour, QColor(120, 100, 80), (depth - 0.94) * 14);
        return colour;
    });
    Paint::Weather(image, 142, 0.06);
    return image;
}

QImage Marbles() {
    const int width = 600;
    const int height = 500;
    QImage image = Paint::Blank(width, height);
    const Paint::ValueNoise wood(151);
    Paint::Fill(image, [&](double x, double y) {
        const double grain = wood.Fractal(x / 200.0, y / 8.0, 5);
        const double rings = std::sin(grain * 40 + x / 30.0);
        return Paint::Mix(QColor(110, 60, 30), QColor(190, 130, 80), 0.5 + 0.4 * rings * grain);
    });
    struct Marble {
        QPointF at;
        double radius;
    };
    std::vector<Marble> marbles;
    for (int attempt = 0; attempt < 30000 && marbles.size() < 260; ++attempt) {
        const Marble m{QPointF(Dice::Uniform(-10, width + 10), Dice::Uniform(-10, height + 10)),
                       Dice::Uniform(11, 34) * (Dice::Chance(0.08) ? 1.5 : 1.0)};
        bool free = true;
        for (const Marble& other : marbles) {
            if (std::hypot(m.at.x() - other.at.x(), m.at.y() - other.at.y()) <
                m.radius + other.radius - 1) {
                free = false;
                break;
            }
        }
        if (free)
            marbles.push_back(m);
    }
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor glass[] = {QColor(220, 30, 40),  QColor(30, 90, 210),   QColor(250, 190, 20),
                            QColor(30, 170, 90),  QColor(150, 50, 190),  QColor(250, 120, 30),
                            QColor(40, 190, 210), QColor(240, 240, 240), QColor(20, 30, 60),
                            QColor(230, 90, 160)};
    for (const Marble& m : marbles) {
        const QColor body = Dice::Vary(glass[Dice::Between(0, 9)], 0.02, 0.1, 0.1);
        const QColor swirl = Dice::Vary(glass[Dice::Between(0, 9)], 0.02, 0.1, 0.1);
        const double r = m.radius;
        // Shadow on the wood.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 15, 5, 110));
        painter.drawEllipse(m.at + QPointF(r * 0.25, r * 0.3), r, r);
        QRadialGradient ball(m.at - QPointF(r * 0.3, r * 0.3), r * 1.4);
        ball.setColorAt(0, Paint::Shade(body, 1.35));
        ball.setColorAt(0.6, body);
        ball.setColorAt(1, Paint::Shade(body, 0.35));
        painter.setBrush(ball);
        painter.drawEllipse(m.at, r, r);
        // The twisted ribbon of colour inside the glass.
        QPainterPath clip;
        clip.addEllipse(m.at, r * 0.92, r * 0.92);
        painter.save();
        painter.setClipPath(clip);
        const double turn = Dice::Uniform(0, 2 * M_PI);
        for (int ribbon = 0; ribbon < 3; ++ribbon) {
            QPainterPath path;
            const double a = turn + ribbon * 2.1;
            path.moveTo(m.at + QPointF(std::cos(a) * r, std::sin(a) * r));
            path.cubicTo(m.at + QPointF(std::cos(a + 1.2) * r * 0.6, std::sin(a + 1.2) * r * 0.6),
                         m.at + QPointF(std::cos(a + 2.6) * r * 0.4, std::sin(a + 2.6) * r * 0.4),
                         m.at + QPointF(std::cos(a + 3.3) * r, std::sin(a + 3.3) * r));
            painter.setPen(QPen(Paint::Alpha(ribbon == 1 ? QColor(250, 250, 250) : swirl, 0.85),
                                r * 0.18, Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
        }
        painter.restore();
        painter.setPen(Qt::NoPen);
        QRadialGradient shine(m.at - QPointF(r * 0.4, r * 0.45), r * 0.35);
        shine.setColorAt(0, QColor(255, 255, 255, 230));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(shine);
        painter.drawEllipse(m.at - QPointF(r * 0.4, r * 0.45), r * 0.35, r * 0.35);
    }
    painter.end();
    Paint::Weather(image, 152, 0.06);
    return image;
}

} // namespace Motifs
