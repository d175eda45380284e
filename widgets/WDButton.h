#pragma once
// The text push button of the dialogs (OK, Abbrechen, the mode and size buttons), drawn
// from the "WOB_*" bitmaps of its style with a centred caption.

#include "WDSkinButton.h"

// Size and bitmap set of a TWDButton.
enum class TStyle { s84x26, s110x32, s100x80 };

class TWDButton : public TWDSkinButton {
    Q_OBJECT

public:
    explicit TWDButton(QWidget* parent = nullptr);

    // A latch set only by the owner: the button draws as pressed while it is true.
    bool Downed() const { return downed; }
    void SetDowned(bool value);

    QString Caption() const { return caption; }
    void SetCaption(const QString& value);

    // Font size in points (default 10) and weight (default bold) of the caption.
    int TextSize() const { return textSize; }
    void SetTextSize(int value);
    bool TextBold() const { return textBold; }
    void SetTextBold(bool value);

    TStyle Style() const { return style; }
    void SetStyle(TStyle value);

    // Enter clicks a Default button, Escape a Cancel button (a button may be both).
    bool Default() const { return isDefault; }
    void SetDefault(bool value) { isDefault = value; }
    bool Cancel() const { return isCancel; }
    void SetCancel(bool value) { isCancel = value; }

    bool DialogKey(int key) override;

    static QSize SizeOf(TStyle style);

protected:
    QSize ForcedSize() const override { return SizeOf(style); }
    void paintEvent(QPaintEvent* event) override;

private:
    QString BitmapName() const;
    QColor TextColour() const;

    bool downed = false;
    QString caption;
    int textSize = 10;
    bool textBold = true;
    TStyle style = TStyle::s84x26;
    bool isDefault = false;
    bool isCancel = false;
};
