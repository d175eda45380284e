// Landscape motifs: hills and forests, a flower meadow, an autumn wood, a coast at sunset,
// northern lights over a lake and hot-air balloons over a valley.

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

struct Tree {
    QPointF base;
    double height;
    QColor colour;
    bool conifer;
};

void PlantTrees(QPainter& painter, std::vector<Tree>& trees) {
    std::sort(trees.begin(), trees.end(),
              [](const Tree& a, const Tree& b) { return a.base.y() < b.base.y(); });
    for (const Tree& tree : trees) {
        if (tree.conifer)
            Scenery::Conifer(painter, tree.base, tree.height, tree.colour);
        else
            Scenery::Broadleaf(painter, tree.base, tree.height, tree.colour);
    }
}

// Patchwork of fields seen in perspective: (u, v) are ground coordinates in which every
// field is about the same size; scale is the size of one pixel there. Each field has its
// own crop and furrow direction, and hedges run along the borders.
QColor Fields(const Cells& fields, const Paint::ValueNoise& noise, double u, double v,
              double scale) {
    static const QColor crops[] = {QColor(120, 165, 60), QColor(205, 190, 95), QColor(150, 115, 70),
                                   QColor(90, 145, 55),  QColor(175, 195, 85), QColor(215, 170, 70),
                                   QColor(110, 150, 90), QColor(190, 120, 80)};
    const Cells::Hit hit = fields.At(u + 6 * noise.At(u / 20, v / 20), v);
    if (hit.border < 2.0 * scale)
        return Paint::Shade(QColor(50, 90, 38), 0.8 + 0.5 * noise.At(u / 2.5, v / 2.5));
    const double pick = noise.At(hit.centre.x() * 0.37, hit.centre.y() * 0.29);
    QColor colour = crops[static_cast<int>(pick * 64) % 8];
    const double angle = pick * 40;
    const double furrow = std::sin((u * std::cos(angle) + v * std::sin(angle)) * 0.9);
    const double patchiness = noise.Fractal(u / 12.0, v / 12.0, 3);
    return Paint::Shade(colour, (0.93 + 0.07 * furrow) * (0.85 + 0.3 * patchiness));
}

} // namespace

QImage HillsAndForests() {
    QImage image = Paint::Blank(700, 500);
    const Paint::Palette sky{{0.0, QColor(48, 92, 172)},
                             {0.5, QColor(110, 160, 218)},
                             {0.85, QColor(226, 212, 190)},
                             {1.0, QColor(248, 222, 175)}};
    Scenery::Sky(image, 240, sky, 11, 0.55, QColor(255, 251, 242), QColor(140, 145, 172));

    // Far mountains with snow on their crowns, lit from the left and blued by the haze.
    const Paint::ValueNoise rock(12);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(rock, x, 260, 200, 120);
        if (y < top)
            return c;
        auto height = [&](double px, double py) {
            return rock.Fractal(px / 45.0, py / 30.0, 6) +
                   0.4 * rock.Ridged(px / 20.0, py / 14.0, 4);
        };
        const double slope = (height(x - 1.5, y) - height(x + 1.5, y)) * 14;
        const double light = std::clamp(0.55 + slope, 0.0, 1.0);
        QColor colour = Paint::Mix(QColor(70, 80, 120), QColor(175, 180, 205), light);
        const double snowLine = 150 + 45 * rock.Fractal(x / 40.0, 9.0, 4) + 25 * height(x, y);
        if (y < snowLine)
            colour = Paint::Mix(QColor(150, 165, 205), QColor(252, 252, 255), light);
        return Paint::Mix(colour, QColor(190, 200, 222), 0.2 + 0.35 * (y - top) / 120.0);
    });

    struct Layer {
        double base, amplitude, scale, depth;
        QColor grass;
        double treeHeight;
        int trees;
    };
    const Layer layers[] = {{275, 60, 160, 0.6, QColor(120, 160, 120), 11, 420},
                            {330, 70, 190, 1.0, QColor(100, 150, 70), 18, 300},
                            {400, 70, 210, 1.6, QColor(85, 140, 50), 30, 110},
                            {480, 60, 230, 2.4, QColor(80, 135, 45), 50, 18}};
    int layerIndex = 0;
    for (const Layer& layer : layers) {
        const Paint::ValueNoise ground(20 + layerIndex);
        const Cells fields(static_cast<int>(720 / layer.depth),
                           static_cast<int>(1500 / layer.depth), 34, 0.9);
        Paint::Apply(image, [&](double x, double y, const QColor& c) {
            const double top = Scenery::Ridge(ground, x, layer.base, layer.amplitude, layer.scale);
            if (y < top)
                return c;
            QColor colour;
            if (layerIndex < 2) {
                colour =
                    Fields(fields, ground, x / layer.depth, y * 3 / layer.depth, 1 / layer.depth);
            } else {
                const double g =
                    ground.Fractal(x / (12.0 * layer.depth), y / (6.0 * layer.depth), 5);
                colour = Paint::Mix(Paint::Shade(layer.grass, 0.7),
                                    Paint::Mix(layer.grass, QColor(200, 205, 90), 0.5), g);
            }
            // The crest catches the light; the haze fades the far layers.
            colour = Paint::Shade(colour, 1.1 - 0.25 * Paint::SmoothStep(0, 60, y - top));
            return Paint::Mix(colour, QColor(185, 200, 215), 0.35 / layer.depth - 0.1);
        });
        QPainter painter(&image);
        Paint::Smooth(painter);
        std::vector<Tree> trees;
        for (int i = 0; i < layer.trees; ++i) {
            const double x = Dice::Uniform(-10, 710);
            // Trees gather in woods: keep those where the forest noise is dense.
            if (ground.At(x / 70.0, 1.5) < 0.42 && !Dice::Chance(0.15))
                continue;
            const double top = Scenery::Ridge(ground, x, layer.base, layer.amplitude, layer.scale);
            const double y = top + Dice::Uniform(2, 30 * layer.depth);
            const bool conifer = Dice::Chance(layerIndex == 0 ? 0.7 : 0.45);
            QColor colour = conifer ? QColor(40, 95, 55) : QColor(70, 130, 45);
            colour = Dice::Vary(colour, 0.04, 0.1, 0.1);
            colour = Paint::Mix(colour, QColor(170, 190, 205), 0.3 / layer.depth - 0.05);
            trees.push_back(
                {QPointF(x, y), layer.treeHeight * Dice::Uniform(0.7, 1.3), colour, conifer});
        }
        PlantTrees(painter, trees);
        ++layerIndex;
    }

    // Wild flowers in the foreground grass.
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor blossoms[] = {QColor(240, 60, 60), QColor(250, 220, 60), QColor(250, 250, 250),
                               QColor(170, 90, 210), QColor(90, 120, 235)};
    const Paint::ValueNoise front(24);
    for (int i = 0; i < 1400; ++i) {
        const double x = Dice::Uniform(0, 700);
        const double y = Dice::Uniform(Scenery::Ridge(front, x, 480, 60, 230) + 2, 510);
        const double length = 3 + (y - 400) * Dice::Uniform(0.05, 0.22);
        painter.setPen(QPen(Dice::Vary(QColor(90, 150, 45), 0.04, 0.15, 0.25), 1.2));
        painter.drawLine(QPointF(x, y), QPointF(x + Dice::Uniform(-5, 5), y - length));
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double x = Dice::Uniform(0, 700);
        const double top = Scenery::Ridge(front, x, 480, 60, 230);
        const double y = Dice::Uniform(top + 4, 505);
        const double size = 1.5 + (y - 420) / 80.0 * 3;
        Scenery::Flower(painter, QPointF(x, y), std::max(size, 1.5), blossoms[Dice::Between(0, 4)],
                        QColor(240, 190, 40));
    }
    painter.end();
    Paint::Weather(image, 13, 0.08);
    return image;
}

QImage FlowerMeadow() {
    QImage image = Paint::Blank(666, 500);
    const Paint::Palette sky{
        {0.0, QColor(40, 110, 200)}, {0.7, QColor(120, 185, 235)}, {1.0, QColor(205, 225, 235)}};
    Scenery::Sky(image, 175, sky, 31, 0.6, QColor(255, 255, 255), QColor(150, 165, 190));

    // The meadow: grass that grows coarser towards the viewer.
    const Paint::ValueNoise grass(32);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        if (y < 165)
            return c;
        const double near = (y - 165) / 335.0;
        const double scale = 1.0 + near * 5;
        const double g = grass.Fractal(x / (4.0 * scale), y / (14.0 * scale), 5);
        const double patch = grass.Fractal(x / 120.0, y / 50.0, 3);
        QColor colour =
            Paint::Mix(QColor(50, 110, 30), QColor(170, 200, 70), g * 0.8 + patch * 0.4);
        return Paint::Shade(colour, 0.8 + 0.35 * grass.At(x / 2.0, y / (3.0 * scale)));
    });

    QPainter painter(&image);
    Paint::Smooth(painter);
    // A hedge of trees along the horizon.
    std::vector<Tree> trees;
    for (int i = 0; i < 70; ++i) {
        const double x = Dice::Uniform(-20, 686);
        const bool conifer = Dice::Chance(0.3);
        trees.push_back({QPointF(x, Dice::Uniform(170, 182)), Dice::Uniform(25, 55),
                         Dice::Vary(QColor(60, 115, 60), 0.05, 0.1, 0.12), conifer});
    }
    PlantTrees(painter, trees);

    struct Kind {
        QColor petals, heart;
    };
    const Kind kinds[] = {{QColor(225, 30, 35), QColor(40, 20, 20)},
                          {QColor(250, 250, 245), QColor(245, 200, 30)},
                          {QColor(70, 110, 230), QColor(250, 240, 200)},
                          {QColor(250, 215, 40), QColor(220, 140, 20)},
                          {QColor(190, 80, 200), QColor(250, 220, 90)},
                          {QColor(250, 140, 40), QColor(120, 50, 20)},
                          {QColor(245, 150, 190), QColor(250, 240, 120)}};
    const Paint::ValueNoise zones(33);
    struct Bloom {
        QPointF at;
        double radius;
        int kind;
    };
    std::vector<Bloom> blooms;
    for (int i = 0; i < 3200; ++i) {
        const double y = 182 + std::pow(Dice::Uniform(0, 1), 0.8) * 325;
        const double x = Dice::Uniform(-10, 676);
        const double near = (y - 182) / 318.0;
        // Each kind grows in drifts of its own.
        const int kind = std::clamp(static_cast<int>(zones.Fractal(x / 140.0, y / 60.0, 3) * 9.0 -
                                                     1.0 + Dice::Uniform(-1.2, 1.2)),
                                    0, 6);
        blooms.push_back({QPointF(x, y), 1.2 + near * near * 13 * Dice::Uniform(0.7, 1.2), kind});
    }
    std::sort(blooms.begin(), blooms.end(),
              [](const Bloom& a, const Bloom& b) { return a.at.y() < b.at.y(); });
    for (const Bloom& bloom : blooms) {
        if (bloom.radius > 4) {
            painter.setPen(QPen(QColor(60, 120, 40), bloom.radius * 0.15));
            painter.drawLine(bloom.at, bloom.at + QPointF(Dice::Uniform(-2, 2), bloom.radius * 3));
            painter.setPen(Qt::NoPen);
        }
        Scenery::Flower(painter, bloom.at, bloom.radius, kinds[bloom.kind].petals,
                        kinds[bloom.kind].heart);
    }
    // Blades of grass in front.
    for (int i = 0; i < 900; ++i) {
        const double x = Dice::Uniform(0, 666);
        const double y = Dice::Uniform(380, 510);
        const double length = (y - 340) * Dice::Uniform(0.15, 0.4);
        painter.setPen(QPen(Dice::Vary(QColor(80, 150, 45), 0.04, 0.1, 0.2), 1.3));
        painter.drawLine(QPointF(x, y), QPointF(x + Dice::Uniform(-8, 8), y - length));
    }
    painter.end();
    Paint::Weather(image, 34, 0.08);
    return image;
}

QImage AutumnForest() {
    QImage image = Paint::Blank(666, 500);
    const Paint::ValueNoise mist(41);
    const QColor fog(245, 200, 140);
    // Warm, misty light between the trees.
    Paint::Fill(image, [&](double x, double y) {
        const Paint::Palette air{{0.0, QColor(250, 215, 150)},
                                 {0.5, QColor(235, 170, 100)},
                                 {1.0, QColor(190, 120, 70)}};
        const double t = y / 500.0 + (mist.Fractal(x / 80.0, y / 80.0, 5) - 0.5) * 0.4;
        return air.At(t);
    });
    // The forest floor covered in leaves, with a path leading into the wood.
    const Paint::ValueNoise floor(42);
    const double horizon = 320;
    auto pathCentre = [](double near) { return 330 + std::sin(near * 3.2) * 90 * near; };
    auto pathWidth = [](double near) { return 8 + near * 140; };
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double edge = horizon + 12 * floor.Fractal(x / 100.0, 0.5, 3);
        if (y < edge)
            return c;
        const double near = (y - horizon) / (500 - horizon);
        const double onPath = 1 - Paint::SmoothStep(pathWidth(near) * 0.6, pathWidth(near),
                                                    std::abs(x - pathCentre(near)));
        const double f = floor.Fractal(x / (6.0 + near * 14), y / (3.0 + near * 8), 5);
        QColor litter = Paint::Mix(QColor(150, 60, 20), QColor(240, 160, 50), f);
        litter = Paint::Mix(litter, QColor(110, 80, 50), 0.3 * floor.At(x / 30.0, y / 20.0));
        const QColor path = Paint::Mix(QColor(170, 130, 90), QColor(215, 180, 130), f);
        return Paint::Mix(Paint::Mix(litter, path, onPath), fog, 0.5 * (1 - near) * (1 - near));
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    const QColor leaves[] = {QColor(230, 80, 30), QColor(245, 150, 30), QColor(250, 200, 50),
                             QColor(190, 40, 30), QColor(160, 100, 40), QColor(215, 120, 25),
                             QColor(140, 150, 50)};
    auto leaf = [&](QPointF at, double size, const QColor& colour) {
        painter.save();
        painter.translate(at);
        painter.rotate(Dice::Uniform(0, 180));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(0, 0), size, size * 0.55);
        painter.restore();
    };
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 1400; ++i) {
        const double y = Dice::Uniform(horizon + 8, 505);
        const double size = 1 + (y - horizon) / 180 * 6;
        leaf(QPointF(Dice::Uniform(-10, 676), y), size,
             Dice::Vary(leaves[Dice::Between(0, 6)], 0.02, 0.1, 0.2));
    }
    // Rows of trees from the misty back to the front, each standing on the floor at its depth.
    for (int row = 0; row < 4; ++row) {
        const double fade = 0.65 - row * 0.2;
        const double trunkWidth = 4 + row * 7;
        const double base = horizon + 12 + row * row * 14;
        const double near = (base - horizon) / (500 - horizon);
        const int trunks = 14 - row * 3;
        for (int i = 0; i < trunks; ++i) {
            const double x = Dice::Uniform(-20, 686);
            if (std::abs(x - pathCentre(near)) < pathWidth(near) + trunkWidth)
                continue;
            const QColor bark = Paint::Mix(QColor(70, 50, 40), QColor(230, 180, 130), fade);
            QLinearGradient shade(x - trunkWidth / 2, 0, x + trunkWidth / 2, 0);
            shade.setColorAt(0, Paint::Shade(bark, 1.3));
            shade.setColorAt(1, Paint::Shade(bark, 0.7));
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawRect(QRectF(x - trunkWidth / 2, 0, trunkWidth, base));
            // Roots flare where the trunk meets the ground.
            painter.drawPolygon(QPolygonF{QPointF(x - trunkWidth, base + 2),
                                          QPointF(x + trunkWidth, base + 2),
                                          QPointF(x + trunkWidth / 2, base - trunkWidth),
                                          QPointF(x - trunkWidth / 2, base - trunkWidth)});
            // Branches reach up into the crown.
            painter.setPen(QPen(bark, trunkWidth * 0.3, Qt::SolidLine, Qt::RoundCap));
            for (int b = 0; b < 4; ++b) {
                const double y = Dice::Uniform(40, 240);
                painter.drawLine(QPointF(x, y),
                                 QPointF(x + Dice::Uniform(-60, 60), y - Dice::Uniform(20, 70)));
            }
        }
        painter.setPen(Qt::NoPen);
        const int count = 2600 - row * 400;
        for (int i = 0; i < count; ++i) {
            const double y = std::pow(Dice::Uniform(0, 1), 1.6) * (260 + row * 20) - 10;
            QColor colour = Dice::Vary(leaves[Dice::Between(0, 6)], 0.02, 0.1, 0.15);
            colour = Paint::Mix(colour, fog, fade * 0.8);
            leaf(QPointF(Dice::Uniform(-10, 676), y), (2 + row * 1.5) * Dice::Uniform(0.6, 1.4),
                 Paint::Alpha(colour, 0.85));
        }
    }
    // Beams of sunlight through the crowns.
    for (int i = 0; i < 5; ++i) {
        const double x = Dice::Uniform(80, 600);
        QPolygonF beam{QPointF(x, -10), QPointF(x + 40, -10), QPointF(x - 80, 510),
                       QPointF(x - 170, 510)};
        painter.setBrush(QColor(255, 240, 200, 28));
        painter.drawPolygon(beam);
    }
    painter.end();
    Paint::Weather(image, 43, 0.1);
    return image;
}

QImage LighthouseCoast() {
    QImage image = Paint::Blank(666, 500);
    const int horizon = 280;
    const QPointF sun(470, 255);
    const Paint::Palette sky{{0.0, QColor(35, 40, 100)},
                             {0.35, QColor(120, 70, 140)},
                             {0.7, QColor(240, 120, 90)},
                             {1.0, QColor(255, 200, 120)}};
    Scenery::Sky(image, horizon, sky, 51, 0.6, QColor(255, 190, 150), QColor(110, 60, 110));
    const Paint::ValueNoise sea(52);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double dx = x - sun.x();
        const double dy = y - sun.y();
        const double glow = std::exp(-(dx * dx + dy * dy) / 9000.0);
        return y < horizon ? Paint::Mix(c, QColor(255, 230, 170), glow * 0.8) : c;
    });
    // The sea mirrors the sky's colours, broken into waves that grow towards the viewer.
    const QImage above = image.copy();
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        if (y < horizon)
            return c;
        const double dx = x - sun.x();
        const double near = (y - horizon) / 220.0;
        const double wave = sea.Ridged(x / (20.0 + near * 60), y / (2.0 + near * 12), 4);
        const double swell = sea.Fractal(x / (60.0 + near * 100), y / (8.0 + near * 20), 4);
        const int sx = std::clamp(Paint::DeviceIndex(x + (swell - 0.5) * 40 * (0.3 + near)), 0,
                                  above.width() - 1);
        const int sy = std::clamp(Paint::DeviceIndex(horizon - 1 - (y - horizon) * 1.2), 0,
                                  horizon * Paint::Scale() - 1);
        QColor water =
            Paint::Mix(QColor(above.pixel(sx, sy)), QColor(40, 40, 95), 0.2 + near * 0.5);
        water = Paint::Shade(water, 0.8 + 0.35 * swell);
        water = Paint::Mix(water, QColor(255, 200, 150), std::pow(wave, 3) * (0.6 - near * 0.3));
        // The sun's path on the water breaks up into glints.
        const double path = std::exp(-dx * dx / (600.0 + near * 9000));
        if (wave > 0.6)
            water = Paint::Mix(water, QColor(255, 235, 180), path * (wave - 0.5) * 2);
        return water;
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    painter.setPen(Qt::NoPen);
    QRadialGradient disc(sun, 26);
    disc.setColorAt(0, QColor(255, 250, 225));
    disc.setColorAt(0.8, QColor(255, 225, 150));
    disc.setColorAt(1, QColor(255, 200, 120, 0));
    painter.setBrush(disc);
    painter.drawEllipse(sun, 26, 26);
    painter.end();

    // Cliffs on the left, their sunward faces glowing.
    const Paint::ValueNoise cliff(53);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        // The face juts out in ledges as it falls to the sea.
        const double edge = 215 + (y - 200) * 0.25 + 45 * cliff.Fractal(y / 35.0, 1.0, 5) +
                            12 * std::floor(cliff.At(y / 25.0, 4.0) * 3);
        const double top = 190 + x * 0.12 + 20 * cliff.Fractal(x / 50.0, 2.0, 4);
        if (x > edge || y < top)
            return c;
        // Layers of rock in bands of their own colour, bent a little, shaded by their relief.
        const Paint::Palette layers{{0.0, QColor(150, 80, 55)},  {0.2, QColor(205, 150, 95)},
                                    {0.4, QColor(120, 95, 90)},  {0.55, QColor(225, 190, 140)},
                                    {0.75, QColor(170, 70, 50)}, {1.0, QColor(150, 80, 55)}};
        const double band = y / 70.0 + 0.6 * cliff.Fractal(x / 80.0, y / 60.0, 4) - x / 900.0;
        auto bump = [&](double px, double py) { return cliff.Fractal(px / 40.0, py / 20.0, 3); };
        const double light = std::clamp(0.5 + (bump(x + 1.5, y) - bump(x - 1.5, y)) * 12, 0.0, 1.0);
        QColor rock = Paint::Shade(layers.Cyclic(band), 0.8 + 0.35 * light);
        if (cliff.Ridged(x / 30.0, y / 18.0, 4) > 0.93)
            rock = Paint::Shade(rock, 0.55);
        rock = Paint::Mix(rock, QColor(255, 160, 90), 0.5 * Paint::SmoothStep(edge - 60, edge, x));
        if (y < top + 10 + 6 * cliff.At(x / 6.0, 0.3))
            rock =
                Paint::Mix(QColor(70, 110, 50), QColor(150, 150, 60), cliff.At(x / 4.0, y / 4.0));
        return rock;
    });
    painter.begin(&image);
    Paint::Smooth(painter);
    painter.setPen(Qt::NoPen);
    // The lighthouse on the cliff top.
    const double baseX = 150;
    const double baseY = 212;
    for (int band = 0; band < 5; ++band) {
        const double y0 = baseY - band * 20;
        const double w0 = 26 - band * 2.4;
        const double w1 = w0 - 2.4;
        QPolygonF ring{QPointF(baseX - w0 / 2, y0), QPointF(baseX + w0 / 2, y0),
                       QPointF(baseX + w1 / 2, y0 - 20), QPointF(baseX - w1 / 2, y0 - 20)};
        QLinearGradient g(baseX - w0 / 2, 0, baseX + w0 / 2, 0);
        const QColor colour = band % 2 == 0 ? QColor(250, 245, 235) : QColor(200, 40, 40);
        g.setColorAt(0, Paint::Shade(colour, 0.7));
        g.setColorAt(0.7, Paint::Mix(colour, QColor(255, 190, 120), 0.3));
        g.setColorAt(1, Paint::Shade(colour, 0.9));
        painter.setBrush(g);
        painter.drawPolygon(ring);
    }
    QRadialGradient lamp(QPointF(baseX, baseY - 108), 60);
    lamp.setColorAt(0, QColor(255, 250, 200, 230));
    lamp.setColorAt(1, QColor(255, 220, 150, 0));
    painter.setBrush(lamp);
    painter.drawEllipse(QPointF(baseX, baseY - 108), 60, 60);
    painter.setBrush(QColor(40, 40, 50));
    painter.drawRect(QRectF(baseX - 10, baseY - 118, 20, 4));
    painter.drawPolygon(QPolygonF{QPointF(baseX - 11, baseY - 118),
                                  QPointF(baseX + 11, baseY - 118), QPointF(baseX, baseY - 130)});
    // Rocks and foam in the surf.
    for (int i = 0; i < 22; ++i) {
        const QPointF at(Dice::Uniform(250, 680), Dice::Uniform(300, 500));
        const double size = (at.y() - 280) / 220 * Dice::Uniform(14, 40);
        QRadialGradient g(at - QPointF(size * 0.4, size * 0.4), size * 1.4);
        g.setColorAt(0, QColor(170, 100, 80));
        g.setColorAt(1, QColor(40, 25, 35));
        painter.setBrush(g);
        painter.drawEllipse(at, size, size * 0.55);
        painter.setPen(QPen(QColor(30, 20, 30, 150), 1));
        for (int crack = 0; crack < 3; ++crack)
            painter.drawLine(at + QPointF(Dice::Uniform(-size * 0.6, size * 0.6), -size * 0.3),
                             at + QPointF(Dice::Uniform(-size * 0.6, size * 0.6), size * 0.3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 235, 220, 120));
        for (int f = 0; f < 12; ++f)
            painter.drawEllipse(at + QPointF(Dice::Uniform(-size * 1.3, size * 1.3),
                                             size * 0.5 + Dice::Uniform(-2, 4)),
                                Dice::Uniform(1, 4), Dice::Uniform(0.7, 2));
    }
    // Gulls.
    painter.setPen(QPen(QColor(60, 40, 60), 1.6));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(Dice::Uniform(250, 640), Dice::Uniform(60, 200));
        const double span = Dice::Uniform(5, 11);
        QPainterPath gull(at - QPointF(span, 0));
        gull.quadTo(at - QPointF(span / 2, span / 2), at);
        gull.quadTo(at + QPointF(span / 2, -span / 2), at + QPointF(span, 0));
        painter.drawPath(gull);
    }
    painter.end();
    Paint::Weather(image, 54, 0.07);
    return image;
}

QImage AuroraLake() {
    QImage image = Paint::Blank(700, 500);
    const int shore = 300;
    const Paint::ValueNoise sky(61);
    Paint::Fill(image, [&](double x, double y) {
        const Paint::Palette night{
            {0.0, QColor(6, 8, 30)}, {0.6, QColor(18, 30, 75)}, {1.0, QColor(40, 70, 100)}};
        QColor colour = night.At(static_cast<double>(y) / shore);
        // The Milky Way crosses the sky behind the lights.
        const double across = (y - 10 - x * 0.3) / 50.0;
        const double milk = std::exp(-across * across) * sky.Fractal(x / 40.0, y / 40.0, 6);
        colour = Paint::Mix(colour, QColor(200, 190, 230), milk * 0.55);
        // Curtains of light hanging from wavy bands.
        for (int curtain = 0; curtain < 3; ++curtain) {
            const double bottom = 130 + curtain * 55 + 45 * std::sin(x / 120.0 + curtain * 2.3) +
                                  40 * (sky.Fractal(x / 200.0, curtain * 5.0, 3) - 0.5);
            const double above = bottom - y;
            if (above < -6)
                continue;
            const double rays = sky.Ridged(x / 9.0 + curtain * 30, y / 200.0, 3);
            const double height = std::exp(-std::max(above, 0.0) / (60.0 + 30 * curtain)) *
                                  Paint::SmoothStep(-6, 4, above);
            const double strength = height * (0.3 + 0.9 * rays * rays);
            const QColor light =
                Paint::Mix(curtain == 1 ? QColor(120, 255, 200) : QColor(70, 255, 150),
                           QColor(200, 80, 230), Paint::SmoothStep(20, 140, above));
            colour = Paint::Mix(colour, light, std::min(strength * (0.9 - curtain * 0.25), 0.95));
        }
        return colour;
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    Scenery::Stars(painter, QRectF(0, 0, 700, shore), 900);
    painter.end();

    // Snowy mountains beyond the lake.
    const Paint::ValueNoise rock(62);
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(rock, x, 315, 150, 110);
        if (y < top || y > shore)
            return c;
        auto height = [&](double px, double py) {
            return rock.Fractal(px / 40.0, py / 26.0, 6) +
                   0.4 * rock.Ridged(px / 18.0, py / 12.0, 4);
        };
        const double light =
            std::clamp(0.5 + (height(x - 1.5, y) - height(x + 1.5, y)) * 14, 0.0, 1.0);
        QColor colour = Paint::Mix(QColor(90, 110, 160), QColor(235, 245, 255), light);
        if (rock.Ridged(x / 25.0, y / 15.0, 4) > 0.9)
            colour = Paint::Mix(QColor(25, 30, 50), QColor(70, 80, 110), light);
        // Green light from the sky on the snow.
        return Paint::Mix(colour, QColor(80, 200, 150), 0.15 * (1 - (y - top) / 150));
    });
    painter.begin(&image);
    Paint::Smooth(painter);
    std::vector<Tree> trees;
    for (int i = 0; i < 160; ++i) {
        const double x = Dice::Uniform(-10, 710);
        trees.push_back({QPointF(x, shore + Dice::Uniform(-4, 3)), Dice::Uniform(18, 45),
                         Dice::Vary(QColor(30, 70, 70), 0.03, 0.1, 0.08), true});
    }
    PlantTrees(painter, trees);
    // Snow on the branches.
    painter.setPen(Qt::NoPen);
    for (const Tree& tree : trees) {
        for (int s = 0; s < 6; ++s) {
            painter.setBrush(QColor(220, 235, 250, 190));
            const double h = Dice::Uniform(0.15, 0.85) * tree.height;
            painter.drawEllipse(tree.base + QPointF(Dice::Uniform(-h * 0.2, h * 0.1) * 0.6, -h),
                                2.2, 1.0);
        }
    }
    painter.end();

    // The lake mirrors it all, broken by ripples.
    Scenery::Reflect(image, shore + 2, 63, QColor(120, 170, 190), 0.1);
    Paint::Weather(image, 64, 0.1);
    return image;
}

namespace {

void Balloon(QPainter& painter, QPointF centre, double r, const QColor& a, const QColor& b,
             const QColor& band) {
    QPainterPath envelope;
    const QPointF mouthLeft(centre.x() - r * 0.2, centre.y() + r * 1.35);
    const QPointF mouthRight(centre.x() + r * 0.2, centre.y() + r * 1.35);
    envelope.moveTo(mouthLeft);
    envelope.cubicTo(centre + QPointF(-r * 0.9, r * 0.9), centre + QPointF(-r, r * 0.4),
                     centre + QPointF(-r, 0));
    envelope.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 180, -180);
    envelope.cubicTo(centre + QPointF(r, r * 0.4), centre + QPointF(r * 0.9, r * 0.9), mouthRight);
    envelope.closeSubpath();

    painter.save();
    painter.setClipPath(envelope);
    painter.setPen(Qt::NoPen);
    const int gores = 10;
    for (int k = 0; k < gores; ++k) {
        const double x0 = centre.x() - r * std::cos(M_PI * k / gores);
        const double x1 = centre.x() - r * std::cos(M_PI * (k + 1) / gores);
        const double light = 0.6 + 0.55 * std::sin(M_PI * (k + 0.5) / gores) - k * 0.02;
        painter.setBrush(Paint::Shade(k % 2 == 0 ? a : b, light));
        painter.drawRect(QRectF(x0, centre.y() - r - 1, x1 - x0 + 0.5, r * 2.5));
        // A zigzag band around the waist.
        QPolygonF zig;
        const double y = centre.y() + r * 0.25;
        zig << QPointF(x0, y) << QPointF((x0 + x1) / 2, y + r * 0.22) << QPointF(x1, y)
            << QPointF(x1, y + r * 0.3) << QPointF(x0, y + r * 0.3);
        painter.setBrush(Paint::Shade(band, light));
        painter.drawPolygon(zig);
    }
    QRadialGradient sheen(centre + QPointF(-r * 0.4, -r * 0.5), r * 1.6);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 40, 90));
    painter.setBrush(sheen);
    painter.drawRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2.5 * r));
    painter.restore();

    painter.setPen(QPen(QColor(70, 50, 40), std::max(0.6, r * 0.03)));
    const QPointF basket(centre.x(), centre.y() + r * 1.7);
    painter.drawLine(mouthLeft, basket + QPointF(-r * 0.12, 0));
    painter.drawLine(mouthRight, basket + QPointF(r * 0.12, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 95, 55));
    painter.drawRect(QRectF(basket.x() - r * 0.14, basket.y(), r * 0.28, r * 0.22));
    painter.setBrush(QColor(100, 65, 40));
    painter.drawRect(QRectF(basket.x() - r * 0.14, basket.y(), r * 0.28, r * 0.05));
}

} // namespace

QImage BalloonValley() {
    QImage image = Paint::Blank(600, 500);
    const Paint::Palette sky{
        {0.0, QColor(70, 140, 215)}, {0.6, QColor(150, 200, 240)}, {1.0, QColor(245, 225, 200)}};
    Scenery::Sky(image, 330, sky, 71, 0.5, QColor(255, 255, 255), QColor(170, 175, 200));
    const Paint::ValueNoise land(72);
    const Cells fields(1600, 800, 40, 0.9);
    // Blue mountains far beyond the valley.
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(land, x + 1000, 340, 110, 90);
        if (y < top)
            return c;
        const double relief = land.Fractal(x / 25.0, y / 18.0, 5);
        const double light =
            std::clamp(0.5 + (land.Fractal((x - 2) / 25.0, y / 18.0, 5) - relief) * 12, 0.0, 1.0);
        const QColor rock = Paint::Mix(QColor(110, 130, 170), QColor(200, 210, 230), light);
        return Paint::Mix(rock, QColor(200, 215, 235), 0.3);
    });
    Paint::Apply(image, [&](double x, double y, const QColor& c) {
        const double top = Scenery::Ridge(land, x, 345, 50, 150);
        if (y < top)
            return c;
        const double near = (y - 300) / 200.0;
        // Ground coordinates: fields further away shrink with the distance.
        const double depth = 0.45 + std::max(near, 0.0) * 1.6;
        const double u = (x - 300) / depth + 800;
        const double v = 375 * std::log(depth) + 400;
        QColor colour = Fields(fields, land, u, v, 1.0 / depth);
        // A river winds through the valley.
        const double river = 300 + 120 * std::sin(y / 45.0) * near + 40 * land.At(y / 30.0, 2.0);
        const double width = 3 + near * 22;
        if (std::abs(x - river) < width)
            colour = Paint::Mix(QColor(90, 150, 200), QColor(200, 225, 240),
                                land.Ridged(x / 8.0, y / 2.0, 3));
        return Paint::Mix(colour, QColor(200, 210, 225), 0.45 * (1 - near));
    });
    QPainter painter(&image);
    Paint::Smooth(painter);
    std::vector<Tree> trees;
    for (int i = 0; i < 120; ++i) {
        const double x = Dice::Uniform(0, 600);
        const double y = Dice::Uniform(Scenery::Ridge(land, x, 345, 50, 150) + 3, 505);
        const double near = (y - 300) / 200.0;
        trees.push_back({QPointF(x, y), 6 + near * 26,
                         Dice::Vary(QColor(50, 110, 45), 0.04, 0.1, 0.1), Dice::Chance(0.5)});
    }
    PlantTrees(painter, trees);
    const QColor colours[] = {QColor(220, 40, 40),   QColor(250, 200, 30), QColor(40, 90, 200),
                              QColor(250, 130, 30),  QColor(40, 160, 80),  QColor(150, 50, 170),
                              QColor(250, 250, 245), QColor(30, 180, 200)};
    struct Flight {
        QPointF at;
        double radius;
    };
    std::vector<Flight> flights = {{{120, 110}, 62}, {{330, 80}, 40}, {{470, 170}, 70},
                                   {{250, 230}, 30}, {{560, 60}, 26}, {{60, 270}, 22},
                                   {{390, 300}, 18}, {{200, 40}, 20}, {{520, 320}, 14},
                                   {{290, 360}, 11}, {{90, 360}, 12}, {{430, 40}, 15}};
    std::sort(flights.begin(), flights.end(),
              [](const Flight& a, const Flight& b) { return a.radius < b.radius; });
    for (const Flight& flight : flights) {
        const int first = Dice::Between(0, 7);
        int second = Dice::Between(0, 7);
        if (second == first)
            second = (first + 3) % 8;
        Balloon(painter, flight.at, flight.radius, colours[first], colours[second],
                colours[(first + 5) % 8]);
    }
    painter.end();
    Paint::Weather(image, 73, 0.07);
    return image;
}

} // namespace Motifs
