#pragma once
// Shows the program's help file in the desktop's browser, and says when there is none.

#include <QString>
#include <functional>

namespace HelpViewer {

// Hands the help file to the desktop's launcher ("xdg-open", or Qt's desktop services where
// there is no such launcher). When there is no launcher, or it ends reporting that it could
// not open the file, onFailure runs: at once, or later from the event loop. A launcher that
// is still running when the program ends is left running, so that the browser stays open.
void Show(const QString& helpFile, std::function<void()> onFailure);

} // namespace HelpViewer
