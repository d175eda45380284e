#pragma once
// The settings dialog: grid lines, the statistics window after a game, sound cues, music
// and the output volume. It changes the settings in memory only when left with OK.

#include "widgets/OnDemandWindow.h"

#include <QDialog>

class QLabel;
class QTimer;
class TWDButton;
class TWDCheckBox;
class TWDHorBar;
class TWDPanel;
class TWDWinButton;

// Cleared when the settings dialog is shown, set when it is left with OK.
inline bool ConfigConfirmed = false;

class TFormConfig : public QDialog {
    Q_OBJECT

public:
    explicit TFormConfig(QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    void btnOKClick();
    void btnCancelClick();
    void BarVolumeChange();
    void ConTimerTimer();

    // Components, named as in the window's layout.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    TWDPanel* WDPanel1 = nullptr;
    TWDCheckBox* CheckBoxGrid = nullptr;
    TWDCheckBox* CheckBoxStatist = nullptr;
    TWDPanel* WDPanel2 = nullptr;
    TWDCheckBox* CheckBoxSound = nullptr;
    TWDCheckBox* CheckBoxMusic = nullptr;
    QLabel* Label6 = nullptr;
    TWDHorBar* BarVolume = nullptr;
    QLabel* LabelVolume = nullptr;
    QLabel* Label1 = nullptr;
    TWDButton* btnOK = nullptr;
    TWDButton* btnCancel = nullptr;
    TWDWinButton* wbClose = nullptr;
    QTimer* ConTimer = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    TWDCheckBox* MakeOption(TWDPanel* panel, int top, const QString& text);
};

// The program's one settings dialog, made when it is first needed.
inline OnDemandWindow<TFormConfig> FormConfig;
