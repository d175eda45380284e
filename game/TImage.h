#pragma once
// A picture control: shows its picture unscaled at the top-left or stretched over the
// whole control, and lets its owner draw on the picture.

#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture; }
    // The picture to draw on; call update() when done.
    QImage& Canvas() { return picture; }
    void SetPicture(const QImage& image);
    void ClearPicture();

    bool Stretch() const { return stretch; }
    void SetStretch(bool value);

signals:
    void MouseDown(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture;
    bool stretch = false;
};
