#pragma once
// The program's question box with two buttons.

#include <QString>

// Shows the box modally; true exactly when the first button was pressed.
bool WDConfirm(const QString& caption, const QString& text, const QString& okCaption,
               const QString& cancelCaption);
