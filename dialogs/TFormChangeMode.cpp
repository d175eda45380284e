#include "TFormChangeMode.h"

#include "game/VarUnit.h"
#include "platform/ArtResources.h"
#include "storage/Settings.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDPanel.h"
#include "widgets/WDSkin.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace {

bool IsPuzzleMode(std::uint8_t mode) {
    return mode != ModeMemory;
}

} // namespace

TFormChangeMode::TFormChangeMode(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Spiel starten"));
    setModal(true);
    setFixedSize(660, 260);
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);

    ImageBack = new QLabel(this);
    ImageBack->setGeometry(0, 0, 660, 260);
    ImageBack->setPixmap(
        QPixmap::fromImage(ArtResources::LoadArt(QStringLiteral("CHANGEMODE_BACK"))));

    lbWinTitle = new QLabel(QStringLiteral("Spiel starten"), this);
    lbWinTitle->setGeometry(275, 5, 110, 19);
    lbWinTitle->setAlignment(Qt::AlignCenter);
    lbWinTitle->setFont(TimesPixels(16, true));
    SetTextColour(lbWinTitle, WDSkin::TextLight);

    btnStandard =
        MakeModeButton(QStringLiteral("Standard"), 32, &TFormChangeMode::btnStandardClick);
    btnKaskade = MakeModeButton(QStringLiteral("Kaskade"), 70, &TFormChangeMode::btnKaskadeClick);
    btnMemory = MakeModeButton(QStringLiteral("Memory"), 108, &TFormChangeMode::btnMemoryClick);

    wbClose = new TWDWinButton(this);
    wbClose->move(632, 2);
    wbClose->SetButtonType(TButtonType::btClose);
    wbClose->setToolTip(QStringLiteral("Schließen"));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormChangeMode::wbCloseClick);

    WDPanel1 = new TWDPanel(this);
    WDPanel1->setGeometry(140, 32, 497, 121);
    WDPanel1->SetBroad(3);
    WDPanel1->SetColour(TColour::cTextur);
    WDPanel1->SetTitleShow(false);

    // The three modes share one place in the panel; only the chosen one is visible.
    imgStandard = MakePicture(QStringLiteral("CHANGEMODE_STANDARD"));
    imgKaskade = MakePicture(QStringLiteral("CHANGEMODE_KASKADE"));
    imgMemory = MakePicture(QStringLiteral("CHANGEMODE_MEMORY"));
    lbStandardTitel = MakeTitle(QStringLiteral("Standard"));
    lbKaskadeTitel = MakeTitle(QStringLiteral("Kaskade"));
    lbMemoryTitel = MakeTitle(QStringLiteral("Memory"));
    lbStandardText = MakeText(QStringLiteral("Die Puzzleteile werden wahllos über eine Fläche "
                                             "zerstreut. Sie können auch auf die unteren "
                                             "Bildteile zugreifen."));
    lbKaskadeText = MakeText(QStringLiteral("Die Puzzleteile werden in einem Stapel übereinander "
                                            "abgelegt. Sie müssen diesen Stapel von oben nach "
                                            "unten abarbeiten."));
    lbMemoryText = MakeText(QStringLiteral("Es müssen immer 2 gleiche Motive gefunden werden, "
                                           "bis alle Felder aufgedeckt sind."));

    // Both rows of size buttons lie on top of each other; the chosen mode shows its own.
    PanelPuzzle = MakeSizePanel(ModeStandard, btnPuzzle);
    PanelMemory = MakeSizePanel(ModeMemory, btnMemo);

    // The window has no title bar: it is dragged by its background and its title.
    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);

    FormCreate();
    SelectMode(ModeStandard);
}

TWDButton* TFormChangeMode::MakeModeButton(const QString& caption, int top,
                                           void (TFormChangeMode::*click)()) {
    auto* button = new TWDButton(this);
    button->move(20, top);
    button->SetStyle(TStyle::s110x32);
    button->SetTextBold(true);
    button->SetTextSize(14);
    button->SetCaption(caption);
    connect(button, &TWDButton::OnClick, this, click);
    return button;
}

QLabel* TFormChangeMode::MakePicture(const QString& artName) {
    auto* picture = new QLabel(WDPanel1);
    picture->setGeometry(10, 10, 128, 100);
    picture->setPixmap(QPixmap::fromImage(ArtResources::LoadArt(artName)));
    return picture;
}

QLabel* TFormChangeMode::MakeTitle(const QString& text) {
    auto* title = new QLabel(text, WDPanel1);
    title->setFont(TimesPixels(16, true));
    SetTextColour(title, Qt::black);
    title->move(160, 16);
    title->adjustSize();
    return title;
}

QLabel* TFormChangeMode::MakeText(const QString& text) {
    auto* description = new QLabel(text, WDPanel1);
    description->setGeometry(160, 40, 321, 73);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setFont(TimesPixels(15, false));
    SetTextColour(description, Qt::black);
    return description;
}

QWidget* TFormChangeMode::MakeSizePanel(std::uint8_t mode, std::array<TWDButton*, 6>& buttons) {
    auto* panel = new QWidget(this);
    panel->setGeometry(19, 158, 624, 84);
    for (int size = 1; size <= 6; ++size) {
        auto* button = new TWDButton(panel);
        button->move(1 + (size - 1) * 104, 1);
        button->SetStyle(TStyle::s100x80);
        button->SetTextBold(true);
        button->SetTextSize(48);
        button->SetCaption(SizeCaption(mode, size));
        connect(button, &TWDButton::OnClick, this, [this, size] { btnPuzzleClick(size); });
        buttons[size - 1] = button;
    }
    return panel;
}

void TFormChangeMode::FormCreate() {
    MakeLabelsTransparent(this);
}

QString TFormChangeMode::SizeCaption(std::uint8_t mode, int size) {
    static constexpr std::array<int, 6> memoryPairs{3, 6, 10, 15, 21, 24};
    if (size < 1 || size > 6)
        return {};
    if (IsPuzzleMode(mode))
        return QString::number((size + 2) * (size + 2));
    return QString::number(memoryPairs[size - 1]);
}

std::uint8_t TFormChangeMode::SelectedMode() const {
    if (btnStandard->Disabled())
        return ModeStandard;
    if (btnKaskade->Disabled())
        return ModeKaskade;
    return ModeMemory;
}

void TFormChangeMode::SelectMode(std::uint8_t mode) {
    if (mode != ModeKaskade && mode != ModeMemory)
        mode = ModeStandard;
    const bool standard = mode == ModeStandard;
    const bool kaskade = mode == ModeKaskade;
    const bool memory = mode == ModeMemory;

    btnStandard->SetEnabled(!standard);
    btnKaskade->SetEnabled(!kaskade);
    btnMemory->SetEnabled(!memory);

    imgStandard->setVisible(standard);
    lbStandardTitel->setVisible(standard);
    lbStandardText->setVisible(standard);
    imgKaskade->setVisible(kaskade);
    lbKaskadeTitel->setVisible(kaskade);
    lbKaskadeText->setVisible(kaskade);
    imgMemory->setVisible(memory);
    lbMemoryTitel->setVisible(memory);
    lbMemoryText->setVisible(memory);

    PanelPuzzle->setVisible(IsPuzzleMode(mode));
    PanelMemory->setVisible(!IsPuzzleMode(mode));
}

void TFormChangeMode::FormShow() {
    SelectMode(PlayMode);
    StartConfirmed = false;
    // Always opens in the middle of the desktop, wherever it was dragged last time.
    CentreOnDesktop(this);
}

void TFormChangeMode::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormChangeMode::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormChangeMode::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event);
}

void TFormChangeMode::btnStandardClick() {
    SelectMode(ModeStandard);
}

void TFormChangeMode::btnKaskadeClick() {
    SelectMode(ModeKaskade);
}

void TFormChangeMode::btnMemoryClick() {
    SelectMode(ModeMemory);
}

void TFormChangeMode::btnPuzzleClick(int size) {
    GameSize = size;
    PlayMode = SelectedMode();
    StartConfirmed = true;
    accept();
}

void TFormChangeMode::wbCloseClick() {
    close();
}
