#include "WDMessageDialog.h"

#include "WDButton.h"
#include "WDCursorGuard.h"

#include <memory>

TWDMessageForm::TWDMessageForm(QWidget* parent) : TWDBoxForm(parent) {
    btnOK = new TWDButton(this);
    btnOK->move(104, 88);
    btnOK->SetStyle(TStyle::s84x26);
    btnOK->SetTextBold(true);
    btnOK->SetTextSize(10);
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    connect(btnOK, &TWDButton::OnClick, this, &TWDMessageForm::btnOKClick);
    FormCreate();
}

void TWDMessageForm::btnOKClick() {
    done(FirstButton);
}

bool WDMessage(const QString& caption, const QString& text) {
    const TWDCursorGuard arrow;
    const auto form = std::make_unique<TWDMessageForm>();
    form->SetTexts(caption, text);
    form->btnOK->SetCaption(QStringLiteral("OK"));
    return form->exec() == TWDBoxForm::FirstButton;
}
