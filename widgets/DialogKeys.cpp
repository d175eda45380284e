#include "DialogKeys.h"

#include "WDDialogKeyTarget.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class DialogKeyFilter : public QObject {
public:
    explicit DialogKeyFilter(QWidget* form) : QObject(form), form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != form || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!DialogKeys::IsDialogKey(*key) || !DialogKeys::Offer(form, key->key()))
            return false;
        key->accept();
        return true;
    }

private:
    QWidget* form;
};

} // namespace

namespace DialogKeys {

void Install(QWidget* form) {
    form->installEventFilter(new DialogKeyFilter(form));
}

bool IsDialogKey(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_F10 || (event.modifiers() & Qt::AltModifier);
}

bool Offer(QWidget* form, int key) {
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->window() != form->window())
            continue;
        auto* target = dynamic_cast<TWDDialogKeyTarget*>(child);
        if (target && target->DialogKey(key))
            return true;
    }
    return false;
}

} // namespace DialogKeys
