#include "TInfoForm.h"

#include "TVLMMailLabel.h"
#include "TVLMUrlLabel.h"
#include "platform/ArtResources.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WindowDrag.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

namespace {

// The links are sized to their addresses, which the build may change, starting at the
// places the background's captions leave for them.
void PlaceLink(QLabel* link, int x, int y) {
    link->setFont(TimesPixels(15));
    link->move(x, y);
    link->adjustSize();
}

} // namespace

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(true);
    setFixedSize(420, 300);
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPointSize(8);
    setFont(formFont);

    // Name, version, disclaimer and the captions of the two links are on the picture.
    ImageBack = new QLabel(this);
    ImageBack->setGeometry(0, 0, 420, 300);
    ImageBack->setPixmap(QPixmap::fromImage(ArtResources::LoadArt(QStringLiteral("INFO_BACK"))));

    VLMMailLabel1 = new TVLMMailLabel(this);
    PlaceLink(VLMMailLabel1, 74, 241);
    VLMUrlLabel2 = new TVLMUrlLabel(this);
    PlaceLink(VLMUrlLabel2, 82, 260);

    btnOK = new TWDButton(this);
    btnOK->SetStyle(TStyle::s84x26);
    btnOK->move(304, 248);
    btnOK->SetCaption(QStringLiteral("OK"));
    btnOK->SetTextBold(true);
    btnOK->SetTextSize(10);
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    connect(btnOK, &TWDButton::OnClick, this, &TInfoForm::btnOKClick);

    FormCreate();
}

void TInfoForm::FormCreate() {
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
    // The window has no title bar; it is moved by its background.
    WindowDrag::Install(ImageBack);
}

void TInfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen each time, wherever the player dragged it last time.
    if (!event->spontaneous())
        CentreOnDesktop(this);
}

void TInfoForm::btnOKClick() {
    accept();
}
