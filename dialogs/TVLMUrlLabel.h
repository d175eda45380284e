#pragma once
// A label that looks and acts like a web link: hand cursor, blue text that is underlined
// while the mouse is over it, and a click that hands its address to the desktop.

#include <QLabel>

class TVLMUrlLabel : public QLabel {
    Q_OBJECT

public:
    // Links to the program's web site, which is also the caption.
    explicit TVLMUrlLabel(QWidget* owner = nullptr);
    ~TVLMUrlLabel() override;

    // The address given to the desktop when the label is clicked.
    QString Url() const { return address; }
    void SetUrl(const QString& value) { address = value; }

    // True from the first mouse movement over the link until the mouse leaves it.
    bool Hovered() const { return hovered; }

    // The label's own click, then the address opened with the desktop's default
    // handler. A link nothing can open (no browser, no mail program) does nothing.
    void Click();

signals:
    // Raised by every click, before the address is opened.
    void OnClick();

protected:
    // For links of other kinds: the address, the caption shown and the hint.
    TVLMUrlLabel(QWidget* owner, const QString& address, const QString& caption,
                 const QString& hint);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetUnderlined(bool underlined);

    QString address;
    bool hovered = false;
    bool pressed = false;
};
