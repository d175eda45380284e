#pragma once
// Answers modal windows that a test's next call is going to open.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace ModalDriver {

// Waits (in the event loop) for the next modal window and hands it to `answer`, which must
// close it, e.g. with a key press. Gives up silently after half a minute, long enough for
// a whole game played through tips on a busy machine.
void AnswerNext(std::function<void(QWidget*)> answer);

// Presses a key on the next modal window.
void PressKeyOnNext(int key);

// All texts of the labels of a window, for checking what a box said.
QStringList LabelTexts(QWidget* window);

} // namespace ModalDriver
