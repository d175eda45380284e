#include "WindowDrag.h"

#include "platform/WindowMover.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

class DragFilter : public QObject {
public:
    explicit DragFilter(QWidget* picture) : QObject(picture) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        WindowMover::StartMove(static_cast<QWidget*>(watched), mouse->globalPosition());
        return true;
    }
};

} // namespace

namespace WindowDrag {

void Install(QWidget* picture) {
    picture->installEventFilter(new DragFilter(picture));
}

} // namespace WindowDrag
