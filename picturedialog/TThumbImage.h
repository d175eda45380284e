#pragma once
// A picture slot of the chooser's thumbnail strips: shows its picture at the picture's own
// size under the hand cursor and reports clicks, the mouse coming and going, and the
// request for its popup menu.

#include <QImage>
#include <QWidget>

class TThumbImage : public QWidget {
    Q_OBJECT

public:
    explicit TThumbImage(QWidget* parent = nullptr);

    // The slot takes the picture's size (in logical pixels: a picture carries its ratio).
    void SetPicture(const QImage& picture);
    void ClearPicture();
    const QImage& Picture() const { return picture; }

    int Tag() const { return tag; }
    void SetTag(int value) { tag = value; }

signals:
    // A left press and release inside the slot.
    void OnClick(TThumbImage* slot);
    void OnEnter(TThumbImage* slot);
    void OnLeave(TThumbImage* slot);
    void OnPopup(TThumbImage* slot, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage picture;
    int tag = 0;
    bool pressed = false;
};
