#include "WDTOBU.h"

#include "WDSkin.h"

#include <QPainter>

TWDToBu::TWDToBu(QWidget* parent) : TWDSkinButton(parent, {30, 30}) {}

void TWDToBu::SetDowned(bool value) {
    if (downed == value)
        return;
    downed = value;
    update();
}

void TWDToBu::SetPicIdle(const QImage& value) {
    picIdle = value.copy();
    update();
}

int TWDToBu::KeyOf(TBHotKey hotKey) {
    const int n = static_cast<int>(hotKey);
    if (n >= 1 && n <= 10)
        return Qt::Key_F1 + (n - 1);
    if (n >= 11 && n <= 36)
        return Qt::Key_A + (n - 11);
    return 0;
}

bool TWDToBu::DialogKey(int key) {
    if (hotKey != TBHotKey::None && Enabled() && isVisible() && key == KeyOf(hotKey))
        Click();
    return false;
}

QImage TWDToBu::Darkened(const QImage& icon) {
    QImage result = icon.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < result.height(); ++y) {
        uchar* line = result.scanLine(y);
        for (int i = 0; i < result.width() * 3; ++i)
            line[i] = line[i] > 60 ? line[i] - 60 : 0;
    }
    return result;
}

void TWDToBu::paintEvent(QPaintEvent*) {
    ForceSize();
    QPainter painter(this);
    WDSkin::DrawKeyed(painter, rect(), QStringLiteral("WTB_") + StateName(downed));
    if (picIdle.isNull())
        return;
    drawnIcon = (Disabled() || IsMouseDown() || downed)
                    ? Darkened(picIdle)
                    : picIdle.convertToFormat(QImage::Format_RGB888);
    iconKey = drawnIcon.pixel(0, 0);
    painter.drawImage(QRect(3, 3, 24, 24), WDSkin::KeyTransparent(drawnIcon, iconKey));
}
