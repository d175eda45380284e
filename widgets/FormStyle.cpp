#include "FormStyle.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

QFont TimesPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont TimesPoints(int points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void CentreOnDesktop(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}
