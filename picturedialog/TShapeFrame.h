#pragma once
// The hover frame of the thumbnail strips: a 2 pixel outline in the light panel colour
// with nothing inside, placed behind the thumbnail it rings.

#include <QColor>
#include <QWidget>

class TShapeFrame : public QWidget {
    Q_OBJECT

public:
    explicit TShapeFrame(QWidget* parent = nullptr);

    static inline const QColor PenColour{0xFA, 0xF4, 0xE2};
    static constexpr int PenWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};
