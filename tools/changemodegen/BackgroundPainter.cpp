#include "BackgroundPainter.h"

#include "tools/paint/Carving.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/WoodGrain.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Where the dialog puts its controls; the artwork frames them.
const QRect titleBand(0, 0, 660, 27);
const QRect body(6, 27, 648, 227);
const QRect titlePlate(266, 3, 128, 23);
const QRect sizeTray(15, 154, 630, 92);

void PaintTitlePlate(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plate = QRectF(titlePlate).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 10, 4, 110));
    painter.drawRoundedRect(plate.translated(1, 1), 5, 5);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, Paint::DeepShadow);
    fill.setColorAt(0.55, Paint::Mix(Paint::DeepShadow, Paint::DarkWood, 0.6));
    fill.setColorAt(1, Paint::DarkWood);
    painter.setBrush(fill);
    painter.setPen(QPen(Paint::Brass, 1.3));
    painter.drawRoundedRect(plate, 5, 5);
    QColor gleam = Paint::Highlight;
    gleam.setAlpha(90);
    painter.setPen(QPen(gleam, 1.0));
    painter.drawLine(QPointF(plate.left() + 5, plate.bottom() - 1.5),
                     QPointF(plate.right() - 5, plate.bottom() - 1.5));
    painter.restore();
}

// Two engraved brass lines lead from the frame's ends to the title plate.
void PaintInlays(QPainter& painter) {
    painter.save();
    const int y = 13;
    const QColor groove = Paint::DeepShadow;
    for (const auto& [from, to] :
         {std::pair{30, titlePlate.left() - 10}, std::pair{titlePlate.right() + 10, 612}}) {
        painter.setPen(groove);
        painter.drawLine(from, y - 1, to, y - 1);
        painter.setPen(Paint::Brass);
        painter.drawLine(from, y, to, y);
        painter.setPen(Paint::Mix(Paint::Brass, Paint::DarkWood, 0.55));
        painter.drawLine(from, y + 1, to, y + 1);
    }
    Paint::Screw(painter, QPointF(18, 13.5), 4.2);
    Paint::Screw(painter, QPointF(titlePlate.left() - 6, 13.5), 2.6);
    Paint::Screw(painter, QPointF(titlePlate.right() + 7, 13.5), 2.6);
    Paint::Screw(painter, QPointF(620, 13.5), 4.2);
    Paint::Screw(painter, QPointF(10, 248), 2.4);
    Paint::Screw(painter, QPointF(650, 248), 2.4);
    painter.restore();
}

void PaintTray(QImage& image, QPainter& painter, const QRect& tray, std::uint32_t seed) {
    Paint::WoodGrain(Paint::DeepShadow, Paint::Mix(Paint::DarkWood, Paint::MidWood, 0.35), seed)
        .Fill(image, tray.adjusted(1, 1, -1, -1));
    // Shadow falling in from the upper edge makes the tray look cut into the body.
    QLinearGradient shade(tray.topLeft(), tray.topLeft() + QPoint(0, 10));
    shade.setColorAt(0, QColor(20, 10, 4, 150));
    shade.setColorAt(1, QColor(20, 10, 4, 0));
    painter.fillRect(tray.adjusted(1, 1, -1, -1), shade);
    Paint::Bevel(painter, tray, true, 2);
}

} // namespace

QImage BackgroundPainter::Paint() const {
    QImage image = Paint::Picture(QSize(Width, Height), QImage::Format_RGB32);
    Paint::WoodGrain(Paint::Mix(Paint::DeepShadow, Paint::DarkWood, 0.5),
                     Paint::Mix(Paint::DarkWood, Paint::MidWood, 0.45), 0x51A7)
        .Fill(image, Paint::DesignRect(image));
    Paint::WoodGrain(Paint::Mix(Paint::DarkWood, Paint::MidWood, 0.55), Paint::LightWood, 0x3C91)
        .Fill(image, body);

    QPainter painter(&image);
    Paint::Bevel(painter, Paint::DesignRect(image), false, 2);
    painter.setPen(Paint::DeepShadow);
    painter.setBrush(Qt::NoBrush);
    // The body lies a step below the frame, edged with brass like the other windows.
    Paint::Bevel(painter, body.adjusted(-2, -2, 2, 2), true, 2);
    Paint::BrassFrame(painter, body.adjusted(-1, -1, 1, 1));

    PaintTray(image, painter, sizeTray, 0x7E21);

    PaintTitlePlate(painter);
    PaintInlays(painter);
    return image;
}
