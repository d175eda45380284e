#pragma once
// The single-line name entry of the dialogs, drawn from bitmaps: text is only added or
// removed at its end, the whole text is the only selection, and the text never grows
// wider than the field (what does not fit is cut off at the end).

#include <QWidget>

class QAction;
class QMenu;

class TWDEdit : public QWidget {
    Q_OBJECT

public:
    explicit TWDEdit(QWidget* parent = nullptr);

    QString Text() const { return text; }
    void SetText(const QString& value);

    // Font size in points (default 11) and weight (default normal).
    int Size() const { return fontSize; }
    void SetSize(int value);
    bool Bold() const { return bold; }
    void SetBold(bool value);

    // Centre the text; otherwise it starts at x = 8.
    bool Center() const { return center; }
    void SetCenter(bool value);

    // Typed letters become capitals.
    bool Upper() const { return upper; }
    void SetUpper(bool value);

    // The whole text is selected; always false while the text is empty.
    bool Selected() const { return selected; }
    void SetSelected(bool value);

    // Width of the field in pixels; never below 16. The field is always 26 high.
    int EditWidth() const { return editWidth; }
    void SetEditWidth(int value);

    // The context menu: Ausschneiden, Kopieren, Einfügen, Löschen, Alles markieren.
    QMenu* PopupMenu() const { return popupMenu; }

    // Whether typing `character` adds it: "-", ".", digits, ASCII letters and the six
    // German umlauts.
    static bool AcceptsChar(QChar character);

    // `text` shortened at its end until it, followed by the caret "_", is no wider than
    // `limit` pixels as measured by `metrics`.
    static QString FitText(QString text, const QFontMetrics& metrics, int limit);

signals:
    // Raised at the end of every paint.
    void OnChange();
    void OnClick();
    void OnDblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QFont TextFont() const;
    // Stores a new text, cut to fit, and repaints.
    void ChangeText(const QString& value);
    void ClearIfSelected();
    void CopyToClipboard();
    void PasteFromClipboard();
    void UpdatePopupMenu();

    QString text;
    int fontSize = 11;
    bool bold = false;
    bool center = false;
    bool upper = false;
    bool selected = false;
    int editWidth = 100;
    bool focused = false;
    bool clickArmed = false;

    QMenu* popupMenu;
    QAction* cutItem;
    QAction* copyItem;
    QAction* pasteItem;
    QAction* deleteItem;
    QAction* selectAllItem;
};
