#pragma once
// The framed panel behind every dialog section: a solid, gradient or wood-textured
// inside, a frame of eight bitmap pieces and an optional title plate. Also DrawGradient,
// the gradient painter the panel fills with.

#include <QColor>
#include <QList>
#include <QWidget>

class QPainter;

// How a TWDPanel fills its inside.
enum class TColour { cSolid, cGradient, cTextur };

// Whether DrawGradient draws horizontal lines (colours change from top to bottom) or
// vertical lines (colours change from left to right).
enum class TGradientLines { Horizontal, Vertical };

// Fills `area` with lines running through `colours` in equal segments; neighbouring
// segments share their boundary line. Throws AppError for fewer than two colours.
void DrawGradient(QPainter& painter, const QRect& area, TGradientLines lines,
                  const QList<QColor>& colours);

class TWDPanel : public QWidget {
    Q_OBJECT

public:
    explicit TWDPanel(QWidget* parent = nullptr);

    QString Title() const { return title; }
    void SetTitle(const QString& value);
    bool TitleBold() const { return titleBold; }
    void SetTitleBold(bool value);
    bool TitleShow() const { return titleShow; }
    void SetTitleShow(bool value);

    // Width of the frame in pixels; never below 1.
    int Broad() const { return broad; }
    void SetBroad(int value);

    TColour Colour() const { return colour; }
    void SetColour(TColour value);

    // Stored, never drawn.
    QString Caption() const { return caption; }
    void SetCaption(const QString& value) { caption = value; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TitleRect() const;
    void UpdateTitle();

    QString title = QStringLiteral("Title");
    bool titleBold = true;
    bool titleShow = true;
    int broad = 10;
    TColour colour = TColour::cSolid;
    QString caption;
};
