#pragma once
// The program's notice box: a caption, a text and an OK button, in the skinned look.

#include "WDBoxForm.h"

class TWDButton;

class TWDMessageForm : public TWDBoxForm {
    Q_OBJECT

public:
    explicit TWDMessageForm(QWidget* parent = nullptr);

    // Both the default and the cancel button: Enter and Escape press it.
    TWDButton* btnOK;

private:
    void btnOKClick();
};

// Shows the box modally with the button "OK" under an arrow cursor; true when it was
// closed with its button.
bool WDMessage(const QString& caption, const QString& text);
