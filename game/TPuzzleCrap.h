#pragma once
// A puzzle piece or memory card: shows its picture with a small black shadow, lifts while
// the mouse button is held on it and, as a piece, follows the pointer until release.

#include <QImage>
#include <QWidget>

class TPuzzleCrap : public QWidget {
    Q_OBJECT
public:
    explicit TPuzzleCrap(QWidget* parent = nullptr);

    bool Pressed() const { return pressed; }
    bool Draggable() const { return draggable; }
    void SetDraggable(bool value) { draggable = value; }
    bool FirstPaint() const { return firstPaint; }

    // The picture shown now; setting it copies the image and repaints.
    const QImage& ImageIdle() const { return imageIdle; }
    void SetImageIdle(const QImage& image);
    const QImage& ImageResting() const { return imageResting; }
    const QImage& ImageRaised() const { return imageRaised; }
    const QImage& ImagePlain() const { return imagePlain; }

    // Shows the picture without any shadow again.
    void RestorePlain();

    int Tag() const { return tag; }
    void SetTag(int value) { tag = value; }

    // A number the game keeps with the piece (its stack number in a cascade, its pair
    // number as a card); never shown.
    const QString& Hint() const { return hint; }
    void SetHint(const QString& value) { hint = value; }

signals:
    void OnMouseDown(TPuzzleCrap* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     QPoint position);
    void OnMouseUp(TPuzzleCrap* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   QPoint position);
    void OnMouseMove(TPuzzleCrap* sender, Qt::KeyboardModifiers shift, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildShadows();
    void Lift();
    void Lower();
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);

    bool pressed = false;
    bool draggable = true;
    bool firstPaint = true;
    bool dragging = false;
    // A card hides itself when it is turned up on the press; its release then goes to
    // whatever lies below, so the card watches for the release of the button it was
    // pressed with (grabButton).
    bool awaitingRelease = false;
    int tag = 0;
    QString hint;
    QImage imageIdle;
    QImage imageResting;
    QImage imageRaised;
    QImage imagePlain;
    // Where the pointer took hold of the piece, in piece coordinates, and with what.
    QPoint grabOffset;
    QPoint pressPosition;
    Qt::MouseButton grabButton = Qt::NoButton;
    Qt::KeyboardModifiers grabShift;
};
