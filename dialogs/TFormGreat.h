#pragma once
// The congratulation window shown after every solved game: it names what was solved and
// the playing time, and lets the player confirm the name the new best time is kept under.

#include "widgets/OnDemandWindow.h"

#include <QDialog>

class QLabel;
class TWDButton;
class TWDEdit;

class TFormGreat : public QDialog {
    Q_OBJECT

public:
    explicit TFormGreat(QWidget* parent = nullptr);

    QLabel* ImageBack;
    // The result sentence and the playing time ("hh:nn:ss"), set by the caller before
    // every exec().
    QLabel* LabelText;
    QLabel* LabelTime;
    TWDEdit* EditName;
    TWDButton* btnOK;

    // The result sentences for a solved puzzle of `pieceCount` pieces and a solved memory
    // game of `pairCount` pairs.
    static QString PuzzleText(int pieceCount);
    static QString MemoryText(int pairCount);

    // Every way out of the window takes the edited name over, like OK.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FitResultText();
    void btnOKClick();
};

// The program's single congratulation window, made when it is first needed.
inline OnDemandWindow<TFormGreat> FormGreat;
