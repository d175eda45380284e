#pragma once
// A scroll box whose background is the tiled "WSB_BACK" wood; the tiles stay in place
// while the content scrolls over them.

#include <QScrollArea>

class TWDScrollBox : public QScrollArea {
    Q_OBJECT

public:
    explicit TWDScrollBox(QWidget* parent = nullptr);

    // Like QScrollArea::setWidget, but the content stays transparent so the wood shows
    // behind it. Call it through a TWDScrollBox pointer.
    void setWidget(QWidget* content);

    // Moves every control inside the box by (dx, dy), shown or hidden, the way a strip of
    // thumbnails scrolls; the wood behind them stays in place.
    void ScrollBy(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
};
