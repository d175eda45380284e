#pragma once
// The deletion dialog of the statistics window: the player marks which of the six lists
// of the loaded kind are to be cleared and confirms; the clearing is the caller's.

#include "widgets/OnDemandWindow.h"

#include <QDialog>
#include <array>

class QLabel;
class QTimer;
class TWDButton;
class TWDCheckBox;
class TWDPanel;
class TWDWinButton;

// The lists to clear, by size index 1..6 at indexes 0..5, and whether the dialog ended
// with a confirmed deletion.
inline std::array<bool, 6> DeleteMarks{};
inline bool DeleteConfirmed = false;

class TFormStatistDelete : public QDialog {
    Q_OBJECT

public:
    explicit TFormStatistDelete(QWidget* parent = nullptr);

    void FormShow();
    void btnCheckAllClick();
    void btnDeleteClick();
    void btnCancelClick();
    void Timer1Timer();

    // Components, named as in the window's layout.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    QLabel* LabeText = nullptr;
    TWDPanel* WDPanel1 = nullptr;
    std::array<TWDCheckBox*, 6> CheckBox{};
    std::array<QLabel*, 6> Label{};
    TWDButton* btnCheckAll = nullptr;
    TWDButton* btnDelete = nullptr;
    TWDButton* btnCancel = nullptr;
    TWDWinButton* wbClose = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// The program's one deletion dialog, made when it is first needed.
inline OnDemandWindow<TFormStatistDelete> FormStatistDelete;
