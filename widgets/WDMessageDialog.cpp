#include "WDMessageDialog.h"

#include <QMessageBox>

// Plain stand-in until the skinned box exists.
bool WDMessage(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}
