#include "TFormPuzzle.h"

TFormPuzzle::TFormPuzzle(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint)
{
    setFixedSize(900, 700);
}
