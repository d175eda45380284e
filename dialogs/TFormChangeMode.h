#pragma once
// The game start dialog: the player picks Standard, Kaskade or Memory and then a size,
// which confirms the choice into PlayMode, GameSize and StartConfirmed.

#include "widgets/OnDemandWindow.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class TWDButton;
class TWDPanel;
class TWDWinButton;

class TFormChangeMode : public QDialog {
    Q_OBJECT

public:
    explicit TFormChangeMode(QWidget* parent = nullptr);

    // The caption of the size button `size` (1..6) of `mode`: pieces for the puzzle
    // modes ("9" ... "64"), pairs for Memory ("3" ... "24").
    static QString SizeCaption(std::uint8_t mode, int size);

    // The mode chosen while the dialog is open: the one whose mode button is disabled,
    // tested in the order Standard, Kaskade, Memory.
    std::uint8_t SelectedMode() const;

    // Shows `mode` as chosen: its button disabled, the other two enabled, its picture and
    // description visible, and the size buttons of its kind. A value that is no mode
    // counts as Standard, so a size click always confirms a mode the game knows.
    void SelectMode(std::uint8_t mode);

    // Rebuilds the dialog from PlayMode and clears StartConfirmed; runs at every showing.
    void FormShow();
    void FormKeyDown(QKeyEvent* event);

    void btnStandardClick();
    void btnKaskadeClick();
    void btnMemoryClick();
    // The k-th size button of both panels: the puzzle button and the memory button at the
    // same place mean the same GameSize.
    void btnPuzzleClick(int size);
    void wbCloseClick();

    // Components, named as in the window's layout.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    TWDButton* btnStandard = nullptr;
    TWDButton* btnKaskade = nullptr;
    TWDButton* btnMemory = nullptr;
    TWDWinButton* wbClose = nullptr;
    TWDPanel* WDPanel1 = nullptr;
    QLabel* imgStandard = nullptr;
    QLabel* imgKaskade = nullptr;
    QLabel* imgMemory = nullptr;
    QLabel* lbStandardTitel = nullptr;
    QLabel* lbKaskadeTitel = nullptr;
    QLabel* lbMemoryTitel = nullptr;
    QLabel* lbStandardText = nullptr;
    QLabel* lbKaskadeText = nullptr;
    QLabel* lbMemoryText = nullptr;
    QWidget* PanelPuzzle = nullptr;
    QWidget* PanelMemory = nullptr;
    std::array<TWDButton*, 6> btnPuzzle{};
    std::array<TWDButton*, 6> btnMemo{};

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    TWDButton* MakeModeButton(const QString& caption, int top, void (TFormChangeMode::*click)());
    QLabel* MakePicture(const QString& artName);
    QLabel* MakeTitle(const QString& text);
    QLabel* MakeText(const QString& text);
    QWidget* MakeSizePanel(std::uint8_t mode, std::array<TWDButton*, 6>& buttons);
};

// The one game start dialog of the program, made when it is first needed.
inline OnDemandWindow<TFormChangeMode> FormChangeMode;
