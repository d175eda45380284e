#include "dialogs/DialogParts.h"

#include "platform/ArtResources.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDSkin.h"
#include "widgets/WDWinButton.h"

#include <QLabel>

namespace DialogParts {

void SetFormFont(QWidget* form) {
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    form->setFont(formFont);
}

QLabel* Background(QWidget* form, const QString& artName) {
    auto* picture = new QLabel(form);
    picture->setGeometry(form->rect());
    picture->setPixmap(QPixmap::fromImage(ArtResources::LoadArt(artName)));
    return picture;
}

QLabel* WindowTitle(QWidget* form, const QString& text, const QRect& place) {
    QLabel* title = Text(form, text, TimesPixels(16, true), WDSkin::TextLight);
    title->setGeometry(place);
    title->setAlignment(Qt::AlignCenter);
    return title;
}

TWDPanel* Panel(QWidget* parent, const QRect& place, TColour colour) {
    auto* panel = new TWDPanel(parent);
    panel->setGeometry(place);
    panel->SetBroad(3);
    panel->SetColour(colour);
    panel->SetTitleShow(false);
    return panel;
}

QLabel* Text(QWidget* parent, const QString& text, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColour(label, colour);
    return label;
}

TWDButton* Button(QWidget* parent, const QString& caption, QPoint place) {
    auto* button = new TWDButton(parent);
    button->SetStyle(TStyle::s84x26);
    button->move(place);
    button->SetCaption(caption);
    button->SetTextBold(true);
    button->SetTextSize(10);
    return button;
}

TWDWinButton* CloseButton(QWidget* form, QPoint place) {
    auto* button = new TWDWinButton(form);
    button->move(place);
    button->SetButtonType(TButtonType::btClose);
    button->setToolTip(QStringLiteral("Schließen"));
    return button;
}

} // namespace DialogParts
