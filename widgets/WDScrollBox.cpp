#include "WDScrollBox.h"

#include "WDSkin.h"

#include <QPainter>

TWDScrollBox::TWDScrollBox(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
}

void TWDScrollBox::setWidget(QWidget* content) {
    QScrollArea::setWidget(content);
    content->setAutoFillBackground(false);
}

void TWDScrollBox::paintEvent(QPaintEvent*) {
    const QImage tile = WDSkin::Load(QStringLiteral("WSB_BACK"));
    if (tile.isNull())
        return;
    // The brush is anchored at the viewport's corner, not at the scrolled content.
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QBrush(tile));
}
