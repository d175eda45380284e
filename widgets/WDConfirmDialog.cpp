#include "WDConfirmDialog.h"

#include <QMessageBox>
#include <QPushButton>

// Plain stand-in until the skinned box exists.
bool WDConfirm(const QString& caption, const QString& text, const QString& okCaption,
               const QString& cancelCaption)
{
    QMessageBox box(QMessageBox::Question, caption, text);
    QPushButton* ok = box.addButton(okCaption, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(cancelCaption, QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}
