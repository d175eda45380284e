#pragma once
// The 30 by 30 icon buttons of the main window's tool bar, with an Alt hot key.

#include "WDSkinButton.h"

#include <QImage>

// Hot key of a tool bar button: Alt+F1 to Alt+F10, Alt+A to Alt+Z.
enum class TBHotKey {
    None,
    Alt_F1,
    Alt_F2,
    Alt_F3,
    Alt_F4,
    Alt_F5,
    Alt_F6,
    Alt_F7,
    Alt_F8,
    Alt_F9,
    Alt_F10,
    Alt_A,
    Alt_B,
    Alt_C,
    Alt_D,
    Alt_E,
    Alt_F,
    Alt_G,
    Alt_H,
    Alt_I,
    Alt_J,
    Alt_K,
    Alt_L,
    Alt_M,
    Alt_N,
    Alt_O,
    Alt_P,
    Alt_Q,
    Alt_R,
    Alt_S,
    Alt_T,
    Alt_U,
    Alt_V,
    Alt_W,
    Alt_X,
    Alt_Y,
    Alt_Z
};

class TWDToBu : public TWDSkinButton {
    Q_OBJECT

public:
    explicit TWDToBu(QWidget* parent = nullptr);

    // A latch set only by the owner: the button draws as pressed (and its icon darkened)
    // while it is true.
    bool Downed() const { return downed; }
    void SetDowned(bool value);

    // Stored for the form's use, never drawn.
    QString Caption() const { return caption; }
    void SetCaption(const QString& value) { caption = value; }

    TBHotKey HotKey() const { return hotKey; }
    void SetHotKey(TBHotKey value) { hotKey = value; }

    // The 24 by 24 icon; the button keeps its own copy. The colour of its top-left pixel
    // is transparent.
    const QImage& PicIdle() const { return picIdle; }
    void SetPicIdle(const QImage& value);

    // The hot key clicks the button (when Enabled and visible) but is never reported
    // handled, so the rest of the form still sees it.
    bool DialogKey(int key) override;

    // The Qt key a hot key stands for (Qt::Key_F1.., Qt::Key_A..); 0 for None.
    static int KeyOf(TBHotKey hotKey);

    // The icon as drawn in the pressed and disabled looks: 24-bit, every channel lowered
    // by 60, not below 0.
    static QImage Darkened(const QImage& icon);

protected:
    QSize ForcedSize() const override { return {30, 30}; }
    void paintEvent(QPaintEvent* event) override;

private:
    bool downed = false;
    QString caption;
    TBHotKey hotKey = TBHotKey::None;
    QImage picIdle;
    // The icon as last drawn and its transparent colour.
    QImage drawnIcon;
    QRgb iconKey = 0;
};
