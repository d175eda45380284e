#include "WDStyle.h"

#include "FormStyle.h"
#include "WDSkin.h"
#include "platform/ArtResources.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

const QColor TWDStyle::TipBorder(201, 162, 74);
const QColor TWDStyle::DarkWood(70, 43, 21);

namespace {

// Both the tooltips and the boxes keep the skinned controls' text size.
constexpr int TextPixels = 15;

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

void TWDStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelTipLabel) {
        const QRect area = option->rect;
        painter->save();
        painter->fillRect(area, option->palette.toolTipBase());
        // A golden line with a dark groove inside it, like the brass rims of the plates.
        painter->setPen(TipBorder);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(area.adjusted(0, 0, -1, -1));
        painter->setPen(QColor(42, 25, 12));
        painter->drawRect(area.adjusted(1, 1, -2, -2));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TWDStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
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
    if (metric == PM_ToolTipLabelFrameWidth)
        return 4;
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
    // The skinned buttons are 84 x 26; a box's buttons are at least that.
    if (type == CT_PushButton && InMessageBox(widget))
        return result.expandedTo(QSize(84, 26));
    return result;
}
