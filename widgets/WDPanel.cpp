#include "WDPanel.h"

#include "FormStyle.h"
#include "WDSkin.h"
#include "platform/AppError.h"
#include "platform/Arithmetic.h"

#include <QPainter>

void DrawGradient(QPainter& painter, const QRect& area, TGradientLines lines,
                  const QList<QColor>& colours) {
    if (colours.size() < 2)
        throw AppError(QStringLiteral("Es müssen mindestens zwei Farben angegeben werden."));
    const bool vertical = lines == TGradientLines::Vertical;
    const int size = vertical ? area.width() : area.height();
    const int segments = int(colours.size()) - 1;
    const int segLen = Arithmetic::RoundHalfEven(double(size) / segments);
    for (int i = 0; i < segments; ++i) {
        const int n = i == segments - 1 ? size - i * segLen - 1 : segLen;
        const QColor& from = colours[i];
        const QColor& to = colours[i + 1];
        for (int j = 0; j <= n; ++j) {
            const int p = i * segLen + j;
            // A segment of a single line has no slope; it takes its starting colour.
            const double t = n > 0 ? double(j) / n : 0.0;
            const QColor colour(int(from.red() + (to.red() - from.red()) * t),
                                int(from.green() + (to.green() - from.green()) * t),
                                int(from.blue() + (to.blue() - from.blue()) * t));
            if (vertical)
                painter.fillRect(area.left() + p, area.top(), 1, area.height(), colour);
            else
                painter.fillRect(area.left(), area.top() + p, area.width(), 1, colour);
        }
    }
}

TWDPanel::TWDPanel(QWidget* parent) : QWidget(parent) {
    resize(100, 100);
}

void TWDPanel::SetTitle(const QString& value) {
    if (title == value)
        return;
    title = value;
    UpdateTitle();
}

void TWDPanel::SetTitleBold(bool value) {
    if (titleBold == value)
        return;
    titleBold = value;
    UpdateTitle();
}

void TWDPanel::SetTitleShow(bool value) {
    if (titleShow == value)
        return;
    titleShow = value;
    update();
}

void TWDPanel::SetBroad(int value) {
    if (broad == value)
        return;
    broad = std::max(value, 1);
    update();
}

void TWDPanel::SetColour(TColour value) {
    if (colour == value)
        return;
    colour = value;
    update();
}

QRect TWDPanel::TitleRect() const {
    return {width() / 2 - 50, 0, 100, 20};
}

// A new title repaints the plate only; a panel without a plate draws nothing for it.
void TWDPanel::UpdateTitle() {
    if (titleShow)
        update(TitleRect());
}

void TWDPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void TWDPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int b = broad;
    const QRect inside(b, b, w - 2 * b, h - 2 * b);
    switch (colour) {
    case TColour::cSolid:
        painter.fillRect(inside, WDSkin::TextLight);
        break;
    case TColour::cGradient:
        DrawGradient(painter, inside, TGradientLines::Horizontal,
                     {QColor(243, 234, 199), QColor(217, 193, 121)});
        break;
    case TColour::cTextur: {
        const QImage tile = WDSkin::Load(QStringLiteral("WOP_TEX"));
        if (!tile.isNull()) {
            for (int column = 0; column <= w / 80; ++column)
                for (int row = 0; row <= h / 80; ++row)
                    painter.drawImage(column * 80, row * 80, tile);
        }
        break;
    }
    }

    const struct {
        const char* name;
        QRect place;
    } frame[] = {
        {"WOP_LOB", QRect(0, 0, b, b)},         {"WOP_ROB", QRect(w - b, 0, b, b)},
        {"WOP_LUN", QRect(0, h - b, b, b)},     {"WOP_RUN", QRect(w - b, h - b, b, b)},
        {"WOP_OBE", QRect(b, 0, w - 2 * b, b)}, {"WOP_UNT", QRect(b, h - b, w - 2 * b, b)},
        {"WOP_LIN", QRect(0, b, b, h - 2 * b)}, {"WOP_REC", QRect(w - b, b, b, h - 2 * b)},
    };
    for (const auto& piece : frame)
        WDSkin::DrawOpaque(painter, piece.place, QLatin1String(piece.name));

    if (!titleShow)
        return;
    WDSkin::DrawOpaque(painter, TitleRect(), QStringLiteral("WOP_TIT"));
    const QFont font = TimesPoints(11, titleBold);
    painter.setFont(font);
    painter.setPen(WDSkin::TextLight);
    const QFontMetrics metrics(font);
    const int x = w / 2 - metrics.horizontalAdvance(title) / 2;
    const int y = 10 - metrics.height() / 2;
    painter.drawText(x, y + metrics.ascent(), title);
}
