#include "picturedialog/TThumbImage.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

TThumbImage::TThumbImage(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(0, 0);
}

void TThumbImage::SetPicture(const QImage& value) {
    picture = value;
    resize(picture.deviceIndependentSize().toSize());
    update();
}

void TThumbImage::ClearPicture() {
    SetPicture(QImage());
}

void TThumbImage::paintEvent(QPaintEvent*) {
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TThumbImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed = true;
    event->accept();
}

void TThumbImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed = false;
    event->accept();
    if (click)
        emit OnClick(this);
}

void TThumbImage::enterEvent(QEnterEvent*) {
    emit OnEnter(this);
}

void TThumbImage::leaveEvent(QEvent*) {
    emit OnLeave(this);
}

void TThumbImage::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit OnPopup(this, event->globalPos());
}
