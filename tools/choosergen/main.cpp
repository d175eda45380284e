// choosergen: paints the picture chooser's artwork. The background (720 x 640) is cut and
// lit around the places of the window's panels; the column titles (121, 80 and 142 x 17)
// stand above the file list's columns; the frame (145 x 110) holds the preview; the four
// menu icons (16 x 16, keyed) go with the popup menus of the file list and the favorites.

#include "tools/paint/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

using namespace Paint;

namespace {

// Where the chooser puts its panels and title; the artwork frames them.
const QRect panels[] = {{26, 32, 297, 261},
                        {330, 32, 361, 117},
                        {330, 156, 361, 137},
                        {26, 298, 665, 156},
                        {26, 460, 665, 156}};
const QRectF titlePlate(262, 3, 196, 23);
const QRect body(14, 26, 692, 602);

void Report(const QString& path) {
    std::printf("%s\n", qPrintable(path));
}

// A groove cut around a panel: the panel seems set into the body.
void Recess(QPainter& painter, const QRect& panel) {
    const QRect cut = panel.adjusted(-2, -2, 1, 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(20, 10, 4, 170));
    painter.drawRect(cut);
    painter.setPen(QColor(221, 167, 106, 70));
    painter.drawLine(cut.bottomLeft() + QPoint(1, 1), cut.bottomRight() + QPoint(1, 1));
    painter.drawLine(cut.topRight() + QPoint(1, 1), cut.bottomRight() + QPoint(1, 1));
    painter.restore();
    DropShadow(painter, QRectF(panel), 1.5, 2.5);
}

// Brass lines from the frame's ends to the title plate, held by screws.
void TitleInlays(QPainter& painter) {
    painter.save();
    const int y = 13;
    for (const auto& [from, to] : {std::pair{30, int(titlePlate.left()) - 12},
                                   std::pair{int(titlePlate.right()) + 12, 676}}) {
        painter.setPen(DeepShadow);
        painter.drawLine(from, y - 1, to, y - 1);
        painter.setPen(Brass);
        painter.drawLine(from, y, to, y);
        painter.setPen(Mix(Brass, DarkWood, 0.55));
        painter.drawLine(from, y + 1, to, y + 1);
    }
    Screw(painter, QPointF(18, 13.5), 4.2);
    Screw(painter, QPointF(titlePlate.left() - 6, 13.5), 2.6);
    Screw(painter, QPointF(titlePlate.right() + 6, 13.5), 2.6);
    Screw(painter, QPointF(684, 13.5), 3.4);
    painter.restore();
}

QImage Background() {
    QImage canvas = Frame({720, 640}, 61);
    {
        // The body is a darker board set into the frame; the panels sit in it.
        WoodGrain(Mix(DeepShadow, DarkWood, 0.35), Mix(DarkWood, MidWood, 0.3), 67)
            .Fill(canvas, body.adjusted(1, 1, -1, -1));
        QPainter painter(&canvas);
        QLinearGradient shade(body.topLeft(), body.topLeft() + QPoint(0, 12));
        shade.setColorAt(0, QColor(20, 10, 4, 150));
        shade.setColorAt(1, QColor(20, 10, 4, 0));
        painter.fillRect(body.adjusted(1, 1, -1, -1), shade);
        Bevel(painter, body, true, 2);
        BrassFrame(painter, body.adjusted(3, 3, -3, -3));
        for (const QRect& panel : panels)
            Recess(painter, panel);
        TitleInlays(painter);
        // Screws hold the board in its four corners, in the margin outside the brass line.
        for (const QPointF& corner : {QPointF(9, 633), QPointF(711, 633)})
            Screw(painter, corner, 2.6);
    }
    Plate(canvas, titlePlate, 71);
    return Over(canvas, DarkWood);
}

// A column title: a strip of wood like a table's header, lit at the top, with the title
// engraved in light letters; `right` aligns it to the right as the sizes are.
QImage ColumnTitle(int width, const QString& title, bool right, std::uint32_t seed) {
    QImage canvas = Canvas({width, 17});
    QPainterPath strip;
    strip.addRect(QRectF(0, 0, width, 17));
    FillWood(canvas, strip, Mix(DeepShadow, DarkWood, 0.4), MidWood, seed);
    QPainter painter(&canvas);
    painter.setPen(QColor(221, 167, 106, 150));
    painter.drawLine(0, 0, width - 1, 0);
    painter.setPen(DeepShadow);
    painter.drawLine(0, 16, width - 1, 16);
    painter.drawLine(width - 1, 0, width - 1, 16);
    painter.setPen(QColor(221, 167, 106, 90));
    painter.drawLine(0, 1, 0, 15);
    painter.end();
    const QRectF text = right ? QRectF(2, 0, width - 8, 17) : QRectF(5, 0, width - 8, 17);
    Engraved(canvas, title, Times(12, true), text,
             (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, TextLight);
    return Over(canvas, DarkWood);
}

// The frame of the preview: a dark wooden border with a brass line, around a light field
// that shows where no picture covers it.
QImage PreviewFrame() {
    QImage canvas = Canvas({145, 110});
    QPainterPath border;
    border.addRect(QRectF(0, 0, 145, 110));
    FillWood(canvas, border, DeepShadow, Mix(DarkWood, MidWood, 0.5), 73);
    QPainter painter(&canvas);
    Bevel(painter, QRect(0, 0, 145, 110), false, 1);
    const QRect field(3, 2, 140, 105);
    painter.fillRect(field, QColor(0xFA, 0xF4, 0xE2));
    QLinearGradient top(field.topLeft(), field.topLeft() + QPoint(0, 6));
    top.setColorAt(0, QColor(42, 25, 12, 90));
    top.setColorAt(1, QColor(42, 25, 12, 0));
    painter.fillRect(field, top);
    painter.setPen(Brass);
    painter.drawRect(field.adjusted(-1, -1, 0, 0));
    painter.end();
    return Over(canvas, DarkWood);
}

// The menu icons, drawn on a transparent canvas and keyed for the skin loader.
QImage Icon(const std::function<void(QPainter&)>& draw) {
    QImage canvas = Canvas({16, 16});
    QPainter painter(&canvas);
    Smooth(painter);
    draw(painter);
    painter.end();
    return Keyed(canvas);
}

void DrawPiece(QPainter& painter) {
    const QPainterPath piece = PuzzlePiece(QRectF(1.5, 1.5, 13, 13));
    QLinearGradient brass(0, 1, 0, 15);
    brass.setColorAt(0, QColor(236, 205, 130));
    brass.setColorAt(1, QColor(150, 110, 40));
    painter.fillPath(piece, brass);
    painter.setPen(QPen(DeepShadow, 1));
    painter.drawPath(piece);
}

void DrawStar(QPainter& painter) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? 3.0 : 7.2;
        star << QPointF(8 + radius * std::cos(angle), 8.4 + radius * std::sin(angle));
    }
    QLinearGradient gold(0, 1, 0, 15);
    gold.setColorAt(0, QColor(255, 224, 120));
    gold.setColorAt(1, QColor(200, 130, 20));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(110, 60, 10), 1));
    painter.drawPolygon(star);
}

void DrawCross(QPainter& painter, QPointF centre, double size) {
    QPainterPath cross;
    cross.moveTo(centre + QPointF(-size, -size));
    cross.lineTo(centre + QPointF(size, size));
    cross.moveTo(centre + QPointF(size, -size));
    cross.lineTo(centre + QPointF(-size, size));
    painter.setPen(QPen(QColor(70, 12, 8), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(QColor(205, 52, 36), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
}

void Icons(const QString& folder) {
    Report(SaveInto(Icon(DrawPiece), folder, QStringLiteral("OD_OPEN"), "BMP"));
    Report(SaveInto(Icon(DrawStar), folder, QStringLiteral("OD_FAVORITE"), "BMP"));
    Report(SaveInto(Icon([](QPainter& p) { DrawCross(p, QPointF(8, 8), 4.5); }), folder,
                    QStringLiteral("OD_REMOVE"), "BMP"));
    Report(SaveInto(Icon([](QPainter& p) {
                        DrawCross(p, QPointF(5.5, 5.5), 3.2);
                        DrawCross(p, QPointF(10.5, 10.5), 3.2);
                    }),
                    folder, QStringLiteral("OD_REMOVEALL"), "BMP"));
}

} // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "choosergen <resources folder>", [](const QString& folder) {
        const QString art = folder + QStringLiteral("/art");
        Report(SaveInto(Background(), art, QStringLiteral("OPENDIALOG_BACK"), "PNG"));
        Report(SaveInto(ColumnTitle(121, QStringLiteral("Name"), false, 79), art,
                        QStringLiteral("OPENDIALOG_HEAD_NAME"), "PNG"));
        Report(SaveInto(ColumnTitle(80, QStringLiteral("Größe"), true, 83), art,
                        QStringLiteral("OPENDIALOG_HEAD_SIZE"), "PNG"));
        Report(SaveInto(ColumnTitle(142, QStringLiteral("Letzte Änderung"), false, 89), art,
                        QStringLiteral("OPENDIALOG_HEAD_DATE"), "PNG"));
        Report(SaveInto(PreviewFrame(), art, QStringLiteral("OPENDIALOG_FRAME"), "PNG"));
        Icons(folder + QStringLiteral("/skin"));
    });
}
