#include "TPuzzleCrap.h"

#include "PictureTools.h"
#include "platform/ArtResources.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

const QCursor& OpenHand() {
    static const QCursor cursor = ArtResources::LoadCursor(QStringLiteral("CUR_101"));
    return cursor;
}

const QCursor& GraspingHand() {
    static const QCursor cursor = ArtResources::LoadCursor(QStringLiteral("CUR_102"));
    return cursor;
}

} // namespace

TPuzzleCrap::TPuzzleCrap(QWidget* parent) : QWidget(parent) {
    resize(15, 15);
    setCursor(OpenHand());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPuzzleCrap::SetImageIdle(const QImage& image) {
    imageIdle = image;
    if (firstPaint && isVisible())
        BuildShadows();
    else if (!imageIdle.isNull())
        resize(imageIdle.deviceIndependentSize().toSize());
    update();
}

void TPuzzleCrap::RestorePlain() {
    SetImageIdle(imagePlain);
}

// The first time the piece is shown with a picture it builds its two shadow pictures and
// moves 2 pixels right and down, so that it stands where its resting shadow belongs.
void TPuzzleCrap::BuildShadows() {
    if (!firstPaint || imageIdle.isNull())
        return;
    imagePlain = imageIdle;
    imageResting = PictureTools::WithShadow(imagePlain, 1);
    imageRaised = PictureTools::WithShadow(imagePlain, 2);
    firstPaint = false;
    imageIdle = imageResting;
    move(pos() + QPoint(2, 2));
    resize(imageIdle.deviceIndependentSize().toSize());
    update();
}

void TPuzzleCrap::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    BuildShadows();
}

void TPuzzleCrap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (imageIdle.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    if (size() != imageIdle.size())
        resize(imageIdle.deviceIndependentSize().toSize());
    painter.drawImage(0, 0, imageIdle);
}

void TPuzzleCrap::Lift() {
    if (pressed)
        return;
    move(pos() - QPoint(2, 2));
    imageIdle = imageRaised.isNull() ? imageIdle : imageRaised;
    resize(imageIdle.deviceIndependentSize().toSize());
    update();
    pressed = true;
    setCursor(GraspingHand());
}

void TPuzzleCrap::Lower() {
    if (!pressed)
        return;
    move(pos() + QPoint(2, 2));
    imageIdle = imageResting.isNull() ? imageIdle : imageResting;
    resize(imageIdle.deviceIndependentSize().toSize());
    update();
    pressed = false;
    setCursor(OpenHand());
}

void TPuzzleCrap::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // Every button but the right one takes hold of a piece; a card turns with any button.
    if (draggable && event->button() == Qt::RightButton)
        return;
    if (dragging)
        return;
    const QPoint position = event->position().toPoint();
    Lift();
    // The game's handlers may end the game, which frees its pieces: nothing of this one may
    // be touched after them unless it still exists.
    const QPointer<TPuzzleCrap> self(this);
    emit OnMouseDown(this, event->button(), event->modifiers(), position);
    if (!self)
        return;
    if (isHidden() && !awaitingRelease) {
        awaitingRelease = true;
        pressPosition = position;
        grabButton = event->button();
        qApp->installEventFilter(this);
        return;
    }
    if (draggable && pressed) {
        // The piece follows the pointer, keeping the point where it was taken under the
        // pointer; the position is taken after lifting so that a press and release without
        // movement leaves the piece where it was.
        dragging = true;
        grabOffset = mapFromGlobal(event->globalPosition().toPoint());
        pressPosition = position;
        grabButton = event->button();
        grabShift = event->modifiers();
    }
}

void TPuzzleCrap::mouseMoveEvent(QMouseEvent* event) {
    if (dragging && parentWidget()) {
        const QPoint pointer = parentWidget()->mapFromGlobal(event->globalPosition().toPoint());
        move(pointer - grabOffset);
    }
    emit OnMouseMove(this, event->modifiers(), event->position().toPoint());
}

void TPuzzleCrap::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (dragging) {
        if (event->button() != grabButton)
            return;
        dragging = false;
        // As after a move by the window system: the release is answered with the button,
        // modifiers and point of the press.
        MouseUp(grabButton, grabShift, pressPosition);
        return;
    }
    if (draggable && event->button() == Qt::RightButton)
        return;
    MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

bool TPuzzleCrap::eventFilter(QObject* watched, QEvent* event) {
    // The window system delivers that release to the top-level window, which finds no
    // widget to pass it on to, so it is taken wherever it shows up first. Only the release
    // of the button that turned the card counts: other buttons may go down and up meanwhile.
    if (awaitingRelease && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == grabButton) {
        awaitingRelease = false;
        qApp->removeEventFilter(this);
        // A release sent to the card itself takes the ordinary way.
        if (watched != this) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointer<TPuzzleCrap> self(this);
            MouseUp(grabButton, mouse->modifiers(), pressPosition);
            if (!self)
                return false; // a new game freed the card while its pair was counted
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPuzzleCrap::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position) {
    Lower();
    emit OnMouseUp(this, button, shift, position);
}
