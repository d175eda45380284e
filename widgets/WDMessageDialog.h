#pragma once
// The program's notice box: a caption, a text and an OK button.

#include <QString>

// Shows the box modally; true when it was closed with its button.
bool WDMessage(const QString& caption, const QString& text);
