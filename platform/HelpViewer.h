#pragma once
// Shows the program's help file in the desktop's browser.

#include <QString>

namespace HelpViewer {

void Show(const QString& helpFile);

} // namespace HelpViewer
