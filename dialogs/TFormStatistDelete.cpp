#include "dialogs/TFormStatistDelete.h"

#include "dialogs/DialogParts.h"
#include "dialogs/StatisticsRules.h"
#include "storage/Settings.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QLabel>
#include <QShowEvent>
#include <QTimer>

TFormStatistDelete::TFormStatistDelete(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Statistik löschen"));
    setModal(true);
    setFixedSize(340, 220);
    DialogParts::SetFormFont(this);

    ImageBack = DialogParts::Background(this, QStringLiteral("STATISTDELETE_BACK"));
    lbWinTitle = DialogParts::WindowTitle(this, QStringLiteral("Löschen"), QRect(114, 6, 110, 16));
    LabeText = DialogParts::Text(
        this, QStringLiteral("Bitte markieren Sie die Kategorien, die gelöscht werden sollen."),
        TimesPixels(15), Qt::black);
    LabeText->setGeometry(24, 32, 281, 36);
    LabeText->setWordWrap(true);
    LabeText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    WDPanel1 = DialogParts::Panel(this, QRect(24, 72, 292, 86), TColour::cTextur);
    for (int k = 0; k < 6; ++k) {
        const int left = k < 3 ? 14 : 152;
        const int top = 10 + 24 * (k % 3);
        CheckBox[k] = new TWDCheckBox(WDPanel1);
        CheckBox[k]->move(left, top);
        Label[k] = DialogParts::Text(WDPanel1, StatisticsRules::ListTitle(false, k + 1),
                                     TimesPixels(13), Qt::black);
        Label[k]->move(left + 20, top + 1);
    }

    btnCheckAll = DialogParts::Button(this, QStringLiteral("Alle wählen"), QPoint(24, 168));
    connect(btnCheckAll, &TWDButton::OnClick, this, &TFormStatistDelete::btnCheckAllClick);
    btnDelete = DialogParts::Button(this, QStringLiteral("Löschen"), QPoint(128, 168));
    connect(btnDelete, &TWDButton::OnClick, this, &TFormStatistDelete::btnDeleteClick);
    btnCancel = DialogParts::Button(this, QStringLiteral("Abbrechen"), QPoint(232, 168));
    btnCancel->SetCancel(true);
    connect(btnCancel, &TWDButton::OnClick, this, &TFormStatistDelete::btnCancelClick);
    wbClose = DialogParts::CloseButton(this, QPoint(312, 2));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormStatistDelete::btnCancelClick);

    // Runs for the whole life of the dialog, also while it is hidden; the button shows its
    // rule from the start, also when the dialog is made just before its first showing.
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TFormStatistDelete::Timer1Timer);
    Timer1->start();
    Timer1Timer();

    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
}

void TFormStatistDelete::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormStatistDelete::FormShow() {
    CentreOnDesktop(this);
    const bool memory = StatisticsRules::LoadedKindIsMemory();
    for (int k = 0; k < 6; ++k) {
        Label[k]->setText(StatisticsRules::ListTitle(memory, k + 1));
        Label[k]->adjustSize();
        CheckBox[k]->SetChecked(false);
    }
    DeleteMarks.fill(false);
    DeleteConfirmed = false;
}

void TFormStatistDelete::btnCheckAllClick() {
    for (TWDCheckBox* box : CheckBox)
        box->SetChecked(true);
}

void TFormStatistDelete::Timer1Timer() {
    bool any = false;
    for (TWDCheckBox* box : CheckBox)
        any = any || box->Checked();
    btnDelete->SetEnabled(any);
}

void TFormStatistDelete::btnDeleteClick() {
    if (!WDConfirm(QStringLiteral("Bestätigung"),
                   QStringLiteral("Sollen die gewählten Kategorien wirklich gelöscht werden?"),
                   QStringLiteral("Ja"), QStringLiteral("Nein")))
        return;
    for (int k = 0; k < 6; ++k)
        DeleteMarks[k] = CheckBox[k]->Checked();
    DeleteConfirmed = true;
    accept();
}

void TFormStatistDelete::btnCancelClick() {
    reject();
}
