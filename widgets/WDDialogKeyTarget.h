#pragma once
// A control that wants to see the dialog keys (Enter, Escape, Alt+key, F10) its form
// offers to its controls before normal key handling; see DialogKeys.

class TWDDialogKeyTarget {
public:
    // `key` is a Qt::Key. Returns true when the control handled the key, which ends the
    // offer; false lets the other controls and the form see it.
    virtual bool DialogKey(int key) = 0;

protected:
    ~TWDDialogKeyTarget() = default;
};
