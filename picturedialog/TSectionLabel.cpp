#include "picturedialog/TSectionLabel.h"

#include "widgets/WDSkin.h"
#include "widgets/WDStyle.h"

#include <QPainter>

TSectionLabel::TSectionLabel(const QString& text, QWidget* parent, const QFont& font)
    : QLabel(text, parent) {
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, WDSkin::TextLight);
    setPalette(colours);
}

QRect TSectionLabel::PlateRect() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return QRect(0, 0, std::min(width(), textWidth + 2 * Padding), height());
}

void TSectionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plate = PlateRect();
    TWDStyle::DrawPlate(&painter, plate);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(plate.adjusted(Padding, 0, -Padding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text());
}
