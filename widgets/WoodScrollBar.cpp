#include "WoodScrollBar.h"

#include "WDSkin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

const QColor Outline(42, 25, 12);
const QColor GripDark(90, 62, 20);
const QColor GripLight(246, 222, 160);

// Draws the named horizontal bitmap into `target`; for a vertical bar turned a quarter
// clockwise, so that the left arrow points up and the right one down.
void DrawTurned(QPainter& painter, const QRect& target, const QString& name, bool vertical) {
    if (!vertical) {
        WDSkin::DrawOpaque(painter, target, name);
        return;
    }
    painter.save();
    painter.translate(target.left() + target.width(), target.top());
    painter.rotate(90);
    WDSkin::DrawOpaque(painter, QRect(0, 0, target.height(), target.width()), name);
    painter.restore();
}

QString ArrowState(const QStyleOptionSlider& option, QStyle::SubControl arrow, bool atEnd) {
    if (!(option.state & QStyle::State_Enabled) || atEnd)
        return QStringLiteral("DISABLE");
    if (option.activeSubControls & arrow) {
        if (option.state & QStyle::State_Sunken)
            return QStringLiteral("DOWN");
        if (option.state & QStyle::State_MouseOver)
            return QStringLiteral("MOVE");
    }
    return QStringLiteral("NORM");
}

// The golden knob of the bar's own thumb, stretched along the bar: rounded, lit from the
// top, with three grooves across its middle.
void DrawThumb(QPainter& painter, const QRect& area, bool vertical, bool lit) {
    const QRect thumb = vertical ? area.adjusted(2, 0, -2, 0) : area.adjusted(0, 2, 0, -2);
    if (thumb.width() < 4 || thumb.height() < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(thumb.topLeft(), vertical ? thumb.topRight() : thumb.bottomLeft());
    gold.setColorAt(0.0, QColor(219, 166, 103));
    gold.setColorAt(0.3, QColor(207, 164, 84));
    gold.setColorAt(0.7, QColor(182, 145, 64));
    gold.setColorAt(1.0, QColor(144, 110, 43));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(thumb).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.fillPath(outline, gold);
    if (lit)
        painter.fillPath(outline, QColor(255, 240, 200, 50));
    painter.setPen(Outline);
    painter.drawPath(outline);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int length = vertical ? thumb.height() : thumb.width();
    if (length >= 14) {
        const QPoint centre = thumb.center();
        for (int groove = -3; groove <= 3; groove += 3) {
            for (const auto& [shift, colour] : {std::pair{0, GripDark}, std::pair{1, GripLight}}) {
                painter.setPen(colour);
                if (vertical)
                    painter.drawLine(thumb.left() + 3, centre.y() + groove + shift,
                                     thumb.right() - 3, centre.y() + groove + shift);
                else
                    painter.drawLine(centre.x() + groove + shift, thumb.top() + 3,
                                     centre.x() + groove + shift, thumb.bottom() - 3);
            }
        }
    }
    painter.restore();
}

} // namespace

namespace WoodScrollBar {

void Paint(QPainter& painter, const QStyleOptionSlider& option, const QStyle& style,
           const QWidget* widget) {
    const bool vertical = option.orientation == Qt::Vertical;
    const auto rect = [&](QStyle::SubControl part) {
        return style.subControlRect(QStyle::CC_ScrollBar, &option, part, widget);
    };
    painter.fillRect(option.rect, Outline);
    DrawTurned(painter, rect(QStyle::SC_ScrollBarGroove), QStringLiteral("WHB_BAR"), vertical);
    const bool atStart = option.sliderValue <= option.minimum;
    const bool atEnd = option.sliderValue >= option.maximum;
    DrawTurned(painter, rect(QStyle::SC_ScrollBarSubLine),
               QStringLiteral("WHB_LPOINT") +
                   ArrowState(option, QStyle::SC_ScrollBarSubLine, atStart),
               vertical);
    DrawTurned(painter, rect(QStyle::SC_ScrollBarAddLine),
               QStringLiteral("WHB_RPOINT") +
                   ArrowState(option, QStyle::SC_ScrollBarAddLine, atEnd),
               vertical);
    if (option.maximum > option.minimum && (option.state & QStyle::State_Enabled))
        DrawThumb(painter, rect(QStyle::SC_ScrollBarSlider), vertical,
                  (option.activeSubControls & QStyle::SC_ScrollBarSlider) &&
                      (option.state & (QStyle::State_MouseOver | QStyle::State_Sunken)));
}

} // namespace WoodScrollBar
