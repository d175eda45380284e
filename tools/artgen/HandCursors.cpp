#include "tools/artgen/HandCursors.h"

#include "tools/paint/Pixels.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include <vector>

namespace {

QPainterPath Capsule(QPointF from, QPointF to, double width) {
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line).simplified();
}

} // namespace

QImage HandCursors::OpenHand() {
    return Draw(false);
}

QImage HandCursors::GraspingHand() {
    return Draw(true);
}

QImage HandCursors::Draw(bool grasping) {
    // The hand is drawn upright around the origin and then tilted so that the finger
    // tips point to the top-left corner, where the hot spot is.
    std::vector<QPainterPath> parts; // back to front
    QPainterPath palm;
    if (!grasping) {
        parts.push_back(Capsule({-8.5, 7}, {-14.5, -1}, 4.6));   // thumb
        parts.push_back(Capsule({7.0, 2}, {8.0, -10}, 4.2));     // little finger
        parts.push_back(Capsule({3.0, 0}, {3.6, -15.5}, 4.6));   // ring finger
        parts.push_back(Capsule({-1.6, 0}, {-1.6, -17.5}, 4.8)); // middle finger
        parts.push_back(Capsule({-6.2, 0}, {-6.9, -15.5}, 4.6)); // index finger
        palm.addRoundedRect(QRectF(-9, -3, 18.5, 17), 6, 6);
    } else {
        // A fist seen from the back: four curled fingers as knuckles over the palm.
        palm.addRoundedRect(QRectF(-9, -4, 18.5, 17), 6, 6);
        parts.push_back(Capsule({-6.3, -4.5}, {-6.3, -2}, 5.0));
        parts.push_back(Capsule({-1.7, -5.5}, {-1.7, -2}, 5.0));
        parts.push_back(Capsule({2.9, -5.0}, {2.9, -2}, 5.0));
        parts.push_back(Capsule({7.2, -3.5}, {7.2, -1}, 4.4));
    }
    parts.insert(parts.begin() + (grasping ? 0 : 1), palm);
    if (grasping)
        parts.push_back(Capsule({-10, 7}, {-3.5, 3.5}, 4.6)); // thumb folded over the fist
    else
        parts.push_back(palm); // the palm again in front, hiding the finger roots

    QTransform tilt;
    tilt.rotate(-38);
    QRectF bounds;
    for (auto& part : parts) {
        part = tilt.map(part);
        bounds = bounds.united(part.boundingRect());
    }
    const QPointF shift = QPointF(1.2, 1.2) - bounds.topLeft();

    QImage image = Paint::Canvas(QSize(32, 32));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(shift);
    const QColor outline(28, 16, 6);
    QLinearGradient skin(bounds.topLeft(), bounds.bottomRight());
    skin.setColorAt(0, QColor(255, 250, 236));
    skin.setColorAt(1, QColor(236, 214, 170));
    painter.setBrush(skin);
    painter.setPen(QPen(outline, 1.3));
    const size_t outlined = grasping ? parts.size() : parts.size() - 1;
    for (size_t i = 0; i < outlined; ++i)
        painter.drawPath(parts[i]);
    if (!grasping) {
        // The palm once more over the finger roots, so the fingers grow out of it; only
        // its lower part, so the gaps between the fingers stay visible.
        QPainterPath lower;
        lower.addRect(QRectF(-20, 1.0, 40, 30));
        painter.setClipPath(tilt.map(lower));
        painter.drawPath(parts.back());
        painter.setClipping(false);
    }
    return image;
}
