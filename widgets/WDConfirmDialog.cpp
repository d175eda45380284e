#include "WDConfirmDialog.h"

#include "WDButton.h"
#include "WDCursorGuard.h"

#include <memory>

TWDConfirmForm::TWDConfirmForm(QWidget* parent) : TWDBoxForm(parent) {
    btnOK = new TWDButton(this);
    btnOK->move(88, 88);
    btnOK->SetDefault(true);
    connect(btnOK, &TWDButton::OnClick, this, &TWDConfirmForm::btnOKClick);

    btnCancel = new TWDButton(this);
    btnCancel->move(176, 88);
    btnCancel->SetCancel(true);
    connect(btnCancel, &TWDButton::OnClick, this, &TWDConfirmForm::btnCancelClick);
    FormCreate();
}

void TWDConfirmForm::btnOKClick() {
    done(FirstButton);
}

void TWDConfirmForm::btnCancelClick() {
    done(SecondButton);
}

bool WDConfirm(const QString& caption, const QString& text, const QString& okCaption,
               const QString& cancelCaption) {
    const TWDCursorGuard arrow;
    const auto form = std::make_unique<TWDConfirmForm>();
    form->SetTexts(caption, text);
    form->btnOK->SetCaption(okCaption);
    form->btnCancel->SetCaption(cancelCaption);
    return form->exec() == TWDBoxForm::FirstButton;
}
