#include "picturedialog/TShapeFrame.h"

#include <QPainter>

TShapeFrame::TShapeFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TShapeFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int inset = 0; inset < PenWidth; ++inset) {
        const QRect ring = rect().adjusted(inset, inset, -inset, -inset);
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), PenColour);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), PenColour);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), PenColour);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), PenColour);
    }
}
