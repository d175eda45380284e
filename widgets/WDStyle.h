#pragma once
// The program's look for what the toolkit draws itself: tooltips on dark wood with light
// Times New Roman text and a thin golden border, and the framework's message boxes on a
// wooden background with the program's fonts, colours and wooden buttons.

#include <QProxyStyle>

class QMessageBox;

class TWDStyle : public QProxyStyle {
    Q_OBJECT

public:
    TWDStyle();

    // Makes this the application's style and sets the tooltips' palette and font.
    static void Install();

    // The colours of the look.
    static const QColor TipBorder;
    static const QColor DarkWood;

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

private:
    static void PolishMessageBox(QMessageBox* box);
    // The dark wood, tiled; a plain dark wood colour when the artwork is missing.
    static QBrush WoodBrush();
    static bool InMessageBox(const QWidget* widget);
};
