#pragma once
// The main window: top bar, tool bar, frame and the play area with board and pieces.

#include <QWidget>

class TFormPuzzle : public QWidget {
    Q_OBJECT
public:
    explicit TFormPuzzle(QWidget* parent = nullptr);
};
