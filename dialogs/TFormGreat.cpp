#include "TFormGreat.h"

#include "platform/ArtResources.h"
#include "storage/Settings.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDEdit.h"
#include "widgets/WindowDrag.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

namespace {

QLabel* BlackTimesLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(TimesPixels(16));
    SetTextColour(label, Qt::black);
    return label;
}

} // namespace

TFormGreat::TFormGreat(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Tessaly"));
    setModal(true);
    setFixedSize(320, 220);
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);

    // The background carries the heading and the captions of the time and the name.
    ImageBack = new QLabel(this);
    ImageBack->setGeometry(0, 0, 320, 220);
    ImageBack->setPixmap(QPixmap::fromImage(ArtResources::LoadArt(QStringLiteral("GREAT_BACK"))));

    LabelText = BlackTimesLabel(this);
    LabelText->setGeometry(24, 74, 273, 18);
    LabelText->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);

    LabelTime = BlackTimesLabel(this);
    LabelTime->move(151, 100);

    EditName = new TWDEdit(this);
    EditName->setGeometry(132, 128, 121, 26);
    EditName->SetSize(11);
    EditName->SetBold(false);
    EditName->SetCenter(false);
    EditName->SetUpper(false);
    EditName->SetEditWidth(121);

    btnOK = new TWDButton(this);
    btnOK->SetStyle(TStyle::s84x26);
    btnOK->move(120, 168);
    btnOK->SetCaption(QStringLiteral("OK"));
    btnOK->SetTextBold(true);
    btnOK->SetTextSize(10);
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    connect(btnOK, &TWDButton::OnClick, this, &TFormGreat::btnOKClick);

    FormCreate();
}

void TFormGreat::FormCreate() {
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
    // The window has no title bar; it is moved by its background.
    WindowDrag::Install(ImageBack);
}

QString TFormGreat::PuzzleText(int pieceCount) {
    return QStringLiteral("Sie haben das Puzzle mit %1 Teile gelöst.").arg(pieceCount);
}

QString TFormGreat::MemoryText(int pairCount) {
    return QStringLiteral("Sie haben das Memory mit %1 Paare gelöst.").arg(pairCount);
}

void TFormGreat::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormGreat::FormShow() {
    // Centred on the desktop each time, wherever the player dragged it last time.
    CentreOnDesktop(this);
    FitResultText();
    LabelTime->adjustSize();
    LabelText->raise();
    EditName->setFocus();
    // Preselected, so typing replaces the last player's name and Enter keeps it.
    EditName->SetText(PlayerName);
    EditName->SetSelected(true);
}

void TFormGreat::FitResultText() {
    // The longest sentences ("... Memory mit 24 Paare gelöst.") are wider than the place
    // the label has above the fields; rather than cut the sentence at both ends, the label
    // grows evenly to both sides, at most to the edges of the parchment.
    constexpr int left = 24;
    constexpr int width = 273;
    constexpr int widest = 296;
    const int needed = LabelText->fontMetrics().horizontalAdvance(LabelText->text()) + 2;
    const int fitted = std::clamp(needed, width, widest);
    LabelText->setGeometry(left - (fitted - width) / 2, 74, fitted, 18);
}

void TFormGreat::btnOKClick() {
    // Taken over as it is: an emptied name is the player's way of not being listed.
    PlayerName = EditName->Text();
    accept();
}

void TFormGreat::reject() {
    btnOKClick();
}
