#pragma once
// The 16 pixel high horizontal slider and scroll bar: two arrow buttons that step at once
// and again while held, a thumb to drag, a track that pages toward the pointer, jumps to
// either end, keys and the mouse wheel.

#include <QWidget>

class QTimer;

class TWDHorBar : public QWidget {
    Q_OBJECT

public:
    explicit TWDHorBar(QWidget* parent = nullptr);

    // Width of the bar in pixels; never below 52 (two arrows and the thumb).
    int BarWidth() const { return barWidth; }
    void SetBarWidth(int value);

    // Min < Max and Min <= Position <= Max always hold; a Min or Max that would break
    // this is ignored.
    int Min() const { return min; }
    void SetMin(int value);
    int Max() const { return max; }
    void SetMax(int value);

    // Clamped into Min..Max; raises OnChange after every assignment, even an unchanged one.
    int Position() const { return position; }
    void SetPosition(int value);

    // Amount of one arrow, key or wheel step; never below 1. While OnChange runs for a
    // jump to either end it holds the distance jumped.
    int Step() const { return step; }
    void SetStep(int value) { step = std::max(value, 1); }

    // Repeat interval in milliseconds while an arrow or the track is held, after a first
    // pause of RepeatDelay; never below 1.
    int Track() const { return track; }
    void SetTrack(int value);

    bool WheelScroll() const { return wheelScroll; }
    void SetWheelScroll(bool value) { wheelScroll = value; }
    bool KeyScroll() const { return keyScroll; }
    void SetKeyScroll(bool value) { keyScroll = value; }

    // Stored, never drawn.
    QString Caption() const { return caption; }
    void SetCaption(const QString& value) { caption = value; }

    static constexpr int RepeatDelay = 300;

    // Drawn look of an arrow button.
    enum class TArrowState { Norm, Move, Down, Disable };
    TArrowState LeftArrow() const { return leftState; }
    TArrowState RightArrow() const { return rightState; }

signals:
    void OnChange();
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void JumpToStart();
    void JumpToEnd();
    void RepeatTick();
    void StepArrows();
    void PageTowardPress();
    void BeginDrag(int x);
    void StartRepeating();
    void SetFocusLook(bool value);
    void DrawArrow(bool left, TArrowState requested);
    TArrowState ShownState(bool left) const;
    void ForceSize();

    int barWidth = 100;
    int min = 0;
    int max = 100;
    int position = 0;
    int step = 1;
    int track = 10;
    bool wheelScroll = true;
    bool keyScroll = true;
    QString caption;

    bool focusLook = false;
    bool pressed = false;
    bool clickArmed = false;
    // What the held button does: step by the arrows, drag the thumb or page the track.
    enum class Holding { Nothing, Arrow, Thumb, Track };
    Holding holding = Holding::Nothing;
    // Where the pointer took the thumb, from the thumb's left edge.
    int thumbGrip = 0;
    int downX = 0;
    int wheelRest = 0;
    TArrowState leftState = TArrowState::Norm;
    TArrowState rightState = TArrowState::Norm;
    QTimer* repeat;
};
