#pragma once
// The common body of the notice and question boxes: a borderless 280 x 140 window
// centred on the desktop, painted with the wooden background (skin bitmap "WMSG_BACK",
// shared by both boxes), with the caption on the plate, the text below it, dialog keys
// and dragging by the background.

#include <QDialog>

class QLabel;

class TWDBoxForm : public QDialog {
    Q_OBJECT

public:
    // Modal results: the first button, the second button (also any other way of closing).
    static constexpr int FirstButton = 1;
    static constexpr int SecondButton = 2;

    QLabel* ImageBack;
    QLabel* TextLabel;
    QLabel* CapLabel;

    // Sets the window title and the caption plate, and the message text.
    void SetTexts(const QString& caption, const QString& text);

    // Closing by the system (Alt+F4) or reject() ends with the second button's result.
    void reject() override;

protected:
    explicit TWDBoxForm(QWidget* parent);

    // Called once the subclass has created its buttons: label rule and dialog keys.
    void FormCreate();
};
