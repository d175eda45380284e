#include "tools/artgen/AppIcon.h"

#include "tools/paint/Colours.h"
#include "tools/paint/WoodTexture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The piece's wood: honey-coloured, lighter than the frame so that it stands out on the
// dark panels of a desktop as well as on light ones.
const QColor IconDark(146, 94, 45);
const QColor IconLight(232, 180, 112);
const QColor OutlineColour = Paint::DeepShadow;

// A knob reaches 0.30 of the body's side beyond it.
constexpr double KnobReach = 0.30;

// Alpha of an antialiased fill of the path, 0 .. 1 per pixel.
std::vector<double> Coverage(const QPainterPath& path, int size) {
    QImage mask(size, size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::black);
    painter.end();
    std::vector<double> alpha(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            alpha[static_cast<size_t>(y) * size + x] = qAlpha(mask.pixel(x, y)) / 255.0;
    return alpha;
}

// A box blur of radius r, run twice (close to a Gaussian), with zero outside the square.
std::vector<double> Blur(const std::vector<double>& values, int size, int radius) {
    std::vector<double> current = values;
    std::vector<double> next(current.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (bool horizontal : {true, false}) {
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    double sum = 0;
                    for (int d = -radius; d <= radius; ++d) {
                        const int sx = horizontal ? x + d : x;
                        const int sy = horizontal ? y : y + d;
                        if (sx >= 0 && sy >= 0 && sx < size && sy < size)
                            sum += current[static_cast<size_t>(sy) * size + sx];
                    }
                    next[static_cast<size_t>(y) * size + x] = sum / (2 * radius + 1);
                }
            std::swap(current, next);
        }
    }
    return current;
}

// The grain as it looks on the 256-pixel icon, averaged over each pixel of a smaller one so
// that it shrinks to streaks instead of turning into noise. The grain runs slightly slanted.
QColor Grain(const Paint::WoodTexture& wood, int x, int y, int size) {
    const int samples = std::clamp(256 / size, 1, 6);
    double red = 0, green = 0, blue = 0;
    for (int j = 0; j < samples; ++j)
        for (int i = 0; i < samples; ++i) {
            const double u = (x + (i + 0.5) / samples) * 256.0 / size;
            const double v = (y + (j + 0.5) / samples) * 256.0 / size;
            const QColor colour = wood.At(u * 0.9 + v * 0.25, v - u * 0.18);
            red += colour.red();
            green += colour.green();
            blue += colour.blue();
        }
    const double count = samples * samples;
    return QColor(static_cast<int>(red / count), static_cast<int>(green / count),
                  static_cast<int>(blue / count));
}

} // namespace

const std::vector<int>& AppIcon::Sizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

void AppIcon::Edge(QPainterPath& path, QPointF a, QPointF b, double bump, bool bold) {
    const QPointF along = b - a;
    // The outline runs clockwise on the screen, so the outside lies to the left.
    const QPointF outside(along.y(), -along.x());
    auto at = [&](double t, double n) { return a + along * t + outside * (n * bump); };
    // A narrow neck widening into a round head, the shape every jigsaw piece is known by.
    // Bold knobs have a wider neck and head, so that a few pixels still show them; the
    // holes stay as they are, or the corners would come loose.
    const double w = bold && bump > 0 ? 0.03 : 0.0;
    path.lineTo(at(0.34 - w, 0));
    path.cubicTo(at(0.40 - w, 0), at(0.42 - w, 0.06), at(0.38 - w, 0.11));
    path.cubicTo(at(0.31 - w, 0.21), at(0.38 - w, KnobReach), at(0.50, KnobReach));
    path.cubicTo(at(0.62 + w, KnobReach), at(0.69 + w, 0.21), at(0.62 + w, 0.11));
    path.cubicTo(at(0.58 + w, 0.06), at(0.60 + w, 0), at(0.66 + w, 0));
    path.lineTo(b);
}

QPainterPath AppIcon::Outline(double side, QPointF origin, bool bold) {
    const double body = side / (1 + KnobReach);
    const QPointF topLeft = origin + QPointF(0, KnobReach * body);
    const QPointF topRight = topLeft + QPointF(body, 0);
    const QPointF bottomRight = topRight + QPointF(0, body);
    const QPointF bottomLeft = topLeft + QPointF(0, body);
    QPainterPath path(topLeft);
    Edge(path, topLeft, topRight, 1, bold);
    Edge(path, topRight, bottomRight, 1, bold);
    Edge(path, bottomRight, bottomLeft, -1, bold);
    Edge(path, bottomLeft, topLeft, -1, bold);
    path.closeSubpath();
    return path;
}

QImage AppIcon::Render(int size) {
    const bool small = size < 32;
    // Room for the outline and, from 32 pixels up, for the shadow to the lower right.
    double margin = size * 0.035;
    double side = size - 2 * margin - size * 0.03;
    QPointF origin(margin, margin);
    if (small) {
        // The body's straight edges on pixel centres, so that its one-pixel outline is sharp.
        const double body = std::floor((size - 1) / (1 + KnobReach));
        side = body * (1 + KnobReach);
        const double spare = std::floor((size - 1 - side) / 2);
        origin =
            QPointF(0.5 + spare, 0.5 + spare + std::round(KnobReach * body) - KnobReach * body);
    }
    const QPainterPath path = Outline(side, origin, small);

    const std::vector<double> alpha = Coverage(path, size);
    // The rounded edge: the blurred coverage is a height, its slope faces the light or not.
    const int radius = std::max(1, size / 22);
    const std::vector<double> height = Blur(alpha, size, radius);
    const Paint::WoodTexture wood(41, IconDark, IconLight, 30.0);

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    auto heightAt = [&](int x, int y) {
        x = std::clamp(x, 0, size - 1);
        y = std::clamp(y, 0, size - 1);
        return height[static_cast<size_t>(y) * size + x];
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double a = alpha[static_cast<size_t>(y) * size + x];
            if (a <= 0)
                continue;
            // Light from the top-left: a slope rising towards it is lit.
            const double slope = (heightAt(x + 1, y) - heightAt(x - 1, y)) +
                                 (heightAt(x, y + 1) - heightAt(x, y - 1));
            // The slope of the blurred edge shrinks with its width; scale it back.
            const double light = 1.0 + std::clamp(slope * radius * (small ? 0.9 : 1.2), -0.3, 0.45);
            // Small sizes take the wood's middle tone, a grain only from 32 up.
            QColor colour = small ? Paint::Mix(IconDark, IconLight, 0.62 - 0.25 * y / size)
                                  : Grain(wood, x, y, size);
            colour = Paint::Shade(colour, light);
            image.setPixel(x, y,
                           qRgba(colour.red(), colour.green(), colour.blue(),
                                 static_cast<int>(std::lround(a * 255))));
        }
    }

    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!small) {
        // A soft shadow below and to the right, as if the piece lay on the table.
        const std::vector<double> shadow = Blur(alpha, size, std::max(1, size / 40));
        QImage shade(size, size, QImage::Format_ARGB32);
        shade.fill(Qt::transparent);
        const int offset = std::max(1, static_cast<int>(std::lround(size * 0.03)));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const int sx = x - offset;
                const int sy = y - offset;
                if (sx < 0 || sy < 0)
                    continue;
                const double s = shadow[static_cast<size_t>(sy) * size + sx];
                shade.setPixel(x, y, qRgba(0, 0, 0, static_cast<int>(std::lround(s * 110))));
            }
        painter.drawImage(0, 0, shade);
    }
    painter.drawImage(0, 0, image);
    // A dark outline keeps the shape on any background.
    painter.setPen(QPen(OutlineColour, small ? 1.0 : std::max(1.2, size / 64.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.end();
    return result.convertToFormat(QImage::Format_ARGB32);
}
