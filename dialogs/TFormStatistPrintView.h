#pragma once
// The print preview of the statistics page: the page drawn at a third of its size, and
// the choice of printing it or not.

#include "widgets/OnDemandWindow.h"

#include <QDialog>

class QLabel;
class TWDButton;
class TWDPanel;
class TWDWinButton;

// Cleared when the preview is shown, set when the player chooses "Drucken" in it.
inline bool PrintConfirmed = false;

class TFormStatistPrintView : public QDialog {
    Q_OBJECT

public:
    explicit TFormStatistPrintView(QWidget* parent = nullptr);

    // The size of the preview page.
    static constexpr int PageWidth = 428;
    static constexpr int PageHeight = 516;

    // A fresh, empty page to draw the preview on; it shows when the dialog is shown.
    QImage& Page() { return page; }

    void FormShow();
    void FormClose();
    void btnViewPrintClick();
    void btnViewCancelClick();

    // Components, named as in the window's layout.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    TWDPanel* WDPanel1 = nullptr;
    QLabel* ImagePage = nullptr;
    TWDButton* btnViewPrint = nullptr;
    TWDButton* btnViewCancel = nullptr;
    TWDWinButton* wbClose = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ClearPage();

    QImage page;
};

// The program's one print preview, made when it is first needed.
inline OnDemandWindow<TFormStatistPrintView> FormStatistPrintView;
