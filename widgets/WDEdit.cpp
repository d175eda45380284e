#include "WDEdit.h"

#include "FormStyle.h"
#include "WDSkin.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

namespace {

const int fieldHeight = 26;
const int endWidth = 8;

bool ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

TWDEdit::TWDEdit(QWidget* parent) : QWidget(parent), popupMenu(new QMenu(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(editWidth, fieldHeight);

    cutItem = popupMenu->addAction(QStringLiteral("Ausschneiden"), this, [this] {
        CopyToClipboard();
        ChangeText({});
    });
    copyItem =
        popupMenu->addAction(QStringLiteral("Kopieren"), this, [this] { CopyToClipboard(); });
    pasteItem =
        popupMenu->addAction(QStringLiteral("Einfügen"), this, [this] { PasteFromClipboard(); });
    deleteItem = popupMenu->addAction(QStringLiteral("Löschen"), this, [this] { ChangeText({}); });
    selectAllItem = popupMenu->addAction(QStringLiteral("Alles markieren"), this,
                                         [this] { SetSelected(true); });
    connect(popupMenu, &QMenu::aboutToShow, this, &TWDEdit::UpdatePopupMenu);
}

bool TWDEdit::AcceptsChar(QChar character) {
    const char16_t c = character.unicode();
    if (c == u'-' || c == u'.')
        return true;
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    return c == u'Ä' || c == u'Ö' || c == u'Ü' || c == u'ä' || c == u'ö' || c == u'ü';
}

QString TWDEdit::FitText(QString text, const QFontMetrics& metrics, int limit) {
    // Cut while too wide. A text that with its caret exactly fills the field stays whole:
    // typing into a full field must not also take away the character before.
    while (!text.isEmpty() && metrics.horizontalAdvance(text + u'_') > limit)
        text.chop(1);
    return text;
}

QFont TWDEdit::TextFont() const {
    return TimesPoints(fontSize, bold);
}

// The text is cut to the field as soon as it changes, so that even an edit that is not
// on screen never holds more than it can show.
void TWDEdit::ChangeText(const QString& value) {
    text = FitText(value, QFontMetrics(TextFont()), editWidth - 2 * endWidth);
    if (text.isEmpty())
        selected = false;
    update();
}

void TWDEdit::SetText(const QString& value) {
    if (text == value)
        return;
    ChangeText(value);
}

void TWDEdit::SetSize(int value) {
    if (fontSize == value)
        return;
    fontSize = value;
    ChangeText(text);
}

void TWDEdit::SetBold(bool value) {
    if (bold == value)
        return;
    bold = value;
    ChangeText(text);
}

void TWDEdit::SetCenter(bool value) {
    if (center == value)
        return;
    center = value;
    update();
}

void TWDEdit::SetUpper(bool value) {
    if (upper == value)
        return;
    upper = value;
    update();
}

void TWDEdit::SetSelected(bool value) {
    value = value && !text.isEmpty();
    if (selected == value)
        return;
    selected = value;
    update();
}

void TWDEdit::SetEditWidth(int value) {
    if (editWidth == value)
        return;
    editWidth = std::max(value, 16);
    if (width() != editWidth || height() != fieldHeight)
        resize(editWidth, fieldHeight);
    ChangeText(text);
}

void TWDEdit::ClearIfSelected() {
    if (!selected)
        return;
    selected = false;
    ChangeText({});
}

void TWDEdit::CopyToClipboard() {
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// Pasted text replaces the whole text as it is (not filtered, not upper-cased); only
// what fits is kept.
void TWDEdit::PasteFromClipboard() {
    if (ClipboardHasText())
        ChangeText(QGuiApplication::clipboard()->text());
}

void TWDEdit::UpdatePopupMenu() {
    const bool hasText = !text.isEmpty();
    copyItem->setEnabled(hasText);
    cutItem->setEnabled(hasText);
    deleteItem->setEnabled(hasText);
    selectAllItem->setEnabled(hasText);
    pasteItem->setEnabled(ClipboardHasText());
}

void TWDEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SetEditWidth(width());
    if (size() != QSize(editWidth, fieldHeight))
        resize(editWidth, fieldHeight);
}

void TWDEdit::paintEvent(QPaintEvent*) {
    if (size() != QSize(editWidth, fieldHeight))
        resize(editWidth, fieldHeight);
    QPainter painter(this);
    const int w = editWidth;
    const QString look = focused ? QStringLiteral("WDE_FOCUS") : QStringLiteral("WDE_NORM");
    WDSkin::DrawOpaque(painter, QRect(endWidth, 0, w - 2 * endWidth, fieldHeight), look);
    WDSkin::DrawOpaque(painter, QRect(0, 0, endWidth, fieldHeight), look + "_LEFT");
    WDSkin::DrawOpaque(painter, QRect(w - endWidth, 0, endWidth, fieldHeight), look + "_RIGHT");

    const QFont font = TextFont();
    const QFontMetrics metrics(font);
    text = FitText(text, metrics, w - 2 * endWidth);
    if (text.isEmpty())
        selected = false;

    const QString shown = focused ? text + u'_' : text;
    const int textWidth = metrics.horizontalAdvance(shown);
    const int y = fieldHeight / 2 - metrics.height() / 2;
    const int x = center ? w / 2 - textWidth / 2 : endWidth;
    if (selected && focused)
        painter.fillRect(QRect(x, y, textWidth, metrics.height()), QColor(62, 46, 17));
    QColor colour = WDSkin::TextLight;
    if (focused)
        colour = selected ? QColor(245, 239, 224) : QColor(251, 247, 230);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, y + metrics.ascent(), shown);
    painter.end();
    emit OnChange();
}

void TWDEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool alt = event->modifiers() & Qt::AltModifier;

    if (key == Qt::Key_Space && !ctrl && !alt) {
        ClearIfSelected();
        selected = false;
        ChangeText(text + u' ');
        return;
    }
    if (key == Qt::Key_Backspace) {
        ClearIfSelected();
        if (!text.isEmpty()) {
            ChangeText(text.chopped(1));
            return;
        }
    } else if (ctrl && key == Qt::Key_Delete) {
        ClearIfSelected();
        if (!text.isEmpty()) {
            ChangeText({});
            return;
        }
    } else if (ctrl && key == Qt::Key_X) {
        if (!text.isEmpty()) {
            CopyToClipboard();
            ChangeText({});
        }
    } else if (ctrl && key == Qt::Key_C) {
        CopyToClipboard();
    } else if (ctrl && key == Qt::Key_V) {
        PasteFromClipboard();
    } else if (ctrl && key == Qt::Key_A) {
        SetSelected(true);
    } else if (!ctrl && !alt && event->text().size() == 1 && AcceptsChar(event->text()[0])) {
        // Typing replaces a selected text.
        ClearIfSelected();
        const QChar typed = event->text()[0];
        ChangeText(text + (upper ? typed.toUpper() : typed));
        return;
    }
    // Everything else goes on to the form (Enter and Escape to its buttons, for one).
    QWidget::keyPressEvent(event);
}

void TWDEdit::mousePressEvent(QMouseEvent* event) {
    if (!focused && isEnabled())
        setFocus(Qt::MouseFocusReason);
    clickArmed = event->button() == Qt::LeftButton;
}

void TWDEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (!clickArmed || event->button() != Qt::LeftButton)
        return;
    clickArmed = false;
    if (!rect().contains(event->position().toPoint()))
        return;
    setFocus(Qt::MouseFocusReason);
    SetSelected(false);
    emit OnClick();
}

// The second press of a double click selects; its release is not another click.
void TWDEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    clickArmed = false;
    if (!text.isEmpty())
        SetSelected(true);
    emit OnDblClick();
}

void TWDEdit::focusInEvent(QFocusEvent* event) {
    focused = true;
    update();
    QWidget::focusInEvent(event);
}

void TWDEdit::focusOutEvent(QFocusEvent* event) {
    focused = false;
    update();
    QWidget::focusOutEvent(event);
}

void TWDEdit::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu->exec(event->globalPos());
}
