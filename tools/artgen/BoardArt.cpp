#include "tools/artgen/BoardArt.h"

#include "tools/artgen/MotifPainter.h"
#include "tools/paint/Colours.h"
#include "tools/paint/GradientNoise.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/WoodTexture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// Height of the frame's moulding at depth d (0 outside .. 10 next to the picture): a
// chamfer, a round wooden bead, a small cove, a brass bead, and the sight edge falling
// towards the picture.
double FrameHeight(double d) {
    if (d < 1)
        return 3 * d;
    if (d < 5)
        return 3 + 1.4 * std::sin(Pi * (d - 1) / 4);
    if (d < 6)
        return 3 - 1.0 * std::sin(Pi * (d - 5));
    if (d < 8.5)
        return 3 + 0.9 * std::sin(Pi * (d - 6) / 2.5);
    return 3 - 2.0 * (d - 8.5) / 1.5;
}

bool IsBrass(double d) {
    return d >= 6 && d < 8.5;
}

// Light falls from the top-left and from above.
struct Light {
    double x = -1, y = -1, z = 1.3;
    Light() {
        const double length = std::sqrt(x * x + y * y + z * z);
        x /= length;
        y /= length;
        z /= length;
    }
};

// Brightness factor of a surface whose height rises by slope per pixel towards the
// inside, on an edge whose outside points to (outX, outY); 1 for a flat surface.
double Lit(double slope, int outX, int outY, double* specular) {
    static const Light light;
    double nx = slope * outX * 0.9;
    double ny = slope * outY * 0.9;
    double nz = 1;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= length;
    ny /= length;
    nz /= length;
    const double lambert = std::max(0.0, nx * light.x + ny * light.y + nz * light.z);
    if (specular) {
        double hx = light.x, hy = light.y, hz = light.z + 1;
        const double h = std::sqrt(hx * hx + hy * hy + hz * hz);
        hx /= h;
        hy /= h;
        hz /= h;
        *specular = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), 24);
    }
    return 1 + 1.5 * (lambert - light.z);
}

QColor Average(const std::array<double, 3>& sum, int count) {
    return QColor(std::clamp(static_cast<int>(std::lround(sum[0] / count)), 0, 255),
                  std::clamp(static_cast<int>(std::lround(sum[1] / count)), 0, 255),
                  std::clamp(static_cast<int>(std::lround(sum[2] / count)), 0, 255));
}

// A card's square border: a dark line, a bevelled band lit from the top-left, an inner
// line; returns the rectangle left inside.
QRect DrawCardBorder(QPainter& painter, const QColor& band) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paint::DeepShadow);
    painter.drawRect(0, 0, 100, 100);
    for (int i = 1; i <= 3; ++i) {
        const QRect ring(i, i, 100 - 2 * i, 100 - 2 * i);
        const double lift = 1.25 - 0.12 * i;
        painter.setBrush(Paint::Shade(band, lift));
        painter.drawRect(ring);
        // The bottom and right of each ring face away from the light.
        QPolygon shadow(
            {QPoint(ring.right() + 1, ring.top()), QPoint(ring.right() + 1, ring.bottom() + 1),
             QPoint(ring.left(), ring.bottom() + 1), QPoint(ring.left() + 1, ring.bottom()),
             QPoint(ring.right(), ring.bottom()), QPoint(ring.right(), ring.top() + 1)});
        painter.setBrush(Paint::Shade(band, 0.62 + 0.05 * i));
        painter.drawPolygon(shadow);
    }
    painter.setBrush(Paint::Shade(band, 0.5));
    painter.drawRect(4, 4, 92, 92);
    return QRect(5, 5, 90, 90);
}

} // namespace

QImage BoardArt::Background() {
    const QSize size(864, 620);
    QImage image = Paint::Picture(size, QImage::Format_RGB32);
    const QColor dark(44, 27, 13);
    const QColor light(116, 75, 39);
    // One wide table top: no board seams, which on the darkened board would look like
    // grid lines. The grain is broad and low in contrast so that pieces stand out.
    const Paint::WoodTexture wood(1000, dark, light, 16.0);
    const Paint::GradientNoise shade(1001);
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const double y = Paint::Design(row);
        for (int column = 0; column < image.width(); ++column) {
            const double x = Paint::Design(column);
            const double tone = wood.Tone(x * 0.8, y + 0.12 * x);
            // Soften the grain's contrast towards the middle tone.
            QColor color = Paint::Mix(dark, light, 0.5 + (tone - 0.5) * 0.75);
            // Large, slow changes of colour, as in a real table top.
            color = Paint::Shade(color, 1 + 0.07 * shade.Fractal(x * 0.004, y * 0.004, 2));
            // A soft pool of light in the middle of the table, darker towards the frame.
            const double dx = (x - size.width() * 0.5) / (size.width() * 0.6);
            const double dy = (y - size.height() * 0.42) / (size.height() * 0.7);
            const double falloff = std::clamp(1.1 - 0.45 * (dx * dx + dy * dy), 0.5, 1.12);
            line[column] = Paint::Shade(color, falloff).rgb();
        }
    }
    return image;
}

QColor BoardArt::FrameColor(double along, double depth, int outX, int outY) {
    static const Paint::WoodTexture wood(77, QColor(96, 58, 27), QColor(178, 124, 66), 2.6);
    const double step = 0.05;
    const double slope =
        (FrameHeight(std::min(depth + step, 10.0)) - FrameHeight(std::max(depth - step, 0.0))) /
        (2 * step);
    double specular = 0;
    const double lit = Lit(slope, outX, outY, &specular);
    // Each side of the frame is a different stick of wood.
    const double stick = outX * 3 + outY * 7;
    if (IsBrass(depth)) {
        const QColor brass = Paint::Shade(Paint::Brass, 0.92 * lit);
        return Paint::Mix(brass, QColor(255, 240, 200), specular * 0.7);
    }
    QColor color = wood.At(along * 0.5 + stick * 200, depth * 1.3 + stick * 31);
    if (depth >= 8.5)
        color = Paint::Shade(color, 0.55);
    return Paint::Mix(Paint::Shade(color, lit), QColor(255, 230, 190), specular * 0.12);
}

QImage BoardArt::FramePiece(int number) {
    const bool horizontalEdge = number == 305 || number == 306;
    const bool verticalEdge = number == 307 || number == 308;
    const QSize size = horizontalEdge ? QSize(580, 10)
                       : verticalEdge ? QSize(10, 580)
                                      : QSize(10, 10);
    QImage image = Paint::Picture(size, QImage::Format_RGB32);
    constexpr int Samples = 4;
    const int scale = Paint::Scale();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            std::array<double, 3> sum{};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    // Samples spread over the device pixel, in design coordinates.
                    const double px = (x + (sx + 0.5) / Samples) / scale;
                    const double py = (y + (sy + 0.5) / Samples) / scale;
                    // Depth from each outer side that this piece has; the nearest outer
                    // side owns the point, which gives the mitre of the corners.
                    struct Side {
                        double depth;
                        double along;
                        int outX, outY;
                    };
                    std::array<Side, 2> sides{};
                    int count = 0;
                    const bool top = number == 301 || number == 302 || number == 305;
                    const bool bottom = number == 303 || number == 304 || number == 306;
                    const bool left = number == 301 || number == 303 || number == 307;
                    const bool right = number == 302 || number == 304 || number == 308;
                    const double alongX = (number == 302 || number == 304) ? px + 580 : px;
                    const double alongY = (number == 303 || number == 304) ? py + 580 : py;
                    if (top)
                        sides[count++] = {py, alongX, 0, -1};
                    if (bottom)
                        sides[count++] = {size.height() - py, alongX, 0, 1};
                    if (left)
                        sides[count++] = {px, alongY, -1, 0};
                    if (right)
                        sides[count++] = {size.width() - px, alongY, 1, 0};
                    const Side& side =
                        (count == 2 && sides[1].depth < sides[0].depth) ? sides[1] : sides[0];
                    const QColor color = FrameColor(side.along, side.depth, side.outX, side.outY);
                    sum[0] += color.red();
                    sum[1] += color.green();
                    sum[2] += color.blue();
                }
            }
            image.setPixel(x, y, Average(sum, Samples * Samples).rgb());
        }
    }
    return image;
}

QImage BoardArt::GridLine(bool horizontal) {
    // Across the groove: the upper (or left) wall in shadow, the floor, the lower (or
    // right) wall catching the light, and a bright lip.
    const std::array<QColor, 5> profile{QColor(58, 36, 18), QColor(34, 20, 9), QColor(92, 60, 31),
                                        QColor(186, 137, 80), QColor(132, 92, 50)};
    const Paint::GradientNoise noise(309);
    const int length = 600;
    QImage image =
        Paint::Picture(horizontal ? QSize(length, 5) : QSize(5, length), QImage::Format_RGB32);
    const int scale = Paint::Scale();
    for (int along = 0; along < length * scale; ++along) {
        const double variation = 1 + 0.08 * noise.Fractal(Paint::Design(along) * 0.03, 0.5, 3);
        for (int across = 0; across < 5 * scale; ++across) {
            // The groove's profile keeps its five design pixels.
            const QRgb color =
                Paint::Shade(profile[static_cast<std::size_t>(across / scale)], variation).rgb();
            if (horizontal)
                image.setPixel(along, across, color);
            else
                image.setPixel(across, along, color);
        }
    }
    return image;
}

QImage BoardArt::CardFace(int number) {
    QImage image = Paint::Picture(QSize(100, 100), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect inside = DrawCardBorder(painter, QColor(196, 150, 88));

    QLinearGradient paper(inside.topLeft(), inside.bottomRight());
    paper.setColorAt(0, QColor(255, 251, 238));
    paper.setColorAt(1, QColor(240, 229, 204));
    painter.fillRect(inside, paper);
    // A faint inner shadow under the border so the face looks set into it.
    painter.fillRect(QRect(inside.left(), inside.top(), inside.width(), 1), QColor(0, 0, 0, 40));
    painter.fillRect(QRect(inside.left(), inside.top(), 1, inside.height()), QColor(0, 0, 0, 40));

    // The symbol casts a soft shadow to the bottom-right.
    const QImage symbol = MotifPainter::Symbol(number);
    // Blurred over one design pixel to each side.
    QImage shadow = Paint::Canvas(QSize(100, 100));
    const int r = Paint::Scale();
    const int last = symbol.width() - 1;
    for (int y = 0; y < shadow.height(); ++y) {
        for (int x = 0; x < shadow.width(); ++x) {
            int alpha = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    alpha += qAlpha(
                        symbol.pixel(std::clamp(x + dx, 0, last), std::clamp(y + dy, 0, last)));
            shadow.setPixel(
                x, y,
                qPremultiply(qRgba(70, 45, 20, alpha / ((2 * r + 1) * (2 * r + 1)) * 45 / 100)));
        }
    }
    painter.drawImage(2, 3, shadow);
    painter.drawImage(0, 0, symbol);
    return image;
}

QImage BoardArt::CardBack() {
    QImage image = Paint::Picture(QSize(100, 100), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect inside = DrawCardBorder(painter, Paint::Brass);

    const Paint::WoodTexture mahogany(200, QColor(62, 24, 14), QColor(128, 56, 30), 4.0);
    const QImage veneer = mahogany.Render(inside.size(), true);
    painter.drawImage(inside.topLeft(), veneer);

    // Marquetry: a lattice of thin light-wood strips.
    painter.save();
    painter.setClipRect(inside);
    painter.setPen(QPen(QColor(214, 160, 96, 150), 1.4));
    for (int i = -100; i <= 200; i += 15) {
        painter.drawLine(QPointF(i, 0), QPointF(i + 100, 100));
        painter.drawLine(QPointF(i, 100), QPointF(i + 100, 0));
    }
    painter.restore();

    // The medallion: a dark disc in a brass ring with a compass rose whose facets are
    // light on the side that faces the light.
    const QPointF centre(50, 50);
    QRadialGradient ring(centre, 27);
    ring.setColorAt(0.80, Paint::Shade(Paint::Brass, 1.2));
    ring.setColorAt(1.0, Paint::Shade(Paint::Brass, 0.6));
    painter.setPen(QPen(Paint::DeepShadow, 1.2));
    painter.setBrush(ring);
    painter.drawEllipse(centre, 26, 26);
    painter.setBrush(QColor(52, 22, 12));
    painter.drawEllipse(centre, 21, 21);
    for (int point = 0; point < 8; ++point) {
        const double angle = -Pi / 2 + point * Pi / 4;
        const double radius = point % 2 == 0 ? 19 : 12;
        const QPointF tip(centre.x() + radius * std::cos(angle),
                          centre.y() + radius * std::sin(angle));
        for (int half = 0; half < 2; ++half) {
            const double sideAngle = angle + (half == 0 ? -Pi / 8 : Pi / 8);
            const QPointF side(centre.x() + 5 * std::cos(sideAngle),
                               centre.y() + 5 * std::sin(sideAngle));
            // Each ray is a ridge: the half whose slope faces the top-left is lit.
            const double normal = angle + (half == 0 ? -Pi / 2 : Pi / 2);
            const double facing = std::cos(normal + 3 * Pi / 4);
            const QColor base = point % 2 == 0 ? QColor(238, 214, 160) : Paint::Brass;
            painter.setPen(Qt::NoPen);
            painter.setBrush(Paint::Shade(base, 0.8 + 0.25 * facing));
            painter.drawPolygon(QPolygonF({centre, side, tip}));
        }
    }
    painter.setBrush(Paint::Brass);
    painter.setPen(QPen(Paint::DeepShadow, 1));
    painter.drawEllipse(centre, 3, 3);

    // Small brass studs in the corners of the field.
    for (const QPointF& stud :
         {QPointF(14, 14), QPointF(86, 14), QPointF(14, 86), QPointF(86, 86)}) {
        QRadialGradient shine(stud - QPointF(1, 1), 4);
        shine.setColorAt(0, QColor(255, 236, 180));
        shine.setColorAt(1, Paint::Shade(Paint::Brass, 0.7));
        painter.setBrush(shine);
        painter.setPen(QPen(Paint::DeepShadow, 0.8));
        painter.drawEllipse(stud, 3.5, 3.5);
    }
    return image;
}
