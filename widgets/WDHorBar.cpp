#include "WDHorBar.h"

#include "HorBarLayout.h"
#include "WDSkin.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

namespace {

const int arrowWidth = HorBarLayout::ArrowWidth;
const int barHeight = 16;
const int thumbWidth = HorBarLayout::ThumbWidth;
const int notch = 120;

QString ArrowBitmap(bool left, TWDHorBar::TArrowState state) {
    static const char* const names[] = {"NORM", "MOVE", "DOWN", "DISABLE"};
    return QStringLiteral("WHB_%1POINT%2")
        .arg(left ? 'L' : 'R')
        .arg(QLatin1String(names[static_cast<int>(state)]));
}

} // namespace

TWDHorBar::TWDHorBar(QWidget* parent) : QWidget(parent), repeat(new QTimer(this)) {
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    repeat->setInterval(track);
    connect(repeat, &QTimer::timeout, this, &TWDHorBar::RepeatTick);
    resize(barWidth, barHeight);
}

void TWDHorBar::SetBarWidth(int value) {
    if (value == barWidth)
        return;
    barWidth = std::max(value, 52);
    ForceSize();
    update();
}

void TWDHorBar::SetMin(int value) {
    if (value == min || value >= max)
        return;
    min = value;
    if (position < min)
        position = min;
    update();
}

void TWDHorBar::SetMax(int value) {
    if (value == max || value <= min)
        return;
    max = value;
    if (position > max)
        position = max;
    update();
}

void TWDHorBar::SetPosition(int value) {
    position = std::clamp(value, min, max);
    update();
    emit OnChange();
}

void TWDHorBar::SetTrack(int value) {
    if (value == track)
        return;
    track = std::max(value, 1);
    repeat->setInterval(track);
}

// The picture chooser scrolls its strip by Step in OnChange, so a jump lends Step the
// distance jumped while it runs.
void TWDHorBar::JumpToStart() {
    const int kept = step;
    step = position - min;
    SetPosition(position - step);
    step = kept;
}

void TWDHorBar::JumpToEnd() {
    const int kept = step;
    step = max - position;
    SetPosition(position + step);
    step = kept;
}

// The first repeat waits RepeatDelay, the following ones Track.
void TWDHorBar::StartRepeating() {
    repeat->setInterval(RepeatDelay);
    repeat->start();
}

void TWDHorBar::RepeatTick() {
    repeat->setInterval(track);
    if (holding == Holding::Track)
        PageTowardPress();
    else
        StepArrows();
}

void TWDHorBar::StepArrows() {
    if (downX > 0 && downX < arrowWidth && position > min) {
        if (leftState != TArrowState::Down)
            DrawArrow(true, TArrowState::Down);
        SetPosition(std::max(min, position - step));
    }
    if (downX > width() - arrowWidth && downX < width() && position < max) {
        if (rightState != TArrowState::Down)
            DrawArrow(false, TArrowState::Down);
        SetPosition(std::min(max, position + step));
    }
}

// A page toward the point pressed, until the thumb has arrived under it.
void TWDHorBar::PageTowardPress() {
    const HorBarLayout layout(width(), min, max, position);
    const int page = layout.Page(step);
    switch (layout.PartAt(downX)) {
    case HorBarLayout::Part::TrackBefore:
        SetPosition(std::max(min, position - page));
        break;
    case HorBarLayout::Part::TrackAfter:
        SetPosition(std::min(max, position + page));
        break;
    default:
        break;
    }
}

void TWDHorBar::BeginDrag(int x) {
    holding = Holding::Thumb;
    thumbGrip = x - HorBarLayout(width(), min, max, position).ThumbLeft();
}

void TWDHorBar::SetFocusLook(bool value) {
    if (focusLook == value)
        return;
    focusLook = value;
    update();
}

void TWDHorBar::DrawArrow(bool left, TArrowState requested) {
    const bool atEnd = left ? position == min : position == max;
    (left ? leftState : rightState) = atEnd ? TArrowState::Disable : requested;
    update(left ? QRect(0, 0, arrowWidth, barHeight)
                : QRect(width() - arrowWidth, 0, arrowWidth, barHeight));
}

// The remembered look, except that an arrow is disabled exactly while the bar stands at
// its end: a key or OnChange handler may have moved the bar since the look was chosen.
TWDHorBar::TArrowState TWDHorBar::ShownState(bool left) const {
    const bool atEnd = left ? position == min : position == max;
    const TArrowState remembered = left ? leftState : rightState;
    if (atEnd)
        return TArrowState::Disable;
    return remembered == TArrowState::Disable ? TArrowState::Norm : remembered;
}

void TWDHorBar::ForceSize() {
    if (size() != QSize(barWidth, barHeight))
        resize(barWidth, barHeight);
}

void TWDHorBar::paintEvent(QPaintEvent*) {
    ForceSize();
    QPainter painter(this);
    const int w = width();
    WDSkin::DrawOpaque(painter, QRect(arrowWidth, 0, w - 2 * arrowWidth, barHeight),
                       QStringLiteral("WHB_BAR"));
    const int thumbLeft = HorBarLayout(barWidth, min, max, position).ThumbLeft();
    WDSkin::DrawKeyed(painter, QRect(thumbLeft, 2, thumbWidth, 12),
                      focusLook ? QStringLiteral("WHB_FOCUS") : QStringLiteral("WHB_POS"));
    WDSkin::DrawOpaque(painter, QRect(0, 0, arrowWidth, barHeight),
                       ArrowBitmap(true, ShownState(true)));
    WDSkin::DrawOpaque(painter, QRect(w - arrowWidth, 0, arrowWidth, barHeight),
                       ArrowBitmap(false, ShownState(false)));
}

void TWDHorBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != barWidth)
        SetBarWidth(width());
    ForceSize();
}

// An arrow steps at once and repeats while held; a press just inside an arrow jumps to
// that end, where the thumb then lies under the pointer and can be dragged on; the thumb is
// dragged; the track pages toward the pointer, repeating while held.
void TWDHorBar::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    SetFocusLook(true);
    pressed = true;
    clickArmed = true;
    downX = x;
    holding = Holding::Nothing;
    switch (HorBarLayout(width(), min, max, position).PartAt(x)) {
    case HorBarLayout::Part::JumpToStart:
        JumpToStart();
        BeginDrag(x);
        break;
    case HorBarLayout::Part::JumpToEnd:
        JumpToEnd();
        BeginDrag(x);
        break;
    case HorBarLayout::Part::Thumb:
        BeginDrag(x);
        break;
    case HorBarLayout::Part::LeftArrow:
    case HorBarLayout::Part::RightArrow:
        holding = Holding::Arrow;
        StepArrows();
        StartRepeating();
        break;
    case HorBarLayout::Part::TrackBefore:
    case HorBarLayout::Part::TrackAfter:
        holding = Holding::Track;
        PageTowardPress();
        StartRepeating();
        break;
    case HorBarLayout::Part::None:
        break;
    }
}

void TWDHorBar::mouseReleaseEvent(QMouseEvent* event) {
    repeat->stop();
    holding = Holding::Nothing;
    if (position == min) {
        if (leftState != TArrowState::Disable)
            DrawArrow(true, TArrowState::Disable);
    } else if (position == max) {
        if (rightState != TArrowState::Disable)
            DrawArrow(false, TArrowState::Disable);
    } else {
        pressed = false;
        if (leftState != TArrowState::Move)
            DrawArrow(true, TArrowState::Move);
        if (rightState != TArrowState::Move)
            DrawArrow(false, TArrowState::Move);
    }
    if (clickArmed && rect().contains(event->position().toPoint())) {
        clickArmed = false;
        setFocus(Qt::MouseFocusReason);
        emit OnClick();
    }
    clickArmed = false;
}

void TWDHorBar::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (holding == Holding::Thumb) {
        const int dragged =
            HorBarLayout(width(), min, max, position).PositionForThumbLeft(x - thumbGrip);
        if (dragged != position)
            SetPosition(dragged);
    }
    if (position == min) {
        if (leftState != TArrowState::Disable)
            DrawArrow(true, TArrowState::Disable);
    } else if (position == max) {
        if (rightState != TArrowState::Disable)
            DrawArrow(false, TArrowState::Disable);
    } else if (!pressed) {
        const TArrowState left = x > 0 && x < arrowWidth ? TArrowState::Move : TArrowState::Norm;
        const TArrowState right =
            x > width() - arrowWidth && x < width() ? TArrowState::Move : TArrowState::Norm;
        if (leftState != left)
            DrawArrow(true, left);
        if (rightState != right)
            DrawArrow(false, right);
    }
}

void TWDHorBar::leaveEvent(QEvent* event) {
    DrawArrow(true, TArrowState::Norm);
    DrawArrow(false, TArrowState::Norm);
    QWidget::leaveEvent(event);
}

void TWDHorBar::focusInEvent(QFocusEvent* event) {
    SetFocusLook(true);
    QWidget::focusInEvent(event);
}

void TWDHorBar::focusOutEvent(QFocusEvent* event) {
    SetFocusLook(false);
    QWidget::focusOutEvent(event);
}

void TWDHorBar::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!keyScroll) {
        // Without key scrolling the arrow keys walk through the form's controls.
        focusNextPrevChild(key == Qt::Key_Right || key == Qt::Key_Down);
        return;
    }
    if (key == Qt::Key_Left)
        SetPosition(std::max(min, position - step));
    else if (key == Qt::Key_Right)
        SetPosition(std::min(max, position + step));
    else if (key == Qt::Key_Up)
        JumpToStart();
    else
        JumpToEnd();
}

void TWDHorBar::wheelEvent(QWheelEvent* event) {
    if (!wheelScroll || !rect().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->accept();
    wheelRest += event->angleDelta().y();
    const bool held = event->modifiers() != Qt::NoModifier || event->buttons() != Qt::NoButton;
    while (std::abs(wheelRest) >= notch) {
        const int sign = wheelRest < 0 ? -1 : 1;
        wheelRest = sign * (std::abs(wheelRest) - notch);
        if (held) {
            event->ignore();
            continue;
        }
        if (sign < 0)
            SetPosition(std::max(min, position - step));
        else
            SetPosition(std::min(max, position + step));
    }
}
