#include "WDSkinButton.h"

#include <QMouseEvent>

TWDSkinButton::TWDSkinButton(QWidget* parent, QSize size) : QWidget(parent) {
    // Window-less look: never takes the focus and lets the parent show through the
    // transparent pixels of its bitmaps.
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(size);
}

void TWDSkinButton::SetEnabled(bool value) {
    if (enabled == value)
        return;
    enabled = value;
    update();
}

void TWDSkinButton::Click() {
    if (enabled)
        emit OnClick();
}

bool TWDSkinButton::ClickOnEnterOrEscape(int key, bool isDefault, bool isCancel) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter && isDefault) || (key == Qt::Key_Escape && isCancel)) {
        Click();
        return true;
    }
    return false;
}

void TWDSkinButton::ForceSize() {
    if (size() != ForcedSize())
        resize(ForcedSize());
}

QString TWDSkinButton::StateName(bool downed) const {
    if (!enabled)
        return QStringLiteral("DISABLE");
    if (downed || (mouseDown && mouseIn))
        return QStringLiteral("DOWN");
    if (mouseIn && !mouseDown)
        return QStringLiteral("MOVE");
    return QStringLiteral("NORM");
}

void TWDSkinButton::SetMouseIn(bool value) {
    if (mouseIn == value)
        return;
    mouseIn = value;
    update();
}

void TWDSkinButton::enterEvent(QEnterEvent* event) {
    SetMouseIn(true);
    QWidget::enterEvent(event);
}

void TWDSkinButton::leaveEvent(QEvent* event) {
    SetMouseIn(false);
    QWidget::leaveEvent(event);
}

void TWDSkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    mouseDown = true;
    mouseIn = rect().contains(event->position().toPoint());
    update();
}

void TWDSkinButton::mouseMoveEvent(QMouseEvent* event) {
    // While the button is held the press grabbed the mouse; follow the pointer in and out.
    if (mouseDown)
        SetMouseIn(rect().contains(event->position().toPoint()));
}

void TWDSkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouseDown)
        return;
    mouseDown = false;
    const bool inside = rect().contains(event->position().toPoint());
    mouseIn = inside;
    update();
    if (inside)
        Click();
}

void TWDSkinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ForceSize();
}
