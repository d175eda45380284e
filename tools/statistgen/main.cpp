// statistgen: paints the artwork of the settings dialog, the statistics window, its
// deletion dialog and its print preview. The places follow the controls the windows put
// on top of the pictures.
//   statistgen <repo>/resources/art

#include "Podium.h"

#include "tools/paint/Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace Paint;

namespace {

QString folder;

void SaveOpaque(const char* name, const QImage& canvas) {
    std::printf("%s\n", qPrintable(SaveInto(Over(canvas, DarkWood), folder, name, "PNG")));
}

// Pictures with soft edges that lie on the panels' wood keep their transparency.
void SaveWithAlpha(const char* name, const QImage& canvas) {
    const QString path = folder + QStringLiteral("/%1.png").arg(name);
    Save(canvas.convertToFormat(QImage::Format_ARGB32), path, "PNG");
    std::printf("%s\n", qPrintable(path));
}

// A window: the wooden frame, the title plate around the title label and, sunk into the
// frame, the field the window's controls lie on.
QImage Window(QSize size, std::uint32_t seed, const QRectF& plate) {
    QImage canvas = Frame(size, seed);
    Plate(canvas, plate, seed + 1);
    return canvas;
}

// A darker bed cut into the frame, under panels that bring their own wood.
void Bed(QImage& canvas, const QRect& area, std::uint32_t seed) {
    QImage wood = Cut(canvas, area);
    WoodGrain(QColor(44, 27, 13), QColor(78, 50, 26), seed).Fill(wood, Paint::DesignRect(wood));
    QPainter painter(&canvas);
    painter.drawImage(area.topLeft(), wood);
    QLinearGradient shade(area.topLeft(), area.topLeft() + QPoint(0, 12));
    shade.setColorAt(0, QColor(15, 8, 3, 150));
    shade.setColorAt(1, QColor(15, 8, 3, 0));
    painter.fillRect(area, shade);
    Bevel(painter, area, true, 2);
    BrassFrame(painter, area.adjusted(-2, -2, 2, 2));
}

void ConfigBack() {
    QImage canvas = Window({320, 250}, 81, QRectF(84, 3, 152, 23));
    Parchment(canvas, QRectF(14, 33, 292, 162), 83);
    Rule(canvas, 30, 290, 156.5);
    PieceEmblem(canvas, QRectF(22, 201, 27, 27));
    {
        QPainter painter(&canvas);
        Screw(painter, QPointF(10, 240), 2.4);
        Screw(painter, QPointF(310, 240), 2.4);
    }
    SaveOpaque("CONFIG_BACK", canvas);
}

void StatistBack() {
    QImage canvas = Window({900, 520}, 85, QRectF(340, 2, 218, 24));
    Bed(canvas, QRect(14, 29, 872, 434), 87);
    Rule(canvas, 212, 408, 480);
    Rule(canvas, 492, 770, 480);
    PieceEmblem(canvas, QRectF(436, 467, 28, 28));
    {
        QPainter painter(&canvas);
        for (const QPointF at :
             {QPointF(16, 14), QPointF(884, 14), QPointF(10, 508), QPointF(890, 508)})
            Nail(painter, at);
    }
    SaveOpaque("STATIST_BACK", canvas);
}

void DeleteBack() {
    QImage canvas = Window({340, 220}, 89, QRectF(100, 3, 140, 22));
    Parchment(canvas, QRectF(12, 28, 316, 134), 91);
    PieceEmblem(canvas, QRectF(8, 194, 20, 20));
    SaveOpaque("STATISTDELETE_BACK", canvas);
}

void PrintBack() {
    QImage canvas = Window({480, 620}, 93, QRectF(160, 3, 160, 22));
    Bed(canvas, QRect(17, 32, 446, 534), 95);
    PieceEmblem(canvas, QRectF(26, 571, 26, 26));
    Engraved(canvas, QStringLiteral("Tessaly"), Times(20, true), QRectF(58, 570, 160, 28),
             Qt::AlignLeft | Qt::AlignVCenter, Highlight);
    SaveOpaque("STATISTPRINT_BACK", canvas);
}

// The dark plate across the top of a list, brass below, light along its upper edge.
void TitleStrip() {
    QImage canvas = Canvas({205, 17});
    QPainterPath face;
    face.addRect(QRectF(0, 0, 205, 16));
    FillWood(canvas, face, DeepShadow, QColor(92, 58, 29), 97);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient brass(0, 15, 0, 17);
    brass.setColorAt(0, QColor(240, 210, 140));
    brass.setColorAt(1, QColor(140, 100, 36));
    painter.fillRect(QRectF(0, 15, 205, 2), brass);
    painter.fillRect(QRectF(0, 0, 205, 1), QColor(168, 119, 63, 150));
    for (const double x : {6.0, 199.0}) {
        QPolygonF diamond;
        diamond << QPointF(x, 4.5) << QPointF(x + 3, 8) << QPointF(x, 11.5) << QPointF(x - 3, 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Brass);
        painter.drawPolygon(diamond);
    }
    SaveOpaque("STATIST_TITLE", canvas);
}

// The column heads lie in a groove cut into the panel's wood.
void HeaderStrip() {
    QImage canvas = Paint::Picture(QSize(190, 15), QImage::Format_RGB32);
    WoodGrain(QColor(50, 31, 15), QColor(88, 56, 28), 99)
        .Fill(canvas, Paint::DesignRect(canvas), 0.7);
    QPainter painter(&canvas);
    QLinearGradient inner(0, 0, 0, 6);
    inner.setColorAt(0, QColor(10, 5, 2, 170));
    inner.setColorAt(1, QColor(10, 5, 2, 0));
    painter.fillRect(Paint::DesignRect(canvas), inner);
    painter.setPen(DeepShadow);
    painter.drawLine(0, 0, 189, 0);
    painter.drawLine(0, 0, 0, 14);
    painter.setPen(QColor(236, 196, 130));
    painter.drawLine(1, 14, 189, 14);
    painter.drawLine(189, 1, 189, 14);
    SaveOpaque("STATIST_HEADER", canvas);
}

// The bar behind the new result: polished gold, with sparkles at both ends.
void WinnerBar() {
    QImage canvas = Canvas({190, 12});
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(0.5, 0.5, 189, 11);
    QLinearGradient gold(0, 0, 0, 12);
    gold.setColorAt(0, QColor(255, 247, 200));
    gold.setColorAt(0.42, QColor(255, 214, 92));
    gold.setColorAt(0.58, QColor(234, 164, 36));
    gold.setColorAt(1, QColor(252, 200, 80));
    painter.setPen(QPen(QColor(150, 90, 14), 1));
    painter.setBrush(gold);
    painter.drawRoundedRect(bar, 5.5, 5.5);
    // A warm glow towards the middle lifts the name off the bar.
    QLinearGradient glow(0, 0, 190, 0);
    glow.setColorAt(0, QColor(255, 120, 40, 70));
    glow.setColorAt(0.25, QColor(255, 255, 255, 0));
    glow.setColorAt(0.75, QColor(255, 255, 255, 0));
    glow.setColorAt(1, QColor(255, 120, 40, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(bar.adjusted(1, 1, -1, -1), 4.5, 4.5);
    painter.setPen(QPen(QColor(255, 255, 240, 200), 1));
    painter.drawLine(QPointF(6, 2), QPointF(184, 2));
    // One sparkle, at the left end: the right end lies under the marked time, which it
    // would hide.
    const QPointF centre(5, 6);
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -4.5));
    star.quadTo(centre, centre + QPointF(4.5, 0));
    star.quadTo(centre, centre + QPointF(0, 4.5));
    star.quadTo(centre, centre + QPointF(-4.5, 0));
    star.quadTo(centre, centre + QPointF(0, -4.5));
    painter.fillPath(star, QColor(255, 255, 255, 240));
    painter.end();
    SaveWithAlpha("STATIST_WINNER", canvas);
}

// The chart's scale: a groove for the bar with a tick every quarter of the way.
void ScaleArt() {
    QImage canvas = Canvas({140, 16});
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect groove(3, 4, 134, 10);
    QLinearGradient fill(0, 4, 0, 14);
    fill.setColorAt(0, QColor(24, 14, 6));
    fill.setColorAt(1, QColor(70, 44, 22));
    painter.fillRect(groove, fill);
    painter.setPen(QColor(236, 196, 130, 220));
    painter.drawLine(3, 14, 136, 14);
    painter.setPen(QColor(20, 10, 4));
    painter.drawLine(3, 3, 136, 3);
    for (int i = 0; i <= 8; ++i) {
        const int x = 4 + 132 * i / 8;
        const bool major = i % 2 == 0;
        painter.setPen(major ? DeepShadow : QColor(74, 46, 23, 170));
        painter.drawLine(x, major ? 0 : 1, x, 2);
        if (major)
            painter.drawLine(x, 15, x, 15);
    }
    painter.end();
    SaveWithAlpha("STATIST_SCALE", canvas);
}

// A chart bar of full length: molten brass with a rounded end, cut to length in the window.
void Bar() {
    QImage canvas = Canvas({132, 8});
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient metal(0, 0, 0, 8);
    metal.setColorAt(0, QColor(255, 236, 160));
    metal.setColorAt(0.45, QColor(236, 178, 60));
    metal.setColorAt(1, QColor(150, 96, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(-4, 0, 136, 8), 3, 3);
    painter.setPen(QPen(QColor(255, 250, 220, 190), 1));
    painter.drawLine(QPointF(0, 1.5), QPointF(129, 1.5));
    painter.end();
    // On the groove's dark floor.
    SaveOpaque("STATIST_BAR", Over(canvas, QColor(40, 24, 11)));
}

} // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "statistgen <output folder>", [](const QString& output) {
        folder = output;
        ConfigBack();
        StatistBack();
        DeleteBack();
        PrintBack();
        TitleStrip();
        HeaderStrip();
        WinnerBar();
        ScaleArt();
        Bar();
        SaveOpaque("STATIST_PODEST", Podium::Paint());
    });
}
