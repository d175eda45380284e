#pragma once
// The parts every dialog window is built from, made the one way they look everywhere:
// background picture, title, framed panel, labels, push buttons and the close button.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "widgets/WDPanel.h"

class QLabel;
class QWidget;
class TWDButton;
class TWDWinButton;

namespace DialogParts {

// The windows' own font (Tahoma, 11 px), the one their controls inherit.
void SetFormFont(QWidget* form);

// The background picture `artName` filling the whole window.
QLabel* Background(QWidget* form, const QString& artName);

// The light, bold 16 px window title centred in `place`.
QLabel* WindowTitle(QWidget* form, const QString& text, const QRect& place);

// A framed panel of frame width 3 without title plate.
TWDPanel* Panel(QWidget* parent, const QRect& place, TColour colour);

// A plain-text label.
QLabel* Text(QWidget* parent, const QString& text, const QFont& font, const QColor& colour);

// An 84 × 26 push button with a bold caption of 10 points.
TWDButton* Button(QWidget* parent, const QString& caption, QPoint place);

// The close button of the title bar, with its hint.
TWDWinButton* CloseButton(QWidget* form, QPoint place);

} // namespace DialogParts
