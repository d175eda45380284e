#pragma once
// Fonts, text colours and placement that every window of the program shares.

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

// "Times New Roman" at a size in pixels or in points (taken at 96 dpi).
QFont TimesPixels(int pixels, bool bold = false);
QFont TimesPoints(int points, bool bold = false);

void SetTextColour(QLabel* label, const QColor& colour);

// Windows open in the middle of the desktop, wherever they were dragged last time.
void CentreOnDesktop(QWidget* window);
