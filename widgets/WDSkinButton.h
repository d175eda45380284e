#pragma once
// The state model and click rule shared by the skinned buttons: mouse-in and pressed
// state, an enabled flag of the button's own, and a click only for press and release
// inside the button. Subclasses choose and draw their bitmaps.

#include "WDDialogKeyTarget.h"

#include <QWidget>

class TWDSkinButton : public QWidget, public TWDDialogKeyTarget {
    Q_OBJECT

public:
    // The button's own enabled flag; separate from QWidget::isEnabled, so a disabled
    // button still follows the mouse but draws its disabled look and never clicks.
    bool Enabled() const { return enabled; }
    void SetEnabled(bool value);
    bool Disabled() const { return !enabled; }

    // Raises OnClick, but only while the button is Enabled.
    void Click();

signals:
    void OnClick();

protected:
    TWDSkinButton(QWidget* parent, QSize size);

    // The size the button always has; re-applied whenever something else is set.
    virtual QSize ForcedSize() const = 0;
    void ForceSize();

    // "DISABLE", "DOWN", "MOVE" or "NORM" for the bitmap names, by the shared rule;
    // `downed` is the owner's pressed latch where the button has one.
    QString StateName(bool downed) const;

    // The dialog-key rule of the push buttons: Enter clicks a default button, Escape a
    // cancel button, and either is then handled (even when the click is refused).
    bool ClickOnEnterOrEscape(int key, bool isDefault, bool isCancel);

    bool IsMouseIn() const { return mouseIn; }
    bool IsMouseDown() const { return mouseDown; }

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetMouseIn(bool value);

    bool enabled = true;
    bool mouseIn = false;
    bool mouseDown = false;
};
