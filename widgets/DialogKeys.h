#pragma once
// Dialog keys: a form offers Enter and Escape (when the focused control leaves them
// alone) and every key pressed with Alt, and F10, to its skinned controls, children of
// children included, in creation order, until one reports the key handled. That is how
// Default/Cancel buttons react to Enter/Escape and tool bar buttons to their hot keys.
//
// A window opts in with one call after creating its controls:
//     DialogKeys::Install(this);

class QKeyEvent;
class QWidget;

namespace DialogKeys {

// Watches the key presses that reach `form` (directly or passed on by a child) and
// offers the dialog keys among them. A handled key goes no further.
void Install(QWidget* form);

// True for the keys a form offers: Enter, Escape, anything with Alt, F10.
bool IsDialogKey(const QKeyEvent& event);

// Offers `key` (a Qt::Key) to every TWDDialogKeyTarget inside `form` (not to those of
// other windows parented to it); true when one handled it.
bool Offer(QWidget* form, int key);

} // namespace DialogKeys
