#pragma once
// The statistics window: the six best-time lists of the loaded kind of game, a chart of
// the solved games per size, and the way to clear lists and to print them. After a game
// it marks the result just added.

#include <QDialog>
#include <array>
#include <vector>

class QLabel;
class QPainter;
class TWDButton;
class TWDPanel;
class TWDWinButton;

class TFormStatist : public QDialog {
    Q_OBJECT

public:
    explicit TFormStatist(QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    void ShowLists();
    void ShowChart();
    void btnOKClick();
    void btnDeleteClick();
    void btnPrintClick();
    void ShowPrintPreview();

    // Draws the statistics page on `canvas` at 1/divisor of the printed size: divisor 1 for
    // the printer (in 1/600 inch), 3 for the preview (in pixels). Fonts are in points of the
    // canvas's device, whatever scale the painter draws at.
    void DrawStatistics(QPainter& canvas, int divisor);

    // The full width of a chart bar, for the largest counter.
    static constexpr int FullBarWidth = 132;

    // Components, named as in the window's layout. Panels 1..6 hold the lists of size
    // 1..6, panel 7 the chart, panel 8 the podium; all at indexes from 0.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    std::array<TWDPanel*, 8> WDPanel{};
    std::array<QLabel*, 6> lbTitelMode{};
    QLabel* lbChartTitle = nullptr;
    QLabel* LabelStatsTitle = nullptr;
    std::array<QLabel*, 6> lbScale{};
    std::array<QLabel*, 6> ImageStatsScale{};
    std::array<QLabel*, 6> ImageStats{};
    QLabel* ImagePodest = nullptr;
    QLabel* ImageWinner = nullptr;
    TWDButton* btnPrint = nullptr;
    TWDButton* btnDelete = nullptr;
    TWDButton* btnOK = nullptr;
    TWDWinButton* wbClose = nullptr;

    // The 120 labels of names and times while the window is shown: label
    // (s - 1) × 20 + (r - 1) holds the name of rank r of list s, 10 further on its time.
    std::vector<QLabel*> ListLabels;
    QLabel* NameLabel(int size, int rank) const;
    QLabel* TimeLabel(int size, int rank) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateListPanel(int size);
    void CreateChartPanel();
    QLabel* Strip(QWidget* parent, const QString& artName, const QRect& place);
    void SetBar(int k, int width);
};

// The program's one statistics window, created at start-up.
inline TFormStatist* FormStatist = nullptr;
