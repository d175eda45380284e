#include "TVLMUrlLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TVLMUrlLabel::TVLMUrlLabel(QWidget* owner)
    : TVLMUrlLabel(owner, QStringLiteral(TESSALY_WEB_ADDRESS), QStringLiteral(TESSALY_WEB_ADDRESS),
                   QStringLiteral("Velmora-Online...")) {}

TVLMUrlLabel::TVLMUrlLabel(QWidget* owner, const QString& address, const QString& caption,
                           const QString& hint)
    : QLabel(owner), address(address) {
    // The address is shown as it is, never read as markup.
    setTextFormat(Qt::PlainText);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    SetUnderlined(false);
    setToolTip(hint);
    setAutoFillBackground(false);
    // Hovering must be seen without a pressed button.
    setMouseTracking(true);
}

TVLMUrlLabel::~TVLMUrlLabel() = default;

void TVLMUrlLabel::Click() {
    emit OnClick();
    // Whether the desktop found a program for the link is of no interest: a link that
    // cannot be opened simply does nothing.
    QDesktopServices::openUrl(QUrl(address));
}

void TVLMUrlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed = true;
    QLabel::mousePressEvent(event);
}

void TVLMUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: only a press and release of the left button on the link clicks.
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Click();
}

void TVLMUrlLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (!hovered) {
        SetUnderlined(true);
        hovered = true;
    }
}

void TVLMUrlLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (hovered) {
        SetUnderlined(false);
        hovered = false;
    }
}

void TVLMUrlLabel::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    // A window closed with the mouse on the link sends no leave; without this the link
    // would still be underlined when the window is shown again.
    if (hovered) {
        SetUnderlined(false);
        hovered = false;
    }
}

void TVLMUrlLabel::SetUnderlined(bool underlined) {
    // The style is either underline alone or plain, whatever the form gave the label.
    QFont style = font();
    if (style.underline() == underlined && !style.bold() && !style.italic() && !style.strikeOut())
        return;
    style.setUnderline(underlined);
    style.setBold(false);
    style.setItalic(false);
    style.setStrikeOut(false);
    setFont(style);
}
