#include "dialogs/TFormConfig.h"

#include "dialogs/DialogParts.h"
#include "storage/Settings.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDHorBar.h"
#include "widgets/WDPanel.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QLabel>
#include <QShowEvent>
#include <QTimer>

TFormConfig::TFormConfig(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
    setFixedSize(320, 250);
    DialogParts::SetFormFont(this);

    ImageBack = DialogParts::Background(this, QStringLiteral("CONFIG_BACK"));
    lbWinTitle =
        DialogParts::WindowTitle(this, QStringLiteral("Einstellungen"), QRect(104, 5, 110, 19));

    WDPanel1 = DialogParts::Panel(this, QRect(24, 40, 273, 46), TColour::cTextur);
    CheckBoxGrid = MakeOption(WDPanel1, 6, QStringLiteral("Gitternetz im Puzzle anzeigen"));
    CheckBoxStatist = MakeOption(WDPanel1, 24, QStringLiteral("Statistik nach jedem Spiel öffnen"));

    WDPanel2 = DialogParts::Panel(this, QRect(24, 90, 273, 66), TColour::cTextur);
    CheckBoxSound = MakeOption(WDPanel2, 6, QStringLiteral("Töne einschalten"));
    CheckBoxMusic = MakeOption(WDPanel2, 24, QStringLiteral("Hintergrundmusik abspielen"));
    Label6 = DialogParts::Text(WDPanel2, QStringLiteral("Lautstärke:"), TimesPixels(13), Qt::black);
    Label6->move(8, 43);
    Label6->adjustSize();

    BarVolume = new TWDHorBar(WDPanel2);
    BarVolume->move(72, 42);
    BarVolume->SetBarWidth(169);
    BarVolume->SetMin(0);
    BarVolume->SetMax(100);
    BarVolume->SetStep(1);
    BarVolume->SetTrack(25);
    BarVolume->SetWheelScroll(true);
    BarVolume->SetKeyScroll(true);
    connect(BarVolume, &TWDHorBar::OnChange, this, &TFormConfig::BarVolumeChange);

    LabelVolume = DialogParts::Text(WDPanel2, QString(), TimesPixels(13), Qt::black);
    LabelVolume->setGeometry(243, 43, 22, 15);
    LabelVolume->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label1 = DialogParts::Text(this,
                               QStringLiteral("Einige Einstellungen werden erst nach einem neuen "
                                              "Spielstart übernommen!"),
                               TimesPixels(15), Qt::black);
    Label1->setGeometry(28, 160, 269, 33);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnOK = DialogParts::Button(this, QStringLiteral("OK"), QPoint(126, 202));
    btnOK->SetDefault(true);
    connect(btnOK, &TWDButton::OnClick, this, &TFormConfig::btnOKClick);
    btnCancel = DialogParts::Button(this, QStringLiteral("Abbrechen"), QPoint(214, 202));
    btnCancel->SetCancel(true);
    connect(btnCancel, &TWDButton::OnClick, this, &TFormConfig::btnCancelClick);
    wbClose = DialogParts::CloseButton(this, QPoint(292, 2));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormConfig::btnCancelClick);

    ConTimer = new QTimer(this);
    ConTimer->setInterval(1000);
    connect(ConTimer, &QTimer::timeout, this, &TFormConfig::ConTimerTimer);

    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);
    FormCreate();
}

TWDCheckBox* TFormConfig::MakeOption(TWDPanel* panel, int top, const QString& text) {
    auto* box = new TWDCheckBox(panel);
    box->move(8, top);
    auto* label = DialogParts::Text(panel, text, TimesPixels(13), Qt::black);
    label->move(30, top + 1);
    label->adjustSize();
    return box;
}

void TFormConfig::FormCreate() {
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
}

void TFormConfig::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormConfig::FormShow() {
    CentreOnDesktop(this);
    CheckBoxGrid->SetChecked(Grid);
    CheckBoxStatist->SetChecked(Statist);
    CheckBoxSound->SetChecked(Sound);
    CheckBoxMusic->SetChecked(Music);
    BarVolume->SetMin(0);
    BarVolume->SetMax(100);
    // The bar clamps a stored volume outside 0..100 to its nearer end.
    BarVolume->SetPosition(Volume);
    LabelVolume->setText(QString::number(BarVolume->Position()));
    ConfigConfirmed = false;
    ConTimer->start();
}

void TFormConfig::BarVolumeChange() {
    LabelVolume->setText(QString::number(BarVolume->Position()));
}

void TFormConfig::ConTimerTimer() {
    BarVolume->setEnabled(CheckBoxSound->Checked() || CheckBoxMusic->Checked());
}

void TFormConfig::btnOKClick() {
    Grid = CheckBoxGrid->Checked();
    Statist = CheckBoxStatist->Checked();
    Sound = CheckBoxSound->Checked();
    Music = CheckBoxMusic->Checked();
    Volume = BarVolume->Position();
    ConfigConfirmed = true;
    accept();
}

void TFormConfig::btnCancelClick() {
    reject();
}

void TFormConfig::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFormConfig::FormClose() {
    ConTimer->stop();
}
