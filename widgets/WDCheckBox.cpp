#include "WDCheckBox.h"

#include "WDSkin.h"

#include <QMouseEvent>
#include <QPainter>

TWDCheckBox::TWDCheckBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    resize(16, 16);
}

void TWDCheckBox::SetChecked(bool value) {
    if (checked == value)
        return;
    checked = value;
    update();
}

void TWDCheckBox::paintEvent(QPaintEvent*) {
    QString name = checked ? QStringLiteral("WCB_TRUE") : QStringLiteral("WCB_FALSE");
    if (mouseIn)
        name += QStringLiteral("_MOVE");
    const QImage bitmap = WDSkin::Load(name);
    if (bitmap.isNull())
        return;
    if (size() != QSize(16, 16))
        resize(16, 16);
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap);
}

void TWDCheckBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (size() != QSize(16, 16))
        resize(16, 16);
}

void TWDCheckBox::enterEvent(QEnterEvent* event) {
    if (!mouseIn) {
        mouseIn = true;
        update();
    }
    QWidget::enterEvent(event);
}

void TWDCheckBox::leaveEvent(QEvent* event) {
    mouseIn = false;
    update();
    QWidget::leaveEvent(event);
}

void TWDCheckBox::mousePressEvent(QMouseEvent* event) {
    mouseDown = event->button() == Qt::LeftButton;
}

void TWDCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!mouseDown || event->button() != Qt::LeftButton)
        return;
    mouseDown = false;
    if (!rect().contains(event->position().toPoint()))
        return;
    emit OnClick();
    checked = !checked;
    update();
}
