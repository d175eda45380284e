#include "IllustrationPainter.h"

#include "tools/paint/Carving.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/WoodGrain.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int PictureSize = 240;

// A warm evening landscape: sun over layered hills, a tree and a lake. Large enough to
// be cut and scaled down without losing its shapes.
QImage PaintLandscape() {
    QImage image = Paint::Picture(QSize(PictureSize, PictureSize), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, PictureSize * 0.6);
    sky.setColorAt(0, QColor(92, 118, 158));
    sky.setColorAt(0.55, QColor(226, 170, 112));
    sky.setColorAt(1, QColor(246, 214, 150));
    painter.fillRect(Paint::DesignRect(image), sky);

    QRadialGradient glow(QPointF(150, 110), 70);
    glow.setColorAt(0, QColor(255, 240, 190, 230));
    glow.setColorAt(1, QColor(255, 220, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(150, 110), 70, 70);
    painter.setBrush(QColor(255, 226, 140));
    painter.drawEllipse(QPointF(150, 112), 24, 24);

    const auto hill = [&painter](double base, double amplitude, double phase, QColor colour) {
        QPainterPath path(QPointF(0, PictureSize));
        for (int x = 0; x <= PictureSize; x += 6)
            path.lineTo(x, base - amplitude * std::sin(x * 0.021 + phase) -
                               amplitude * 0.4 * std::sin(x * 0.057 + phase * 2));
        path.lineTo(PictureSize, PictureSize);
        path.closeSubpath();
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    hill(140, 18, 0.3, QColor(150, 104, 96));
    hill(160, 14, 2.1, QColor(108, 102, 64));
    hill(182, 10, 4.0, QColor(72, 86, 44));

    // The lake mirrors the sky.
    QLinearGradient water(0, 196, 0, PictureSize);
    water.setColorAt(0, QColor(214, 170, 120));
    water.setColorAt(1, QColor(70, 92, 118));
    painter.setBrush(water);
    painter.drawRect(QRectF(0, 198, PictureSize, 42));
    painter.setBrush(QColor(255, 226, 150, 160));
    painter.drawRect(QRectF(130, 204, 40, 2.5));
    painter.drawRect(QRectF(138, 212, 24, 2));

    // A tree on the left bank.
    painter.setBrush(QColor(52, 34, 20));
    painter.drawRect(QRectF(48, 120, 9, 80));
    painter.setBrush(QColor(58, 78, 38));
    painter.drawEllipse(QPointF(52, 108), 34, 30);
    painter.setBrush(QColor(78, 102, 48));
    painter.drawEllipse(QPointF(44, 98), 20, 17);
    painter.drawEllipse(QPointF(66, 104), 16, 14);
    return image;
}

QColor CardFace() {
    return Paint::TextLight;
}

} // namespace

IllustrationPainter::IllustrationPainter() : picture(PaintLandscape()) {}

QImage IllustrationPainter::Table(std::uint32_t seed) const {
    QImage image = Paint::Picture(QSize(Width, Height), QImage::Format_RGB32);
    Paint::WoodGrain(Paint::Mix(Paint::DarkWood, Paint::MidWood, 0.7),
                     Paint::Mix(Paint::LightWood, Paint::Highlight, 0.2), seed)
        .Fill(image, Paint::DesignRect(image), 0.55);
    return image;
}

void IllustrationPainter::Frame(QImage& image) const {
    QPainter painter(&image);
    painter.setPen(Paint::DeepShadow);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Paint::DesignRect(image).adjusted(0, 0, -1, -1));
    painter.setPen(Paint::Brass);
    painter.drawRect(Paint::DesignRect(image).adjusted(1, 1, -2, -2));
    Paint::Bevel(painter, Paint::DesignRect(image).adjusted(2, 2, -2, -2), true, 2);
}

void IllustrationPainter::DrawPiece(QPainter& painter, const QRectF& target, int cells, QPoint cell,
                                    bool lifted) const {
    // The source is given in the picture's own (device) pixels.
    const double side = double(PictureSize) / cells * picture.devicePixelRatio();
    const QRectF source(cell.x() * side, cell.y() * side, side, side);
    if (lifted)
        Paint::DropShadow(painter, target, 1.6, 1.6);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture, source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor light(255, 245, 215, 150);
    QColor dark(30, 16, 6, 170);
    const QRect r = target.toRect().adjusted(0, 0, -1, -1);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.restore();
}

void IllustrationPainter::DrawBoard(QPainter& painter, const QRect& area, int cells,
                                    const QList<QPoint>& placed) const {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 10, 4, 120));
    painter.drawRect(area.adjusted(-2, -2, 3, 3));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(area, picture);
    // The empty cells are the darkened picture, as on the real board.
    const double side = double(area.width()) / cells;
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column)
            if (!placed.contains(QPoint(column, row)))
                painter.fillRect(
                    QRectF(area.left() + column * side, area.top() + row * side, side, side),
                    QColor(25, 14, 6, 195));
    QColor grid = Paint::TextLight;
    grid.setAlpha(70);
    painter.setPen(grid);
    for (int i = 1; i < cells; ++i) {
        const int offset = qRound(i * side);
        painter.drawLine(area.left() + offset, area.top(), area.left() + offset, area.bottom());
        painter.drawLine(area.left(), area.top() + offset, area.right(), area.top() + offset);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Paint::DeepShadow);
    painter.drawRect(area.adjusted(-2, -2, 1, 1));
    painter.setPen(Paint::Brass);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    painter.restore();
}

QImage IllustrationPainter::Standard() const {
    QImage image = Table(0x2211);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int cells = 3;
    const QRect board(64, 20, 57, 57);
    DrawBoard(painter, board, cells, {{0, 0}, {1, 0}, {0, 1}});
    // The loose pieces lie scattered beside the board, any of them within reach.
    struct Loose {
        QPointF at;
        QPoint cell;
    };
    const Loose loose[] = {{{8, 9}, {2, 0}},   {{34, 16}, {1, 2}}, {{11, 37}, {2, 2}},
                           {{36, 47}, {1, 1}}, {{9, 69}, {0, 2}},  {{37, 75}, {2, 1}}};
    for (const Loose& piece : loose)
        DrawPiece(painter, QRectF(piece.at, QSizeF(19, 19)), cells, piece.cell, true);
    painter.end();
    Frame(image);
    return image;
}

QImage IllustrationPainter::Kaskade() const {
    QImage image = Table(0x4D37);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int cells = 3;
    DrawBoard(painter, QRect(82, 12, 36, 36), cells, {{0, 0}, {1, 0}});
    // The stack rises from the lower left; each piece covers most of the one below, and
    // only the top one is free to take.
    const QPoint order[] = {{2, 2}, {0, 2}, {1, 1}, {2, 0}, {0, 1}, {2, 1}, {1, 2}};
    const int count = std::size(order);
    const double size = 26;
    for (int i = 0; i < count; ++i) {
        const QRectF at(8 + i * 6.5, 64 - i * 6.5, size, size);
        DrawPiece(painter, at, cells, order[i], true);
    }
    const QRectF top(8 + (count - 1) * 6.5, 64 - (count - 1) * 6.5, size, size);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Paint::Brass, 1.4));
    painter.drawRect(top.adjusted(-0.7, -0.7, 0.7, 0.7));
    // A small arrow from the top of the stack to the board shows the way of each piece.
    painter.setPen(QPen(Paint::TextLight, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF from(top.right() + 4, top.top() + 4);
    const QPointF to(86, 55);
    QPainterPath arc(from);
    arc.quadTo(QPointF(to.x() - 2, from.y() + 2), to);
    painter.drawPath(arc);
    painter.setBrush(Paint::TextLight);
    painter.setPen(Qt::NoPen);
    QPolygonF head;
    head << to + QPointF(0, 2.5) << to + QPointF(-3.5, -3) << to + QPointF(3.2, -2.6);
    painter.drawPolygon(head);
    painter.end();
    Frame(image);
    return image;
}

namespace {

// The back of a memory card: dark wood with a brass diamond.
void CardBack(QPainter& painter, const QRectF& card) {
    QLinearGradient wood(card.topLeft(), card.bottomRight());
    wood.setColorAt(0, Paint::MidWood);
    wood.setColorAt(1, Paint::DarkWood);
    painter.setBrush(wood);
    painter.setPen(QPen(Paint::DeepShadow, 1));
    painter.drawRoundedRect(card, 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Paint::Brass, 0.9));
    painter.drawRoundedRect(card.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    QPolygonF diamond;
    const QPointF c = card.center();
    diamond << c + QPointF(0, -6) << c + QPointF(4.5, 0) << c + QPointF(0, 6)
            << c + QPointF(-4.5, 0);
    painter.setBrush(Paint::Brass);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(diamond);
    painter.setBrush(Paint::Mix(Paint::Brass, Paint::TextLight, 0.5));
    painter.drawEllipse(c, 1.3, 1.3);
}

enum class Motif { Sun, Leaf, Heart };

void CardFront(QPainter& painter, const QRectF& card, Motif motif) {
    painter.setBrush(CardFace());
    painter.setPen(QPen(Paint::TextDark, 1));
    painter.drawRoundedRect(card, 2.5, 2.5);
    const QPointF c = card.center();
    painter.setPen(Qt::NoPen);
    switch (motif) {
    case Motif::Sun: {
        painter.setPen(QPen(QColor(214, 128, 38), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            painter.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 6.0,
                             c + QPointF(std::cos(a), std::sin(a)) * 9.0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(232, 160, 40));
        painter.drawEllipse(c, 4.8, 4.8);
        break;
    }
    case Motif::Leaf: {
        QPainterPath leaf(c + QPointF(-6, 7));
        leaf.quadTo(c + QPointF(-7, -5), c + QPointF(6, -8));
        leaf.quadTo(c + QPointF(7, 5), c + QPointF(-6, 7));
        painter.setBrush(QColor(96, 124, 52));
        painter.drawPath(leaf);
        painter.setPen(QPen(QColor(60, 80, 30), 0.8));
        painter.drawLine(c + QPointF(-6, 7), c + QPointF(4, -5));
        break;
    }
    case Motif::Heart: {
        QPainterPath heart(c + QPointF(0, 7));
        heart.cubicTo(c + QPointF(-10, 0), c + QPointF(-5, -9), c + QPointF(0, -3));
        heart.cubicTo(c + QPointF(5, -9), c + QPointF(10, 0), c + QPointF(0, 7));
        painter.setBrush(QColor(176, 58, 42));
        painter.drawPath(heart);
        break;
    }
    }
}

// A card half way through turning: narrowed, its edge showing.
void CardTurning(QPainter& painter, const QRectF& card) {
    const QRectF narrow(card.center().x() - card.width() * 0.18, card.top() + 1,
                        card.width() * 0.36, card.height() - 2);
    QLinearGradient wood(narrow.topLeft(), narrow.topRight());
    wood.setColorAt(0, Paint::DarkWood);
    wood.setColorAt(1, Paint::MidWood);
    painter.setBrush(wood);
    painter.setPen(QPen(Paint::DeepShadow, 1));
    painter.drawRoundedRect(narrow, 1.5, 1.5);
    painter.setPen(QPen(Paint::Brass, 0.8));
    painter.drawLine(narrow.center() + QPointF(0, -6), narrow.center() + QPointF(0, 6));
}

} // namespace

QImage IllustrationPainter::Memory() const {
    QImage image = Table(0x6A05);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // 4 x 3 cards; a found pair of suns, a leaf just turned, one card turning.
    const double width = 24;
    const double height = 25;
    const double gapX = 5;
    const double gapY = 4.5;
    const double left = (Width - 4 * width - 3 * gapX) / 2;
    const double top = (Height - 3 * height - 2 * gapY) / 2;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const QRectF card(left + column * (width + gapX), top + row * (height + gapY), width,
                              height);
            const int index = row * 4 + column;
            if (index == 6) {
                CardTurning(painter, card);
                continue;
            }
            Paint::DropShadow(painter, card, 1.2, 1.2);
            if (index == 1 || index == 10)
                CardFront(painter, card, Motif::Sun);
            else if (index == 4)
                CardFront(painter, card, Motif::Leaf);
            else if (index == 11)
                CardFront(painter, card, Motif::Heart);
            else
                CardBack(painter, card);
        }
    painter.end();
    Frame(image);
    return image;
}
