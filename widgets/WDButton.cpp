#include "WDButton.h"

#include "FormStyle.h"
#include "WDSkin.h"

#include <QPainter>

TWDButton::TWDButton(QWidget* parent) : TWDSkinButton(parent, SizeOf(TStyle::s84x26)) {}

QSize TWDButton::SizeOf(TStyle style) {
    switch (style) {
    case TStyle::s110x32:
        return {110, 32};
    case TStyle::s100x80:
        return {100, 80};
    case TStyle::s84x26:
        break;
    }
    return {84, 26};
}

void TWDButton::SetDowned(bool value) {
    if (downed == value)
        return;
    downed = value;
    update();
}

void TWDButton::SetCaption(const QString& value) {
    caption = value;
    update();
}

void TWDButton::SetTextSize(int value) {
    if (textSize == value)
        return;
    textSize = value;
    update();
}

void TWDButton::SetTextBold(bool value) {
    if (textBold == value)
        return;
    textBold = value;
    update();
}

void TWDButton::SetStyle(TStyle value) {
    if (style == value)
        return;
    style = value;
    ForceSize();
    update();
}

bool TWDButton::DialogKey(int key) {
    return ClickOnEnterOrEscape(key, isDefault, isCancel);
}

QString TWDButton::BitmapName() const {
    static const char* const suffixes[] = {"", "2", "3"};
    return QStringLiteral("WOB_") + StateName(downed) + suffixes[static_cast<int>(style)];
}

QColor TWDButton::TextColour() const {
    if (Disabled() || IsMouseDown() || downed)
        return {208, 190, 119};
    if (IsMouseIn())
        return {251, 247, 230};
    return WDSkin::TextLight;
}

void TWDButton::paintEvent(QPaintEvent*) {
    const QImage bitmap = WDSkin::LoadKeyed(BitmapName());
    if (bitmap.isNull())
        return;
    ForceSize();
    QPainter painter(this);
    painter.drawImage(QRect(QPoint(0, 0), ForcedSize()), bitmap);

    const QFont font = TimesPoints(textSize, textBold);
    painter.setFont(font);
    painter.setPen(TextColour());
    const QFontMetrics metrics(font);
    const QSize size = ForcedSize();
    const int x = size.width() / 2 - metrics.horizontalAdvance(caption) / 2;
    const int y = size.height() / 2 - metrics.height() / 2;
    painter.drawText(x, y + metrics.ascent(), caption);
}
