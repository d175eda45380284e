#include "WDStyle.h"

#include "FormStyle.h"
#include "WDSkin.h"
#include "WoodScrollBar.h"
#include "platform/ArtResources.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

const QColor TWDStyle::TipBorder(201, 162, 74);
const QColor TWDStyle::DarkWood(70, 43, 21);

namespace {

// Both the tooltips and the boxes keep the skinned controls' text size.
constexpr int TextPixels = 15;

// Menu texts: light on the wood, dark on the golden bar of the item under the pointer,
// faded where an item cannot be chosen.
const QColor MenuTextDisabled(150, 124, 86);
const QColor MenuTextSelected(42, 25, 12);
constexpr int MenuIconColumn = 16;
constexpr int MenuMargin = 6;

// The boxes' buttons letter like the skinned buttons: bold, 10 points.
QFont BoxButtonFont() {
    return TimesPixels(13, true);
}

QPalette WoodPalette(const QBrush& wood) {
    QPalette palette = QApplication::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Window, wood);
        palette.setBrush(group, QPalette::ToolTipBase, wood);
        palette.setColor(group, QPalette::WindowText, WDSkin::TextLight);
        palette.setColor(group, QPalette::ToolTipText, WDSkin::TextLight);
        palette.setColor(group, QPalette::Text, WDSkin::TextLight);
        palette.setColor(group, QPalette::ButtonText, WDSkin::TextLight);
        palette.setColor(group, QPalette::Button, QColor(122, 79, 42));
        palette.setColor(group, QPalette::Base, QColor(46, 28, 13));
        palette.setColor(group, QPalette::Highlight, TWDStyle::TipBorder);
        palette.setColor(group, QPalette::HighlightedText, QColor(42, 25, 12));
    }
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(208, 190, 119));
    return palette;
}

} // namespace

TWDStyle::TWDStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void TWDStyle::Install() {
    QApplication::setStyle(new TWDStyle);
    QToolTip::setPalette(WoodPalette(WoodBrush()));
    QToolTip::setFont(TimesPixels(TextPixels));
}

QBrush TWDStyle::WoodBrush() {
    static const QImage wood = ArtResources::LoadArt(QStringLiteral("WOOD_DARK"));
    if (wood.isNull())
        return DarkWood;
    return QBrush(wood);
}

bool TWDStyle::InMessageBox(const QWidget* widget) {
    return widget && qobject_cast<const QMessageBox*>(widget->window());
}

void TWDStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* box = qobject_cast<QMessageBox*>(widget))
        PolishMessageBox(box);
    else if (qobject_cast<QMenu*>(widget)) {
        widget->setPalette(WoodPalette(WoodBrush()));
        widget->setFont(TimesPixels(TextPixels));
    } else if (qobject_cast<QScrollBar*>(widget))
        widget->setAttribute(Qt::WA_Hover); // the arrows light up under the pointer
    // A button added to a box after the box itself was polished.
    else if (qobject_cast<QPushButton*>(widget) && InMessageBox(widget))
        widget->setFont(BoxButtonFont());
}

void TWDStyle::PolishMessageBox(QMessageBox* box) {
    box->setPalette(WoodPalette(WoodBrush()));
    box->setAutoFillBackground(true);
    box->setFont(TimesPixels(TextPixels));
    for (QPushButton* button : box->findChildren<QPushButton*>())
        button->setFont(BoxButtonFont());
}

// A golden line with a dark groove inside it, like the brass rims of the plates.
void TWDStyle::DrawRim(QPainter* painter, const QRect& area) {
    painter->save();
    painter->setPen(TipBorder);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(area.adjusted(0, 0, -1, -1));
    painter->setPen(QColor(42, 25, 12));
    painter->drawRect(area.adjusted(1, 1, -2, -2));
    painter->restore();
}

void TWDStyle::DrawPlate(QPainter* painter, const QRect& area) {
    painter->fillRect(area, WoodBrush());
    DrawRim(painter, area);
}

void TWDStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelTipLabel:
        painter->fillRect(option->rect, option->palette.toolTipBase());
        DrawRim(painter, option->rect);
        return;
    case PE_PanelMenu:
        painter->fillRect(option->rect, WoodBrush());
        return;
    case PE_FrameMenu:
        DrawRim(painter, option->rect);
        return;
    case PE_PanelScrollAreaCorner:
        painter->fillRect(option->rect, QColor(42, 25, 12));
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TWDStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            WoodScrollBar::Paint(*painter, *bar, *this, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

// An item: its icon in a column of its own, the text, and a shortcut at the right; the item
// under the pointer on a golden bar.
void TWDStyle::DrawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter) {
    const QRect area = item.rect;
    painter->save();
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = area.center().y();
        painter->setPen(TipBorder);
        painter->drawLine(area.left() + MenuMargin, y, area.right() - MenuMargin, y);
        painter->restore();
        return;
    }
    const bool enabled = item.state & State_Enabled;
    const bool selected = enabled && (item.state & State_Selected);
    if (selected)
        painter->fillRect(area.adjusted(2, 0, -2, 0), TipBorder);
    const int iconColumn = std::max(item.maxIconWidth, MenuIconColumn);
    const QRect iconPlace(area.left() + MenuMargin, area.top(), iconColumn, area.height());
    if (!item.icon.isNull()) {
        const QPixmap icon = item.icon.pixmap(QSize(MenuIconColumn, MenuIconColumn),
                                              enabled ? QIcon::Normal : QIcon::Disabled);
        const QRect iconRect(QPoint(0, 0), QSize(MenuIconColumn, MenuIconColumn));
        painter->drawPixmap(iconRect.translated(iconPlace.center() - iconRect.center()), icon);
    } else if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        painter->setPen(selected ? MenuTextSelected : WDSkin::TextLight);
        painter->drawText(iconPlace, Qt::AlignCenter, QStringLiteral("\u2713"));
    }
    painter->setPen(selected ? MenuTextSelected : enabled ? WDSkin::TextLight : MenuTextDisabled);
    painter->setFont(item.font);
    const QRect textPlace =
        area.adjusted(iconPlace.right() + 1 + MenuMargin - area.left(), 0, -2 * MenuMargin, 0);
    const QStringList parts = item.text.split(QLatin1Char('\t'));
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter->drawText(textPlace, Qt::AlignLeft | flags, parts.value(0));
    if (parts.size() > 1)
        painter->drawText(textPlace, Qt::AlignRight | flags, parts.value(1));
    painter->restore();
}

void TWDStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawMenuItem(*item, painter);
            return;
        }
    }
    // The wood of the panel already lies behind the menu's empty places.
    if (element == CE_MenuEmptyArea)
        return;
    // The boxes' buttons wear the skinned buttons' wood, stretched to their size.
    if (element == CE_PushButtonBevel && InMessageBox(widget)) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        QString state = QStringLiteral("NORM");
        if (!(option->state & State_Enabled))
            state = QStringLiteral("DISABLE");
        else if (option->state & (State_Sunken | State_On))
            state = QStringLiteral("DOWN");
        else if (option->state & State_MouseOver)
            state = QStringLiteral("MOVE");
        if (button && WDSkin::DrawKeyed(*painter, option->rect, QStringLiteral("WOB_") + state)) {
            if (option->state & State_HasFocus) {
                painter->save();
                painter->setPen(QPen(TipBorder, 1, Qt::DotLine));
                painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
                painter->restore();
            }
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int TWDStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                          const QWidget* widget) const {
    switch (metric) {
    case PM_ToolTipLabelFrameWidth:
        return 4;
    case PM_MenuPanelWidth:
        return 2;
    case PM_ScrollBarExtent:
        return WoodScrollBar::Extent;
    case PM_ScrollBarSliderMin:
        return 20;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int TWDStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const {
    // Opaque tooltips: the wood must not let the board shine through.
    if (hint == SH_ToolTipLabel_Opacity)
        return 255;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize TWDStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                 const QWidget* widget) const {
    const QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    // Room for the icon column, the text, a shortcut and the margins, at least 22 high.
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator) {
            const QFontMetrics metrics(item->font);
            const QStringList parts = item->text.split(QLatin1Char('\t'));
            int width = 4 * MenuMargin + std::max(item->maxIconWidth, MenuIconColumn) +
                        metrics.horizontalAdvance(parts.value(0));
            if (parts.size() > 1)
                width += 3 * MenuMargin + metrics.horizontalAdvance(parts.value(1));
            return result.expandedTo(QSize(width, 22));
        }
    }
    // The skinned buttons are 84 x 26; a box's buttons are at least that.
    if (type == CT_PushButton && InMessageBox(widget))
        return result.expandedTo(QSize(84, 26));
    return result;
}
