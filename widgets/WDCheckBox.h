#pragma once
// The 16 by 16 bitmap check box of the dialogs, without text of its own (a separate
// label stands beside it).

#include <QWidget>

class TWDCheckBox : public QWidget {
    Q_OBJECT

public:
    explicit TWDCheckBox(QWidget* parent = nullptr);

    bool Checked() const { return checked; }
    void SetChecked(bool value);

signals:
    // Raised before Checked flips, so a handler still reads the value from before the click.
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool checked = false;
    bool mouseIn = false;
    bool mouseDown = false;
};
