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

protected:
    void paintEvent(QPaintEvent* event) override;
};
