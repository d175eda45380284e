#pragma once
// A link label that starts a new e-mail to the program's maker: it shows the bare address
// and hands a "mailto:" link to the desktop when clicked.

#include "TVLMUrlLabel.h"

class TVLMMailLabel : public TVLMUrlLabel {
    Q_OBJECT

public:
    explicit TVLMMailLabel(QWidget* owner = nullptr);
    ~TVLMMailLabel() override;

    // The "mailto:" link given to the desktop when the label is clicked.
    QString MailAdress() const { return Url(); }
    void SetMailAdress(const QString& value) { SetUrl(value); }
};
