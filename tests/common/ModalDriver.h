#pragma once
// Answers modal windows that a test's next call is going to open.

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

class QWidget;

namespace ModalDriver {

// Waits (in the event loop) for the next modal window and hands it to `answer`, which must
// close it, e.g. with a key press. The wait is measured in real time, however busy the
// event loop is meanwhile; when no modal window appears within `timeLimit`, the running test
// fails with a message saying so, and the driver answers nothing any more. A driver armed in
// one test never answers a window of another test.
void AnswerNext(std::function<void(QWidget*)> answer,
                std::chrono::milliseconds timeLimit = std::chrono::seconds(90));

// Presses a key on the next modal window.
void PressKeyOnNext(int key);

// All texts of the labels of a window, for checking what a box said.
QStringList LabelTexts(QWidget* window);

} // namespace ModalDriver
