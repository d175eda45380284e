#include "TImage.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& image) {
    picture = image;
    update();
}

void TImage::ClearPicture() {
    picture = QImage();
    update();
}

void TImage::SetStretch(bool value) {
    stretch = value;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture);
    } else {
        painter.drawImage(0, 0, picture);
    }
}

void TImage::mousePressEvent(QMouseEvent* event) {
    if (isSignalConnected(QMetaMethod::fromSignal(&TImage::MouseDown))) {
        emit MouseDown(event);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
