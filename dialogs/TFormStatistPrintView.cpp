#include "dialogs/TFormStatistPrintView.h"

#include "dialogs/DialogParts.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QLabel>
#include <QShowEvent>

TFormStatistPrintView::TFormStatistPrintView(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Statistik - Druckvorschau"));
    setModal(true);
    setFixedSize(480, 620);
    DialogParts::SetFormFont(this);

    ImageBack = DialogParts::Background(this, QStringLiteral("STATISTPRINT_BACK"));
    lbWinTitle =
        DialogParts::WindowTitle(this, QStringLiteral("Druckvorschau"), QRect(185, 6, 110, 16));
    WDPanel1 = DialogParts::Panel(this, QRect(23, 38, 434, 522), TColour::cTextur);
    // Transparent: what the page does not cover shows the panel behind it.
    ImagePage = new QLabel(WDPanel1);
    ImagePage->setGeometry(3, 3, PageWidth, PageHeight);
    ClearPage();

    btnViewPrint = DialogParts::Button(this, QStringLiteral("Drucken"), QPoint(286, 570));
    connect(btnViewPrint, &TWDButton::OnClick, this, &TFormStatistPrintView::btnViewPrintClick);
    btnViewCancel = DialogParts::Button(this, QStringLiteral("Abbrechen"), QPoint(374, 570));
    btnViewCancel->SetCancel(true);
    connect(btnViewCancel, &TWDButton::OnClick, this, &TFormStatistPrintView::btnViewCancelClick);
    wbClose = DialogParts::CloseButton(this, QPoint(452, 2));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormStatistPrintView::btnViewCancelClick);

    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
}

void TFormStatistPrintView::ClearPage() {
    page = QImage(PageWidth, PageHeight, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    ImagePage->clear();
}

void TFormStatistPrintView::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormStatistPrintView::FormShow() {
    CentreOnDesktop(this);
    ImagePage->setPixmap(QPixmap::fromImage(page));
    PrintConfirmed = false;
}

void TFormStatistPrintView::btnViewPrintClick() {
    PrintConfirmed = true;
    accept();
}

void TFormStatistPrintView::btnViewCancelClick() {
    reject();
}

void TFormStatistPrintView::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFormStatistPrintView::FormClose() {
    // The next preview starts from an empty page.
    ClearPage();
}
