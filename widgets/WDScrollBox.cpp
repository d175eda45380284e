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

void TWDScrollBox::ScrollBy(int dx, int dy) {
    QWidget* content = widget();
    if (!content)
        return;
    for (QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(dx, dy));
}

void TWDScrollBox::paintEvent(QPaintEvent*) {
    const QImage tile = WDSkin::Load(QStringLiteral("WSB_BACK"));
    if (tile.isNull())
        return;
    // The brush is anchored at the viewport's corner, not at the scrolled content.
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QBrush(tile));
}
