// Printing the statistics through the whole program onto a real print server of the
// test's own: F2, "Drucken", "Drucken" in the preview, and the PDF that comes out.

#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "PrivatePrinter.h"
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
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
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

    // F2, "Drucken" in the window, "Drucken" in the preview; then `afterPrint` while the
    // statistics window is still open, and OK.
    void PrintThroughTheWindow(const std::function<void(QWidget*)>& afterPrint) {
        bool statistShown = false;
        ModalDriver::AnswerNext([&](QWidget* window) {
            statistShown = window == &statist;
            ModalDriver::AnswerNext([this](QWidget* view) {
                EXPECT_EQ(view, &preview);
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
