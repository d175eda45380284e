#pragma once
// The program's question box with two buttons, in the skinned look.

#include "WDBoxForm.h"

class TWDButton;

class TWDConfirmForm : public TWDBoxForm {
    Q_OBJECT

public:
    explicit TWDConfirmForm(QWidget* parent = nullptr);

    TWDButton* btnOK;     // default button (Enter)
    TWDButton* btnCancel; // cancel button (Escape)

private:
    void btnOKClick();
    void btnCancelClick();
};

// Shows the box modally with the two given button captions under an arrow cursor; true
// exactly when the first button was pressed.
bool WDConfirm(const QString& caption, const QString& text, const QString& okCaption,
               const QString& cancelCaption);
