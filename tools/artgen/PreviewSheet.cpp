#include "tools/artgen/PreviewSheet.h"

#include "tools/artgen/ToolGlyphs.h"
#include "tools/paint/GradientNoise.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

QImage Darken(QImage image, int amount) {
    image = image.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width() * 3; ++x)
            line[x] = static_cast<uchar>(std::max(0, line[x] - amount));
    }
    return image;
}

QImage KeyedGlyph(const QImage& glyph) {
    QImage keyed = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0);
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixel(x, y) == key)
                keyed.setPixel(x, y, qRgba(0, 0, 0, 0));
    return keyed;
}

void Text(QPainter& p, const QRect& rect, const QString& text, int pixels, bool bold,
          const QColor& color, Qt::Alignment align) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, align | Qt::AlignTop, text);
}

} // namespace

PreviewSheet::PreviewSheet(const QString& resources) : folder(resources) {}

QImage PreviewSheet::Jpg(int number) const {
    return QImage(QStringLiteral("%1/jpg/%2.jpg").arg(folder).arg(number));
}

QImage PreviewSheet::Art(const QString& name) const {
    return QImage(QStringLiteral("%1/art/%2.png").arg(folder, name));
}

QImage PreviewSheet::Glyph(const QString& name) const {
    return QImage(QStringLiteral("%1/skin/%2.bmp").arg(folder, name));
}

QImage PreviewSheet::SamplePicture(QSize size) {
    // A bright landscape, only so the mock-up shows pieces the way a photo would look.
    QImage image(size, QImage::Format_RGB32);
    const Paint::GradientNoise noise(5);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const double fx = x / double(size.width());
            const double fy = y / double(size.height());
            const double hill = 0.55 + 0.12 * noise.Fractal(fx * 3, 0.5, 4);
            const double hill2 = 0.7 + 0.08 * noise.Fractal(fx * 5 + 9, 1.5, 4);
            QColor c;
            if (fy < hill) {
                const double sun = std::hypot(fx - 0.7, fy - 0.2);
                c = QColor::fromRgbF(
                    std::min(1.0, 0.45 + 0.6 * std::max(0.0, 0.3 - sun)),
                    std::min(1.0, 0.65 + 0.3 * fy + 0.5 * std::max(0.0, 0.2 - sun)), 0.95);
                if (sun < 0.06)
                    c = QColor(255, 240, 170);
                const double cloud = noise.Fractal(fx * 6, fy * 14, 4);
                if (cloud > 0.25)
                    c = QColor::fromRgbF(0.95, 0.96, 0.98);
            } else if (fy < hill2) {
                const double t = noise.Fractal(fx * 40, fy * 40, 3);
                c = QColor::fromRgbF(0.2 + 0.1 * t, 0.45 + 0.15 * t, 0.15);
            } else {
                const double t = noise.Fractal(fx * 60, fy * 20, 3);
                c = QColor::fromRgbF(0.75 + 0.2 * t, 0.55 + 0.2 * t, 0.2);
                if (std::fmod(fx * 20 + fy * 3, 1.0) < 0.15)
                    c = QColor(200, 40, 60);
            }
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

void PreviewSheet::DrawFrame(QImage& playArea, const QRect& r) const {
    QPainter p(&playArea);
    const int L = r.left(), T = r.top(), W = r.width(), H = r.height();
    p.drawImage(QRect(L - 10, T - 10, 10, 10), Jpg(301));
    p.drawImage(QRect(L + W, T - 10, 10, 10), Jpg(302));
    p.drawImage(QRect(L - 10, T + H, 10, 10), Jpg(303));
    p.drawImage(QRect(L + W, T + H, 10, 10), Jpg(304));
    p.drawImage(QRect(L, T - 10, W, 10), Jpg(305));
    p.drawImage(QRect(L, T + H, W, 10), Jpg(306));
    p.drawImage(QRect(L - 10, T, 10, H), Jpg(307));
    p.drawImage(QRect(L + W, T, 10, H), Jpg(308));
}

void PreviewSheet::DrawGrid(QImage& board, int cw, int ch) const {
    QPainter p(&board);
    for (int x = cw; x <= board.width() - cw; x += cw)
        p.drawImage(QRect(x - 2, 0, 5, board.height()), Jpg(310));
    for (int y = ch; y <= board.height() - ch; y += ch)
        p.drawImage(QRect(0, y - 2, board.width(), 5), Jpg(309));
}

QImage PreviewSheet::Window(const QString& mode, const QString& countTitle, int count) const {
    QImage window(900, 700, QImage::Format_RGB32);
    QPainter p(&window);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(0, 0, Art(QStringLiteral("TOP")));
    p.drawImage(0, 62, Art(QStringLiteral("LEFT")));
    p.drawImage(882, 62, Art(QStringLiteral("RIGHT")));
    p.drawImage(0, 682, Art(QStringLiteral("BOTTOM")));

    const QColor light(240, 225, 179);
    Text(p, QRect(379, 21, 145, 31), QStringLiteral("Tessaly"), 27, true, QColor(0xDD, 0xA7, 0x6A),
         Qt::AlignHCenter);
    Text(p, QRect(378, 20, 145, 31), QStringLiteral("Tessaly"), 27, true, QColor(0x72, 0x48, 0x1B),
         Qt::AlignHCenter);
    Text(p, QRect(552, 25, 105, 25), mode, 21, true, light, Qt::AlignHCenter);
    Text(p, QRect(664, 30, 40, 17), countTitle, 15, false, light, Qt::AlignRight);
    Text(p, QRect(714, 30, 30, 16), QString::number(count), 15, true, light, Qt::AlignHCenter);
    Text(p, QRect(768, 30, 40, 17), QStringLiteral("Zeit:"), 15, false, light, Qt::AlignLeft);
    Text(p, QRect(804, 30, 68, 16), QStringLiteral("00:02:47"), 15, true, light, Qt::AlignHCenter);

    // The tool bar as the buttons draw it: their skin (where the skin generator has made
    // one), then the glyph; tip and pause are disabled at rest, the first button is hot.
    const QStringList glyphs = ToolGlyphs::Names();
    for (int i = 0; i < glyphs.size(); ++i) {
        const bool disabled = i == 2 || i == 3;
        const QString state = disabled ? QStringLiteral("WTB_DISABLE")
                              : i == 0 ? QStringLiteral("WTB_MOVE")
                                       : QStringLiteral("WTB_NORM");
        const QImage skin = Glyph(state);
        if (!skin.isNull())
            p.drawImage(24 + 30 * i, 22, KeyedGlyph(skin));
        QImage glyph = Glyph(glyphs[i]);
        if (disabled)
            glyph = Darken(glyph, 60);
        p.drawImage(24 + 30 * i + 3, 22 + 3, KeyedGlyph(glyph));
    }
    for (int x : {852, 872}) {
        const QImage skin =
            Glyph(x == 852 ? QStringLiteral("WDW_MIN_NORM") : QStringLiteral("WDW_CLOSE_NORM"));
        if (!skin.isNull()) {
            p.drawImage(x, 2, skin);
            continue;
        }
        // Stand-ins while there is no skin.
        p.setPen(QColor(30, 18, 8));
        p.setBrush(QColor(96, 62, 32));
        p.drawRect(x, 2, 19, 19);
        p.setPen(QPen(light, 2));
        if (x == 852) {
            p.drawLine(x + 5, 15, x + 14, 15);
        } else {
            p.drawLine(x + 5, 6, x + 14, 15);
            p.drawLine(x + 14, 6, x + 5, 15);
        }
    }
    p.end();
    return window;
}

QImage PreviewSheet::PuzzleWindow() const {
    QImage window = Window(QStringLiteral("Standard"), QStringLiteral("Teile:"), 5);
    QImage play = Jpg(100);
    const QImage picture = SamplePicture(QSize(600, 500));
    const QRect board(864 - 600 - 10, 10, 600, 500);
    DrawFrame(play, board);
    const QRect preview(10, 10, 120, 100);
    {
        QPainter p(&play);
        p.drawImage(preview, picture);
    }
    DrawFrame(play, preview);
    // A game in progress: the board shows the darkened table with grid grooves, four
    // pieces are in place, five lie on the table with their shadows.
    QImage boardImage = Darken(play.copy(board), 25);
    DrawGrid(boardImage, 200, 166);
    QPainter b(&boardImage);
    for (int k : {0, 1, 4, 6})
        b.drawImage(QPoint(k % 3 * 200, k / 3 * 166),
                    picture.copy(k % 3 * 200, k / 3 * 166, 200, 166));
    b.end();
    QPainter p(&play);
    p.drawImage(board.topLeft(), boardImage);
    const QList<QPoint> spots{{20, 140}, {60, 330}, {150, 150}, {28, 420}, {120, 250}};
    const QList<int> rest{2, 3, 5, 7, 8};
    for (int i = 0; i < rest.size(); ++i) {
        const int k = rest[i];
        const QImage piece = picture.copy(k % 3 * 200, k / 3 * 166, 200, 166);
        const QPoint at = spots[i];
        const int shadow = i == 4 ? 2 : 1;
        p.fillRect(QRect(at + QPoint(shadow, shadow), piece.size()), Qt::black);
        p.drawImage(at, piece);
    }
    p.end();
    QPainter w(&window);
    w.drawImage(18, 62, play);
    return window;
}

QImage PreviewSheet::MemoryWindow() const {
    QImage window = Window(QStringLiteral("Memory"), QStringLiteral("Paare:"), 7);
    QImage play = Jpg(100);
    const QRect board(864 - 500 - 10, 10, 500, 400);
    DrawFrame(play, board);
    QImage boardImage = Darken(play.copy(board), 25);
    DrawGrid(boardImage, 100, 100);
    QPainter b(&boardImage);
    std::mt19937 random(3);
    for (int cell = 0; cell < 20; ++cell) {
        const QPoint at(cell % 5 * 100, cell / 5 * 100);
        const bool open = cell % 3 == 1 || cell == 8;
        b.drawImage(at, open ? Jpg(101 + static_cast<int>(random() % 30)) : Jpg(200));
        if (!open) {
            b.fillRect(QRect(at.x() + 100, at.y(), 1, 101), Qt::black);
            b.fillRect(QRect(at.x(), at.y() + 100, 101, 1), Qt::black);
        }
    }
    b.end();
    QPainter p(&play);
    p.drawImage(board.topLeft(), boardImage);
    p.end();
    QPainter w(&window);
    w.drawImage(18, 62, play);
    return window;
}

QImage PreviewSheet::ContactSheet() const {
    QImage sheet(1100, 980, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 64));
    QPainter p(&sheet);
    // The 30 card faces and the back, at their real size.
    for (int i = 0; i < 31; ++i) {
        const int number = i < 30 ? 101 + i : 200;
        p.drawImage(10 + (i % 10) * 108, 10 + (i / 10) * 108, Jpg(number));
    }
    // Tool bar glyphs at 3x on dark wood and as stored (with the key colour).
    const QStringList glyphs = ToolGlyphs::Names();
    for (int i = 0; i < glyphs.size(); ++i) {
        const QImage glyph = Glyph(glyphs[i]);
        const QRect cell(10 + i * 84, 450, 78, 78);
        p.fillRect(cell, QColor(58, 36, 18));
        p.drawImage(cell.adjusted(3, 3, -3, -3), KeyedGlyph(glyph));
        p.drawImage(cell.left(), cell.bottom() + 6, glyph);
        p.drawImage(cell.left() + 30, cell.bottom() + 6, KeyedGlyph(glyph));
    }
    // Cursors at 4x on light and dark ground, and at 1x.
    for (int i = 0; i < 2; ++i) {
        const QImage cursor(QStringLiteral("%1/cursor/CUR_%2.png").arg(folder).arg(101 + i));
        p.fillRect(QRect(780 + i * 150, 450, 140, 140),
                   i == 0 ? QColor(230, 230, 230) : QColor(40, 40, 40));
        p.drawImage(QRect(784 + i * 150, 454, 128, 128), cursor);
        p.fillRect(QRect(780 + i * 150, 600, 40, 40), QColor(130, 160, 90));
        p.drawImage(784 + i * 150, 604, cursor);
    }
    // Frame and grid pieces at 6x.
    const QList<int> frames{301, 305, 302, 307, 308, 303, 306, 304};
    int x = 10;
    for (int number : frames) {
        QImage piece = Jpg(number);
        piece = piece.copy(0, 0, std::min(piece.width(), 20), std::min(piece.height(), 20));
        p.drawImage(QRect(x, 660, piece.width() * 6, piece.height() * 6), piece);
        x += piece.width() * 6 + 10;
    }
    p.drawImage(QRect(x, 660, 120, 30), Jpg(309).copy(0, 0, 40, 5));
    p.drawImage(QRect(x, 700, 30, 120), Jpg(310).copy(0, 0, 5, 20));
    // The frame around a small preview, stretched as the window stretches it.
    QImage small(260, 140, QImage::Format_RGB32);
    small.fill(QColor(70, 45, 22));
    {
        QPainter s(&small);
        s.fillRect(QRect(20, 20, 60, 100), QColor(120, 170, 220));
        s.fillRect(QRect(110, 20, 120, 90), QColor(120, 170, 220));
    }
    DrawFrame(small, QRect(20, 20, 60, 100));
    DrawFrame(small, QRect(110, 20, 120, 90));
    p.drawImage(830, 660, small);
    p.drawImage(QRect(10, 840, 900, 124), Art(QStringLiteral("TOP")).copy(0, 0, 450, 62));
    return sheet;
}
