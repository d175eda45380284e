#include "WDWinButton.h"

#include "WDSkin.h"

#include <QPainter>

TWDWinButton::TWDWinButton(QWidget* parent) : TWDSkinButton(parent, {20, 20}) {}

void TWDWinButton::SetButtonType(TButtonType value) {
    buttonType = value;
    update();
}

bool TWDWinButton::DialogKey(int key) {
    return ClickOnEnterOrEscape(key, isDefault, isCancel);
}

void TWDWinButton::paintEvent(QPaintEvent*) {
    const QString set = buttonType == TButtonType::btMinimize ? QStringLiteral("WDW_MIN_")
                                                              : QStringLiteral("WDW_CLOSE_");
    const QImage bitmap = WDSkin::Load(set + StateName(false));
    if (bitmap.isNull())
        return;
    ForceSize();
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap);
}
