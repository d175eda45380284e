#include "WidgetProbe.h"

#include "platform/ArtResources.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

namespace WidgetProbe {

QRgb DrawnPixel(QWidget* widget, QPoint point) {
    return widget->grab().toImage().pixel(point) | 0xff000000u;
}

QString DrawnState(QWidget* widget, const QString& prefix, const QString& suffix, QPoint point) {
    const QRgb drawn = DrawnPixel(widget, point);
    QStringList matches;
    for (const char* state : {"NORM", "MOVE", "DOWN", "DISABLE"}) {
        const QImage bitmap = ArtResources::LoadSkin(prefix + state + suffix);
        if (!bitmap.isNull() && (bitmap.pixel(point) | 0xff000000u) == drawn)
            matches << QString::fromLatin1(state);
    }
    if (matches.isEmpty())
        return QStringLiteral("?");
    return matches.size() == 1 ? matches.front() : QStringLiteral("ambiguous");
}

QImage TestIcon() {
    QImage icon(24, 24, QImage::Format_RGB888);
    icon.fill(QColor(255, 0, 255));
    QPainter painter(&icon);
    painter.fillRect(6, 6, 12, 12, QColor(200, 150, 100));
    return icon;
}

void ShowWindow(QWidget* widget) {
    QWidget* window = widget->window();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("window not exposed");
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
}

} // namespace WidgetProbe
