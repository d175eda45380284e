// Printing the statistics through the whole program onto a real print server of the
// test's own: F2, "Drucken", "Drucken" in the preview, and the PDF that comes out.

#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "PrivatePrinter.h"
#include "StuckPrintServer.h"
#include "TestHome.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Word {
    QRectF box;
    QString text;
};

// The words pdftotext finds on the page, with their boxes in points.
std::vector<Word> Words(const QString& pdf);

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<Word> Words(const QString& pdf) {
    const QString boxes = Output("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                  "yMax=\"([0-9.]+)\">([^<]*)<");
    std::vector<Word> words;
    for (const QRegularExpressionMatch& match : word.globalMatch(boxes))
        words.push_back(
            {QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                    QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())),
             match.captured(5)});
    return words;
}

// The ends of the longest dark horizontal line in the top third of the page, in points:
// the rule under the page title.
std::pair<double, double> RuleOf(const QString& pdf) {
    constexpr int dpi = 150;
    QTemporaryDir folder;
    QProcess render;
    render.start("pdftoppm", {"-r", QString::number(dpi), "-gray", "-singlefile", pdf,
                              folder.filePath("page")});
    render.waitForFinished(60000);
    const QImage page(folder.filePath("page.pgm"));
    int bestLength = 0;
    int bestLeft = 0;
    for (int y = 0; y < page.height() / 3; ++y) {
        int run = 0;
        for (int x = 0; x <= page.width(); ++x) {
            if (x < page.width() && qGray(page.pixel(x, y)) < 200) {
                ++run;
                continue;
            }
            if (run > bestLength) {
                bestLength = run;
                bestLeft = x - run;
            }
            run = 0;
        }
    }
    return {bestLeft * 72.0 / dpi, (bestLeft + bestLength) * 72.0 / dpi};
}

class Printing : public testing::Test {
protected:
    void SetUp() override {
        form = FreshMainWindow();
        ASSERT_TRUE(form);
        FormStatist = &statist;
        FormStatistDelete = &erase;
        FormStatistPrintView = &preview;

        // A statistics file as an earlier session left it.
        AddResult(1, QStringLiteral("Christophorus Winter"), QStringLiteral("00:00:42"));
        AddResult(1, QStringLiteral("Ida"), QStringLiteral("00:00:37"));
        AddResult(4, QStringLiteral("Jonas"), QStringLiteral("00:07:13"));
        AddResult(6, QStringLiteral("Greta"), QStringLiteral("01:02:03"));
        SaveStatistics(StatisticsFileName);
        ResetStatistics();
        LoadStatistics(StatisticsFileName);
    }
    void TearDown() override {
        FormStatist = nullptr;
        FormStatistDelete = nullptr;
        FormStatistPrintView = nullptr;
        form.reset();
    }

    // F2, "Drucken" in the window, `inPreview` and "Drucken" in the preview; then
    // `afterPrint` while the statistics window is still open, and OK.
    void PrintThroughTheWindow(const std::function<void(QWidget*)>& afterPrint,
                               const std::function<void()>& inPreview = nullptr) {
        bool statistShown = false;
        ModalDriver::AnswerNext([&](QWidget* window) {
            statistShown = window == &statist;
            ModalDriver::AnswerNext([this, inPreview](QWidget* view) {
                EXPECT_EQ(view, &preview);
                if (inPreview)
                    inPreview();
                QTest::mouseClick(preview.btnViewPrint, Qt::LeftButton, {}, QPoint(10, 10));
            });
            QTest::mouseClick(statist.btnPrint, Qt::LeftButton, {}, QPoint(10, 10));
            afterPrint(window);
            QTest::mouseClick(statist.btnOK, Qt::LeftButton, {}, QPoint(10, 10));
        });
        QTest::keyClick(form.get(), Qt::Key_F2);
        EXPECT_TRUE(statistShown);
        EXPECT_FALSE(statist.isVisible());
    }

    // Waits for the program's error box, keeps its text in boxText and closes it.
    void AnswerErrorBox() {
        auto poll = std::make_shared<std::function<void()>>();
        auto attempts = std::make_shared<int>(0);
        auto text = boxText;
        *poll = [poll, attempts, text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *text = box->text();
                box->accept();
                *poll = nullptr;
                return;
            }
            if (++*attempts < 3000)
                QTimer::singleShot(10, *poll);
            else
                *poll = nullptr;
        };
        QTimer::singleShot(0, *poll);
    }

    std::shared_ptr<QString> boxText = std::make_shared<QString>();
    std::unique_ptr<TFormPuzzle> form;
    TFormStatist statist;
    TFormStatistDelete erase;
    TFormStatistPrintView preview;
};

} // namespace

TEST_F(Printing, OnePortraitPageWithTheListsReachesTheDefaultPrinter) {
    PrivatePrinter printer(true);
    ASSERT_TRUE(printer.Ready()) << printer.Problem().toStdString();
    PrintThroughTheWindow([](QWidget*) {});

    const QString pdf = printer.WaitForPdf(60);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out of the printer";
    const QString text = Output("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("Tessaly - Statistik vom")) << text.toStdString();
    for (const char* title : {"Puzzle mit 9 Teile", "Puzzle mit 16 Teile", "Puzzle mit 25 Teile",
                              "Puzzle mit 36 Teile", "Puzzle mit 49 Teile", "Puzzle mit 64 Teile"})
        EXPECT_TRUE(text.contains(QLatin1String(title))) << title;
    for (const char* entry :
         {"Ida", "00:00:37", "00:00:42", "Jonas", "00:07:13", "Greta", "01:02:03"})
        EXPECT_TRUE(text.contains(QLatin1String(entry))) << entry;
    // Stored with 15 characters, printed with 10.
    EXPECT_TRUE(text.contains("Christopho"));
    EXPECT_FALSE(text.contains("Christophor"));

    const QString info = Output("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    const double width = size.captured(1).toDouble();
    const double height = size.captured(2).toDouble();
    const bool a4 = std::abs(width - 595) < 2 && std::abs(height - 842) < 2;
    const bool letter = std::abs(width - 612) < 2 && std::abs(height - 792) < 2;
    EXPECT_TRUE(a4 || letter) << width << " x " << height;

    // Every word lies on the page, and the title has the size of 14 points whatever the
    // printer's resolution.
    const QString boxes = Output("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                  "yMax=\"([0-9.]+)\">([^<]*)<");
    int words = 0;
    for (const QRegularExpressionMatch& match : word.globalMatch(boxes)) {
        ++words;
        EXPECT_GE(match.captured(1).toDouble(), 0);
        EXPECT_GE(match.captured(2).toDouble(), 0);
        EXPECT_LE(match.captured(3).toDouble(), width);
        EXPECT_LE(match.captured(4).toDouble(), height);
        if (match.captured(5) == "Statistik") {
            const double tall = match.captured(4).toDouble() - match.captured(2).toDouble();
            EXPECT_GT(tall, 10);
            EXPECT_LT(tall, 22);
        }
    }
    EXPECT_GT(words, 40);
}

TEST_F(Printing, TheBlockIsCentredEveryTextStaysAboveTheRuleAndThePreviewShowsIt) {
    // The Memory lists, whose titles are the widest, with names as a damaged or forged file
    // holds them.
    PlayMode = ModeMemory;
    StatisticsFileName = StatisticsFileNameFor(DataDir, ModeMemory);
    ResetStatistics();
    AddResult(2, QStringLiteral("WWWWWWWWWW"), QStringLiteral("00:01:00"));
    AddResult(2, QStringLiteral("line1\nline2\nl3"), QStringLiteral("00:02:00"));
    AddResult(3, QString::fromUtf8("\x1b[31mX\x07\t\r\xc2\x81Ute"), QStringLiteral("00:03:00"));
    PrivatePrinter printer(true);
    ASSERT_TRUE(printer.Ready()) << printer.Problem().toStdString();
    QImage shown;
    PrintThroughTheWindow([](QWidget*) {}, [&] { shown = preview.ImagePage->pixmap().toImage(); });
    const QString pdf = printer.WaitForPdf(60);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out of the printer";

    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")
            .match(Output("pdfinfo", {pdf}));
    ASSERT_TRUE(size.hasMatch());
    const QRectF sheet(0, 0, size.captured(1).toDouble(), size.captured(2).toDouble());
    const auto [left, right] = RuleOf(pdf);
    ASSERT_GT(right - left, sheet.width() / 2) << "no rule found";
    // The test's printer prints to the paper's edges: the block is centred on the sheet.
    EXPECT_NEAR(left, sheet.width() - right, 2.0);

    const std::vector<Word> words = Words(pdf);
    ASSERT_GT(words.size(), 40u);
    QString all;
    const Word* wide = nullptr;
    for (const Word& word : words) {
        all += word.text + ' ';
        EXPECT_TRUE(sheet.contains(word.box)) << word.text.toStdString();
        EXPECT_GE(word.box.left(), left - 1) << word.text.toStdString();
        EXPECT_LE(word.box.right(), right + 1) << word.text.toStdString();
        for (const QChar character : word.text)
            EXPECT_TRUE(character.isPrint()) << word.text.toStdString();
        if (word.text.startsWith("WWW"))
            wide = &word;
    }
    EXPECT_TRUE(all.contains("Memory mit 10 Paare ")) << all.toStdString();
    // One line each, the control characters left out, the wide name cut before its time.
    EXPECT_TRUE(all.contains("line1line2 ")) << all.toStdString();
    EXPECT_TRUE(all.contains("[31mXUte ")) << all.toStdString();
    ASSERT_NE(wide, nullptr);
    for (const Word& word : words) {
        if (word.text == "00:01:00") {
            EXPECT_LT(wide->box.right(), word.box.left());
        }
    }

    // The preview is the printed sheet, scaled to its width: its ink lies where the print's
    // rule spans, and the rule is there too.
    ASSERT_EQ(shown.width(), 428);
    const double scale = shown.width() / sheet.width();
    int inkLeft = shown.width();
    int inkRight = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qAlpha(shown.pixel(x, y)) > 0 && qGray(shown.pixel(x, y)) < 200) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    EXPECT_NEAR(inkLeft, left * scale, 2.0);
    EXPECT_NEAR(inkRight + 1, right * scale, 2.0);
}

TEST_F(Printing, APrintServerThatNeverAnswersIsReportedAndTheWindowStays) {
    StuckPrintServer server;
    ASSERT_TRUE(server.Ready());
    AnswerErrorBox();
    bool stayed = false;
    PrintThroughTheWindow([&](QWidget* window) { stayed = window->isVisible(); });
    EXPECT_EQ(*boxText, "Der Druckdienst antwortet nicht.");
    EXPECT_TRUE(stayed);
}

TEST_F(Printing, WithoutADefaultPrinterTheErrorBoxShowsAndTheWindowStays) {
    PrivatePrinter printer(false);
    ASSERT_TRUE(printer.Ready()) << printer.Problem().toStdString();
    AnswerErrorBox();
    bool stayed = false;
    PrintThroughTheWindow([&](QWidget* window) { stayed = window->isVisible(); });
    EXPECT_EQ(*boxText, "Es ist kein Standarddrucker eingerichtet.");
    EXPECT_TRUE(stayed);
}

TEST_F(Printing, APrinterThatRefusesJobsGivesItsReason) {
    PrivatePrinter printer(true);
    ASSERT_TRUE(printer.Ready()) << printer.Problem().toStdString();
    ASSERT_TRUE(printer.Reject(QStringLiteral("Papierstau im Fach 2")));
    AnswerErrorBox();
    bool stayed = false;
    PrintThroughTheWindow([&](QWidget* window) { stayed = window->isVisible(); });
    EXPECT_TRUE(boxText->contains("TessalyPDF")) << boxText->toStdString();
    EXPECT_TRUE(boxText->contains("Papierstau im Fach 2")) << boxText->toStdString();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(printer.WaitForPdf(3).isEmpty());
}
