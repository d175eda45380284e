#pragma once
// The program's look for what the toolkit draws itself: tooltips and popup menus on dark
// wood with light Times New Roman text and a thin golden border, scroll bars in the wood
// of the program's own bars, and the framework's message boxes on a wooden background
// with the program's fonts, colours and wooden buttons.

#include <QProxyStyle>

class QMessageBox;
class QStyleOptionMenuItem;

class TWDStyle : public QProxyStyle {
    Q_OBJECT

public:
    TWDStyle();

    // Makes this the application's style and sets the tooltips' palette and font.
    static void Install();

    // A plate of the tooltips' dark wood with their golden rim.
    static void DrawPlate(QPainter* painter, const QRect& area);

    // The colours of the look.
    static const QColor TipBorder;
    static const QColor DarkWood;

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

private:
    static void PolishMessageBox(QMessageBox* box);
    // The gold line with a dark groove inside it that rims tooltips and menus.
    static void DrawRim(QPainter* painter, const QRect& area);
    static void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter);
    // The dark wood, tiled; a plain dark wood colour when the artwork is missing.
    static QBrush WoodBrush();
    static bool InMessageBox(const QWidget* widget);
};
