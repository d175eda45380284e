#pragma once
// The title of a section of the chooser ("Verzeichnis", "Dateien (3)", ...): light bold text
// on a small plate of dark wood with a golden rim, as the tooltips wear it, so that it reads
// clearly on the panels' mid-brown wood.

#include <QLabel>

class TSectionLabel : public QLabel {
    Q_OBJECT

public:
    TSectionLabel(const QString& text, QWidget* parent, const QFont& font);

    // The plate behind the text, as wide as the text needs; it follows every new text.
    QRect PlateRect() const;
    static constexpr int Padding = 5;

protected:
    void paintEvent(QPaintEvent* event) override;
};
