#include "dialogs/TFormStatist.h"

#include "dialogs/DialogParts.h"
#include "dialogs/HighlightBar.h"
#include "dialogs/PrintPlacement.h"
#include "dialogs/StatisticsRules.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "game/VarUnit.h"
#include "platform/AppError.h"
#include "platform/ArtResources.h"
#include "platform/DefaultPrinter.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDSkin.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QShowEvent>

namespace {

constexpr int ListRowTop = 40;
constexpr int ListRowPitch = 16;
constexpr int ChartRowPitch = 26;

bool MemoryKind() {
    return StatisticsRules::LoadedKindIsMemory();
}

QString Today() {
    return StatisticsRules::PrintedDate(QLocale::system(), QDate::currentDate());
}

QPixmap Art(const QString& name) {
    return QPixmap::fromImage(ArtResources::LoadArt(name));
}

} // namespace

TFormStatist::TFormStatist(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Statistik"));
    setModal(true);
    setFixedSize(900, 520);
    DialogParts::SetFormFont(this);

    ImageBack = DialogParts::Background(this, QStringLiteral("STATIST_BACK"));
    lbWinTitle =
        DialogParts::WindowTitle(this, StatisticsRules::WindowTitle(false), QRect(366, 5, 166, 17));

    static constexpr QPoint places[8] = {{24, 36},   {239, 36},  {454, 36},  {24, 252},
                                         {239, 252}, {454, 252}, {669, 252}, {669, 36}};
    for (int k = 0; k < 8; ++k)
        WDPanel[k] = DialogParts::Panel(this, QRect(places[k], QSize(205, 205)),
                                        k == 7 ? TColour::cSolid : TColour::cTextur);
    for (int size = 1; size <= 6; ++size)
        CreateListPanel(size);
    CreateChartPanel();

    ImagePodest = new QLabel(WDPanel[7]);
    ImagePodest->setGeometry(3, 3, 199, 199);
    ImagePodest->setPixmap(Art(QStringLiteral("STATIST_PODEST")));

    ImageWinner = new QLabel(this);
    ImageWinner->resize(WinnerWidth, 12);
    ImageWinner->setPixmap(QPixmap::fromImage(
        HighlightBar::Laid(ArtResources::LoadArt(QStringLiteral("STATIST_WINNER")), WinnerWidth)));
    ImageWinner->hide();

    btnPrint = DialogParts::Button(this, QStringLiteral("Drucken"), QPoint(24, 468));
    connect(btnPrint, &TWDButton::OnClick, this, &TFormStatist::btnPrintClick);
    btnDelete = DialogParts::Button(this, QStringLiteral("Löschen"), QPoint(112, 468));
    connect(btnDelete, &TWDButton::OnClick, this, &TFormStatist::btnDeleteClick);
    btnOK = DialogParts::Button(this, QStringLiteral("OK"), QPoint(792, 468));
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    connect(btnOK, &TWDButton::OnClick, this, &TFormStatist::btnOKClick);
    wbClose = DialogParts::CloseButton(this, QPoint(872, 2));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormStatist::btnOKClick);

    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
}

QLabel* TFormStatist::Strip(QWidget* parent, const QString& artName, const QRect& place) {
    auto* strip = new QLabel(parent);
    strip->setGeometry(place);
    strip->setPixmap(Art(artName));
    return strip;
}

void TFormStatist::CreateListPanel(int size) {
    TWDPanel* panel = WDPanel[size - 1];
    Strip(panel, QStringLiteral("STATIST_TITLE"), QRect(0, 0, 205, 17));
    lbTitelMode[size - 1] = DialogParts::Text(panel, StatisticsRules::ListTitle(false, size),
                                              TimesPixels(13, true), WDSkin::TextLight);
    lbTitelMode[size - 1]->setGeometry(0, 0, 205, 17);
    lbTitelMode[size - 1]->setAlignment(Qt::AlignCenter);

    Strip(panel, QStringLiteral("STATIST_HEADER"), QRect(8, 24, 190, 15));
    const QFont head = TimesPixels(11, true);
    const struct {
        const char* text;
        QRect place;
        Qt::Alignment alignment;
    } heads[] = {{"Rang", QRect(8, 24, 33, 13), Qt::AlignHCenter | Qt::AlignVCenter},
                 {"Name", QRect(48, 24, 97, 13), Qt::AlignLeft | Qt::AlignVCenter},
                 {"Zeit", QRect(152, 24, 46, 13), Qt::AlignLeft | Qt::AlignVCenter}};
    for (const auto& column : heads) {
        QLabel* label =
            DialogParts::Text(panel, QString::fromUtf8(column.text), head, WDSkin::TextLight);
        label->setGeometry(column.place);
        label->setAlignment(column.alignment);
    }
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        QLabel* label =
            DialogParts::Text(panel, QString::number(rank), TimesPixels(12, true), Qt::black);
        label->setGeometry(16, ListRowTop + ListRowPitch * (rank - 1), 25, 13);
        label->setAlignment(Qt::AlignCenter);
    }
}

void TFormStatist::CreateChartPanel() {
    TWDPanel* panel = WDPanel[6];
    Strip(panel, QStringLiteral("STATIST_TITLE"), QRect(0, 0, 205, 17));
    lbChartTitle = DialogParts::Text(panel, QStringLiteral("Grafische Auswertung"),
                                     TimesPixels(13, true), WDSkin::TextLight);
    lbChartTitle->setGeometry(0, 0, 205, 17);
    lbChartTitle->setAlignment(Qt::AlignCenter);
    // The count text is light, like the column heads, and lies on the same kind of strip.
    Strip(panel, QStringLiteral("STATIST_HEADER"), QRect(8, 25, 190, 15));
    LabelStatsTitle = DialogParts::Text(panel, QString(), TimesPixels(11, true), WDSkin::TextLight);
    LabelStatsTitle->setGeometry(8, 24, 188, 17);
    LabelStatsTitle->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < 6; ++k) {
        const int row = ChartRowPitch * k;
        lbScale[k] = DialogParts::Text(panel, StatisticsRules::ChartLabel(false, k + 1),
                                       TimesPixels(12), Qt::black);
        lbScale[k]->setGeometry(6, 50 + row, 48, 13);
        lbScale[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ImageStatsScale[k] =
            Strip(panel, QStringLiteral("STATIST_SCALE"), QRect(56, 49 + row, 140, 16));
        ImageStats[k] = new QLabel(panel);
        ImageStats[k]->setGeometry(60, 54 + row, 0, 8);
    }
}

QLabel* TFormStatist::NameLabel(int size, int rank) const {
    return ListLabels.at((size - 1) * 20 + (rank - 1));
}

QLabel* TFormStatist::TimeLabel(int size, int rank) const {
    return ListLabels.at((size - 1) * 20 + 10 + (rank - 1));
}

void TFormStatist::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormStatist::FormShow() {
    CentreOnDesktop(this);
    const bool memory = MemoryKind();
    lbWinTitle->setText(StatisticsRules::WindowTitle(memory));
    for (int k = 0; k < 6; ++k) {
        lbTitelMode[k]->setText(StatisticsRules::ListTitle(memory, k + 1));
        lbScale[k]->setText(StatisticsRules::ChartLabel(memory, k + 1));
    }
    qDeleteAll(ListLabels);
    ListLabels.clear();
    for (int size = 1; size <= 6; ++size) {
        for (int column = 0; column < 2; ++column) {
            for (int rank = 1; rank <= RanksPerList; ++rank) {
                QLabel* label = DialogParts::Text(WDPanel[size - 1], QStringLiteral("Text"),
                                                  TimesPoints(9), Qt::black);
                label->setGeometry(column == 0 ? 48 : 152, ListRowTop + ListRowPitch * (rank - 1),
                                   column == 0 ? 97 : 46, 15);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->show();
                ListLabels.push_back(label);
            }
        }
    }
    ShowLists();
    ShowChart();
}

void TFormStatist::ShowLists() {
    ImageWinner->hide();
    const int highlighted =
        ResultJustAdded ? StatisticsRules::HighlightRank(GameSize, PlayerName, LastResultTime) : 0;
    for (int size = 1; size <= 6; ++size) {
        for (int rank = 1; rank <= RanksPerList; ++rank) {
            NameLabel(size, rank)->setText(StatisticsRules::ShownName(Result(size, rank).Name()));
            TimeLabel(size, rank)->setText(StatisticsRules::ShownName(Result(size, rank).Time()));
        }
    }
    if (highlighted > 0) {
        QLabel* name = NameLabel(GameSize, highlighted);
        ImageWinner->setParent(WDPanel[GameSize - 1]);
        ImageWinner->move(WinnerLeft, name->y() + 1);
        // Behind the labels of its row, in front of the panel's own painting.
        ImageWinner->lower();
        ImageWinner->show();
    }
}

void TFormStatist::SetBar(int k, int width) {
    QLabel* bar = ImageStats[k];
    bar->resize(width, 8);
    if (width <= 0) {
        bar->clear();
        return;
    }
    // The bar's rounded end stays whole: the body is cut to length, the end is put on.
    static const QImage art = ArtResources::LoadArt(QStringLiteral("STATIST_BAR"));
    const int end = std::min(3, width);
    // The art carries the screen's ratio; the bar is put together at the same resolution.
    const qreal ratio = art.devicePixelRatio();
    QImage shown(QSizeF(width * ratio, 8 * ratio).toSize(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    QPainter painter(&shown);
    painter.drawImage(QRectF(0, 0, width - end, 8), art,
                      QRectF(0, 0, (width - end) * ratio, 8 * ratio));
    painter.drawImage(QRectF(width - end, 0, end, 8), art,
                      QRectF(art.width() - end * ratio, 0, end * ratio, 8 * ratio));
    painter.end();
    bar->setPixmap(QPixmap::fromImage(shown));
}

void TFormStatist::ShowChart() {
    const bool memory = MemoryKind();
    std::array<int, 7> counters{};
    for (int k = 1; k <= 6; ++k)
        counters[k] = memory ? MemorySolved[k] : PuzzleSolved[k];
    const int total = memory ? MemorySolvedTotal : PuzzleSolvedTotal;
    const StatisticsRules::Chart chart =
        StatisticsRules::ChartOf(counters, total, memory, ImageStatsScale[0]->width() - 8);
    LabelStatsTitle->setText(chart.title);
    for (int k = 0; k < 6; ++k) {
        SetBar(k, chart.widths[k]);
        if (chart.hintsSet) {
            ImageStats[k]->setToolTip(chart.hints[k]);
            ImageStatsScale[k]->setToolTip(chart.hints[k]);
        }
    }
}

void TFormStatist::btnOKClick() {
    accept();
}

void TFormStatist::btnDeleteClick() {
    if (!FormStatistDelete)
        return;
    FormStatistDelete->exec();
    if (!DeleteConfirmed)
        return;
    ResultJustAdded = false;
    for (int size = 1; size <= 6; ++size) {
        if (!DeleteMarks[size - 1])
            continue;
        // Also takes the list's counter out of the total, never below 0.
        ClearResults(size, MemoryKind());
        for (int rank = 1; rank <= RanksPerList; ++rank) {
            NameLabel(size, rank)->clear();
            TimeLabel(size, rank)->clear();
        }
    }
    ShowLists();
    ShowChart();
}

void TFormStatist::btnPrintClick() {
    ShowPrintPreview();
    if (!PrintConfirmed || !printedPage)
        return;
    // A missing printer or a refused job goes to the error box and the window stays open.
    // The box is shown here: an exception would have to cross the toolkit's mouse
    // handling, which does not clean up behind it.
    try {
        if (!printProblem.isEmpty())
            throw AppError(printProblem);
        const StatisticsPage& page = *printedPage;
        const QTransform onSheet =
            PrintPlacement::OnSheet(printSheet, page.Rule().x1, page.Rule().x2);
        DefaultPrinter::PrintPage(printSheet, QStringLiteral("Tessaly - Statistik"),
                                  [page, onSheet](QPainter& painter) {
                                      painter.setTransform(onSheet, true);
                                      DrawPage(painter, page, 1);
                                  });
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
    }
}

void TFormStatist::ShowPrintPreview() {
    PrintConfirmed = false;
    if (!FormStatistPrintView)
        return;
    // The page is laid out once, shown here and printed from the preview as it is shown,
    // on the sheet of the printer it will print on.
    printedPage.emplace(1, MemoryKind(), Today());
    printProblem.clear();
    try {
        printSheet = DefaultPrinter::DefaultSheet();
    } catch (const AppError& error) {
        printSheet = DefaultPrinter::StandardSheet();
        printProblem = error.Message();
    }
    QImage& image = FormStatistPrintView->Page();
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const QTransform toPreview = PrintPlacement::SheetToPreview(printSheet.paper, image.size());
        painter.fillRect(toPreview.mapRect(QRectF(QPointF(0, 0), printSheet.paper)), Qt::white);
        const StatisticsPage::Line& rule = printedPage->Rule();
        painter.setTransform(PrintPlacement::OnSheet(printSheet, rule.x1, rule.x2) * toPreview);
        DrawPage(painter, *printedPage, 1);
    }
    FormStatistPrintView->exec();
}

void TFormStatist::DrawStatistics(QPainter& canvas, int divisor) {
    DrawPage(canvas, StatisticsPage(divisor, MemoryKind(), Today()), divisor);
}

void TFormStatist::DrawPage(QPainter& canvas, const StatisticsPage& page, int divisor) {
    const QColor ink(69, 58, 14);
    double unitsPerPoint = double(DefaultPrinter::UnitsPerInch) / 72;
    if (divisor > 1) {
        // Points of the device, undone by the painter's own scale.
        const double scale =
            canvas.worldTransform().m22() > 0 ? canvas.worldTransform().m22() : 1.0;
        unitsPerPoint = canvas.device()->logicalDpiY() / 72.0 / scale;
    }

    canvas.save();
    canvas.setBrush(Qt::NoBrush);
    canvas.setBackgroundMode(Qt::TransparentMode);
    QFont font = canvas.font();
    font.setFamily(QStringLiteral("Tahoma"));
    // Unhinted, a text measures the same in the preview as on the printer, so both cut it
    // at the same character.
    font.setHintingPreference(QFont::PreferNoHinting);
    for (const StatisticsPage::Text& text : page.Texts()) {
        if (text.points > 0)
            font.setPixelSize(std::max(1, qRound(text.points * unitsPerPoint)));
        font.setBold(text.bold);
        canvas.setFont(font);
        canvas.setPen(ink);
        canvas.drawText(QRect(text.x, text.y, 100000, 100000),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        StatisticsPage::Fitted(text.text, text.width, QFontMetricsF(font)));
    }
    const StatisticsPage::Line& rule = page.Rule();
    QPen pen(ink, rule.width);
    // Scaled down for the preview, the rule would fade below a pixel; it keeps one.
    if (rule.width * canvas.worldTransform().m22() < 1) {
        pen.setWidth(1);
        pen.setCosmetic(true);
    }
    canvas.setPen(pen);
    canvas.drawLine(rule.x1, rule.y, rule.x2, rule.y);
    canvas.restore();
}

void TFormStatist::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFormStatist::FormClose() {
    ImageWinner->hide();
    ImageWinner->setParent(this);
    qDeleteAll(ListLabels);
    ListLabels.clear();
}
