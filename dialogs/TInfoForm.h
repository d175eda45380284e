#pragma once
// The program's information window: name, version and disclaimer on its background
// picture, with links to the maker's web site and for an e-mail to the maker.

#include "widgets/OnDemandWindow.h"

#include <QDialog>

class QLabel;
class TVLMMailLabel;
class TVLMUrlLabel;
class TWDButton;

class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* parent = nullptr);

    QLabel* ImageBack;
    TVLMMailLabel* VLMMailLabel1;
    TVLMUrlLabel* VLMUrlLabel2;
    TWDButton* btnOK;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void btnOKClick();
};

// The program's single information window, made when it is first needed.
inline OnDemandWindow<TInfoForm> InfoForm;
