#include "dialogs/TFormStatist.h"
#include "ModalDriver.h"
#include "TestHome.h"
#include "dialogs/HighlightBar.h"
#include "dialogs/StatisticsRules.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDPanel.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
}

class StatisticsWindow : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        GameSize = 1;
        FormStatistDelete = &erase;
        FormStatistPrintView = &preview;
    }
    void TearDown() override {
        FormStatistDelete = nullptr;
        FormStatistPrintView = nullptr;
        ResetSettings();
        ResetStatistics();
        StatisticsFileName.clear();
    }

    // The lists of `mode`'s kind are the ones loaded, and the game is in that mode.
    static void Play(std::uint8_t mode) {
        PlayMode = mode;
        StatisticsFileName = StatisticsFileNameFor(TestHome::Path() + "/", mode);
    }

    // Shows the window modally and runs `actions` while it is up, then leaves it with OK.
    void Show(const std::function<void()>& actions) {
        QTimer::singleShot(0, [this, actions] {
            ASSERT_EQ(QApplication::activeModalWidget(), &window);
            actions();
            Click(window.btnOK);
        });
        window.exec();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(window.ListLabels.empty());
    }

    // As at the end of a game: the result is added and the window shows it.
    void ShowAfterGame(int size, const QString& name, const QString& time,
                       const std::function<void()>& actions) {
        GameSize = size;
        PlayerName = name;
        LastResultTime = time;
        AddResult(size, name, time);
        ResultJustAdded = true;
        Show(actions);
        ResultJustAdded = false;
    }

    // The rank the highlight bar marks, 0 when it is hidden.
    int MarkedRank() const {
        if (!window.ImageWinner->isVisible())
            return 0;
        EXPECT_EQ(window.ImageWinner->parentWidget(), window.WDPanel[GameSize - 1]);
        EXPECT_EQ(window.ImageWinner->x(), 7);
        return (window.ImageWinner->y() - 1 - 40) / 16 + 1;
    }

    TFormStatist window;
    TFormStatistDelete erase;
    TFormStatistPrintView preview;
};

} // namespace

TEST_F(StatisticsWindow, NoResultsShowEmptyListsWithRanksAndNoBars) {
    for (const std::uint8_t mode : {ModeStandard, ModeMemory}) {
        Play(mode);
        Show([this, mode] {
            ASSERT_EQ(window.ListLabels.size(), 120u);
            for (QLabel* label : window.ListLabels)
                EXPECT_TRUE(label->text().isEmpty());
            const bool memory = mode == ModeMemory;
            EXPECT_EQ(window.lbWinTitle->text(),
                      memory ? "Statistik - Memory" : "Statistik - Puzzle");
            EXPECT_EQ(window.lbTitelMode[5]->text(),
                      memory ? "Memory mit 24 Paare" : "Puzzle mit 64 Teile");
            EXPECT_EQ(window.lbScale[0]->text(), memory ? "3 Paare:" : "9 Teile:");
            EXPECT_EQ(window.LabelStatsTitle->text(),
                      memory ? QStringLiteral("Noch kein Memory gelöst.")
                             : QStringLiteral("Noch kein Puzzle gelöst."));
            for (QLabel* bar : window.ImageStats)
                EXPECT_EQ(bar->width(), 0);
            QStringList ranks;
            for (QLabel* label : window.WDPanel[0]->findChildren<QLabel*>())
                if (label->x() == 16)
                    ranks << label->text();
            EXPECT_EQ(ranks, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        });
    }
}

TEST_F(StatisticsWindow, BarsAreScaledToTheLargestCounterWithTheirCountsAsHints) {
    PuzzleSolved = {0, 3, 0, 6, 0, 0, 0};
    PuzzleSolvedTotal = 9;
    Show([this] {
        EXPECT_EQ(window.LabelStatsTitle->text(), QStringLiteral("9 Puzzles gelöst"));
        const int widths[6] = {66, 0, 132, 0, 0, 0};
        const char* hints[6] = {"3", "0", "6", "0", "0", "0"};
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(window.ImageStats[k]->width(), widths[k]) << k;
            EXPECT_EQ(window.ImageStats[k]->toolTip(), hints[k]);
            EXPECT_EQ(window.ImageStatsScale[k]->toolTip(), hints[k]);
        }
    });
}

TEST_F(StatisticsWindow, ChartTextsAndATotalWithoutUsableCounters) {
    using StatisticsRules::ChartOf;
    EXPECT_EQ(ChartOf({0, 1, 0, 0, 0, 0, 0}, 1, true, 132).title,
              QStringLiteral("1 Memory gelöst"));
    EXPECT_EQ(ChartOf({0, 1, 0, 0, 0, 0, 0}, -2, false, 132).title,
              QStringLiteral("-2 Puzzles gelöst"));
    // A hand-edited file: a total, but no counter above 0 to divide by.
    const auto broken = ChartOf({0, 0, -4, 0, 0, 0, 0}, 7, false, 132);
    EXPECT_EQ(broken.title, QStringLiteral("7 Puzzles gelöst"));
    for (const int width : broken.widths)
        EXPECT_EQ(width, 0);
    EXPECT_EQ(broken.hints[1], "-4");
    // Large counters do not overflow on their way to a width.
    EXPECT_EQ(ChartOf({0, 2000000000, 1000000000, 0, 0, 0, 0}, 5, false, 132).widths[1], 66);
}

TEST_F(StatisticsWindow, OnlyTheResultJustAddedIsMarkedAndOnlyAfterAGame) {
    AddResult(2, "Ida", "00:01:00");
    ShowAfterGame(2, "Jonas", "00:02:00", [this] { EXPECT_EQ(MarkedRank(), 2); });
    // From the menu the same entry is not marked.
    Show([this] { EXPECT_EQ(MarkedRank(), 0); });
    // The same player and time as an older entry: the better-ranked of the two.
    AddResult(2, "Jonas", "00:01:30");
    ShowAfterGame(2, "Jonas", "00:01:30", [this] { EXPECT_EQ(MarkedRank(), 2); });
}

TEST_F(StatisticsWindow, TheMarkedTimeStaysWhollyReadableOnTheBar) {
    ShowAfterGame(3, "Lotte", "00:02:59", [this] {
        ASSERT_EQ(MarkedRank(), 1);
        const QLabel* time = window.TimeLabel(3, 1);
        const int textEnd = time->x() + QFontMetrics(time->font()).horizontalAdvance(time->text());
        const QRect bar = window.ImageWinner->geometry();
        // Inside the panel's frame of 3 pixels, with the rounded end past the time.
        EXPECT_LE(bar.x() + bar.width(), 205 - 3);
        EXPECT_GE(bar.x() + bar.width() - HighlightBar::EndWidth, textEnd);
        // Under the digits the bar is plain: no sparkle.
        const QImage shown = window.ImageWinner->pixmap().toImage();
        for (int x = time->x(); x < textEnd; ++x) {
            const QColor middle = shown.pixelColor(x - bar.x(), 6);
            EXPECT_LT(std::min({middle.red(), middle.green(), middle.blue()}), 200) << x;
        }
    });
}

TEST_F(StatisticsWindow, ALongNameIsShownCutAndNotMarked) {
    ShowAfterGame(3, "Christophorus Winter", "00:03:00", [this] {
        EXPECT_EQ(window.NameLabel(3, 1)->text(), "Christophorus W");
        EXPECT_EQ(window.TimeLabel(3, 1)->text(), "00:03:00");
        EXPECT_EQ(MarkedRank(), 0);
    });
}

TEST_F(StatisticsWindow, AResultThatStaysAtRankTenIsStillMarked) {
    for (int k = 0; k < 10; ++k)
        AddResult(4, QStringLiteral("P%1").arg(k), QStringLiteral("00:00:%1").arg(10 + k));
    ShowAfterGame(4, "Langsam", "09:00:00", [this] {
        EXPECT_EQ(window.NameLabel(4, 10)->text(), "Langsam");
        EXPECT_EQ(MarkedRank(), 10);
    });
}

TEST_F(StatisticsWindow, DeletingTheMarkedListClearsItTakesItsCountAndTheMark) {
    PuzzleSolved = {0, 0, 4, 0, 0, 0, 0};
    PuzzleSolvedTotal = 10;
    AddResult(5, "Anton", "00:05:00");
    ShowAfterGame(2, "Greta", "00:02:00", [this] {
        EXPECT_EQ(MarkedRank(), 1);
        ModalDriver::AnswerNext([this](QWidget* dialog) {
            EXPECT_EQ(dialog, &erase);
            Click(erase.CheckBox[1]);
            erase.Timer1Timer();
            // "Ja" is the question's default button.
            ModalDriver::PressKeyOnNext(Qt::Key_Return);
            Click(erase.btnDelete);
        });
        Click(window.btnDelete);
        EXPECT_EQ(MarkedRank(), 0);
        EXPECT_TRUE(window.NameLabel(2, 1)->text().isEmpty());
        EXPECT_EQ(window.NameLabel(5, 1)->text(), "Anton");
        EXPECT_EQ(window.LabelStatsTitle->text(), QStringLiteral("6 Puzzles gelöst"));
    });
    EXPECT_FALSE(Result(2, 1).IsUsed());
    EXPECT_EQ(PuzzleSolved[2], 0);
    EXPECT_EQ(PuzzleSolvedTotal, 6);
}

TEST_F(StatisticsWindow, PreviewIsDrawnFreshEachTimeAndCancellingPrintsNothing) {
    Play(ModeMemory);
    AddResult(1, "Mia", "00:00:31");
    int drawn = 0;
    Show([this, &drawn] {
        for (int time = 0; time < 2; ++time) {
            ModalDriver::AnswerNext([this, &drawn](QWidget* dialog) {
                EXPECT_EQ(dialog, &preview);
                const QImage page = preview.ImagePage->pixmap().toImage();
                EXPECT_EQ(page.size(), QSize(428, 516));
                // Ink where the title lies, nothing far below the lists.
                const auto ink = [&page](int x, int y) {
                    return qAlpha(page.pixel(x, y)) > 0 && qGray(page.pixel(x, y)) < 160;
                };
                int inked = 0;
                for (int y = 10; y < 30; ++y)
                    for (int x = 18; x < 200; ++x)
                        inked += ink(x, y) ? 1 : 0;
                drawn += inked > 10 ? 1 : 0;
                EXPECT_FALSE(ink(200, 480));
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            Click(window.btnPrint);
            EXPECT_FALSE(PrintConfirmed);
            EXPECT_EQ(qAlpha(preview.Page().pixel(30, 24)), 0) << "the page was not cleared";
        }
    });
    EXPECT_EQ(drawn, 2);
}

namespace {

class DeletionDialog : public StatisticsWindow {
protected:
    void Run(const std::function<void()>& actions) {
        QTimer::singleShot(0, [this, actions] {
            ASSERT_EQ(QApplication::activeModalWidget(), &erase);
            actions();
            if (erase.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                erase.done(QDialog::Rejected);
            }
        });
        erase.exec();
    }
};

} // namespace

TEST_F(DeletionDialog, OpensUncheckedAndAllSixCanBeMarked) {
    Play(ModeMemory);
    Run([this] {
        Click(erase.CheckBox[0]);
        Click(erase.btnCancel);
    });
    EXPECT_FALSE(DeleteConfirmed);
    Run([this] {
        EXPECT_EQ(erase.Label[0]->text(), "Memory mit 3 Paare");
        EXPECT_EQ(erase.Label[5]->text(), "Memory mit 24 Paare");
        for (TWDCheckBox* box : erase.CheckBox)
            EXPECT_FALSE(box->Checked());
        Click(erase.btnCheckAll);
        ModalDriver::AnswerNext([](QWidget* question) {
            EXPECT_TRUE(ModalDriver::LabelTexts(question).contains(
                QStringLiteral("Sollen die gewählten Kategorien wirklich gelöscht werden?")));
            QTest::keyClick(question, Qt::Key_Return);
        });
        erase.Timer1Timer();
        Click(erase.btnDelete);
    });
    EXPECT_TRUE(DeleteConfirmed);
    for (const bool mark : DeleteMarks)
        EXPECT_TRUE(mark);
}

TEST_F(DeletionDialog, DeleteIsDisabledWithinHalfASecondAndNoKeepsTheDialogOpen) {
    Run([this] {
        TWDButton* button = erase.btnDelete;
        Click(erase.CheckBox[2]);
        EXPECT_TRUE(QTest::qWaitFor([button] { return button->Enabled(); }, 1000));
        Click(erase.CheckBox[2]);
        EXPECT_TRUE(QTest::qWaitFor([button] { return !button->Enabled(); }, 1000));
        Click(erase.CheckBox[3]);
        EXPECT_TRUE(QTest::qWaitFor([button] { return button->Enabled(); }, 1000));
        ModalDriver::PressKeyOnNext(Qt::Key_Escape);
        Click(button);
        EXPECT_TRUE(erase.isVisible());
        EXPECT_TRUE(erase.CheckBox[3]->Checked());
        EXPECT_FALSE(DeleteConfirmed);
        QTest::keyClick(&erase, Qt::Key_Escape);
    });
    EXPECT_FALSE(DeleteConfirmed);
}
