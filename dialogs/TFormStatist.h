#pragma once
// The statistics window: the six best-time lists of the loaded kind of game, a chart of
// the solved games per size, and the way to clear lists and to print them. After a game
// it marks the result just added.

#include "dialogs/StatisticsPage.h"
#include "platform/DefaultPrinter.h"
#include "widgets/OnDemandWindow.h"

#include <QDialog>
#include <array>
#include <optional>
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

    // Draws the statistics page on `canvas` at 1/divisor of the printed size. Divisor 1 is
    // the page the printer prints and the preview shows, in units of 1/600 inch with fonts
    // in points of that page, whatever device and scale the painter draws at; the smaller
    // layouts of larger divisors are in the canvas's pixels, their fonts in its points.
    void DrawStatistics(QPainter& canvas, int divisor);

    // The full width of a chart bar, for the largest counter.
    static constexpr int FullBarWidth = 132;
    // The highlight bar reaches from the left of the rank to the inner edge of the panel,
    // so that its rounded end lies past the marked time.
    static constexpr int WinnerLeft = 7;
    static constexpr int WinnerWidth = 195;

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
    // Draws `page` as DrawStatistics does; reads nothing else, so that the printer's thread
    // can draw a page laid out here.
    static void DrawPage(QPainter& canvas, const StatisticsPage& page, int divisor);

    void CreateListPanel(int size);
    void CreateChartPanel();
    QLabel* Strip(QWidget* parent, const QString& artName, const QRect& place);
    void SetBar(int k, int width);

    // The page the preview showed, the sheet it showed it on and, when no printer could be
    // asked, why: "Drucken" in the preview prints exactly that page there, or says that.
    std::optional<StatisticsPage> printedPage;
    DefaultPrinter::Sheet printSheet;
    QString printProblem;
};

// The program's one statistics window, made when it is first needed.
inline OnDemandWindow<TFormStatist> FormStatist;
