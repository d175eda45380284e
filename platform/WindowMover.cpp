#include "WindowMover.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Follows the pointer while the button that started the move is held; the press gave
// `source` the implicit mouse grab, so its move and release events arrive here.
class PointerFollower : public QObject {
public:
    PointerFollower(QWidget* source, const QPointF& globalPress)
        : QObject(source), source(source), window(source->window()),
          startPointer(globalPress.toPoint()), startWindow(source->window()->pos()) {
        source->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && window) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            window->move(startWindow + mouse->globalPosition().toPoint() - startPointer);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            deleteLater();
            source->removeEventFilter(this);
            return true;
        }
        return false;
    }

private:
    QWidget* source;
    QPointer<QWidget> window;
    QPoint startPointer;
    QPoint startWindow;
};

} // namespace

namespace WindowMover {

void StartMove(QWidget* source, const QPointF& globalPress) {
    QWindow* handle = source->window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new PointerFollower(source, globalPress);
}

} // namespace WindowMover
