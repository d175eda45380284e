// The statistics window at the end of a game, opened by the main window.

#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "TestHome.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "platform/Random.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDPanel.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class StatistAfterGame : public testing::Test {
protected:
    void SetUp() override {
        Random::FixSeed(4711);
        form = FreshMainWindow();
        ASSERT_TRUE(form);
        FormGreat = &great;
        FormStatist = &statist;
    }
    void TearDown() override {
        FormGreat = nullptr;
        FormStatist = nullptr;
        form.reset();
    }

    // A 9-piece game solved through tips; the congratulation is confirmed with Enter.
    void PlayNinePieces(const std::function<void(QWidget*)>& inStatist) {
        PlayMode = ModeStandard;
        GameSize = 1;
        form->StartPuzzle();
        ModalDriver::AnswerNext([inStatist](QWidget* congratulation) {
            if (inStatist)
                ModalDriver::AnswerNext(inStatist);
            QTest::keyClick(congratulation, Qt::Key_Return);
        });
        for (int k = 1; k <= 9 && PiecesCreated; ++k)
            form->mTipClick();
    }

    std::unique_ptr<TFormPuzzle> form;
    TFormGreat great;
    TFormStatist statist;
};

} // namespace

TEST_F(StatistAfterGame, ShowsTheListWithTheNewResultMarked) {
    PlayerName = "Dora";
    AddResult(1, "Ida", "00:00:00");
    bool marked = false;
    PlayNinePieces([this, &marked](QWidget* window) {
        EXPECT_EQ(window, &statist);
        EXPECT_TRUE(ResultJustAdded);
        marked = statist.ImageWinner->isVisible() &&
                 statist.ImageWinner->parentWidget() == statist.WDPanel[0] &&
                 statist.ImageWinner->y() == statist.NameLabel(1, 2)->y() + 1;
        EXPECT_EQ(statist.NameLabel(1, 2)->text(), "Dora");
        QTest::keyClick(window, Qt::Key_Return);
    });
    EXPECT_TRUE(marked);
    EXPECT_FALSE(ResultJustAdded);
    EXPECT_FALSE(statist.isVisible());
}

TEST_F(StatistAfterGame, StaysClosedWhenTheSettingIsOff) {
    PlayerName = "Dora";
    Statist = false;
    PlayNinePieces(nullptr);
    EXPECT_FALSE(PiecesCreated);
    EXPECT_EQ(Result(1, 1).Name(), "Dora");
    EXPECT_FALSE(statist.isVisible());
}

TEST_F(StatistAfterGame, AfterACancelledStartTheLoadedMemoryListsAreShownAndCleared) {
    TFormChangeMode changeMode;
    TFormStatistDelete erase;
    FormChangeMode = &changeMode;
    FormStatistDelete = &erase;
    // A Memory game was started: the Memory lists are loaded.
    PlayMode = ModeMemory;
    StatisticsFileName = StatisticsFileNameFor(DataDir, ModeMemory);
    LoadStatistics(StatisticsFileName);
    AddResult(1, "Mia", "00:00:31");
    MemorySolved[1] = 2;
    MemorySolvedTotal = 2;
    PuzzleSolved[1] = 5;
    PuzzleSolvedTotal = 5;
    // A picture is opened, and the game start dialog it brings is cancelled.
    QImage picture(800, 600, QImage::Format_RGB888);
    picture.fill(QColor(40, 120, 200));
    const QString file = TestHome::Path() + "/blau.jpg";
    ASSERT_TRUE(picture.save(file, "JPG"));
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    form->OpenPictureFile(file);
    ASSERT_EQ(PlayMode, ModeStandard);

    QString title;
    QString firstName;
    QString choice;
    ModalDriver::AnswerNext([&](QWidget* window) {
        title = statist.lbWinTitle->text();
        firstName = statist.NameLabel(1, 1)->text();
        ModalDriver::AnswerNext([&](QWidget*) {
            choice = erase.Label[0]->text();
            QTest::mouseClick(erase.CheckBox[0], Qt::LeftButton, {}, QPoint(5, 5));
            erase.Timer1Timer();
            ModalDriver::PressKeyOnNext(Qt::Key_Return);
            QTest::mouseClick(erase.btnDelete, Qt::LeftButton, {}, QPoint(5, 5));
        });
        QTest::mouseClick(statist.btnDelete, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(window, Qt::Key_Return);
    });
    QTest::keyClick(form.get(), Qt::Key_F2);
    FormChangeMode = nullptr;
    FormStatistDelete = nullptr;

    EXPECT_EQ(title, "Statistik - Memory");
    EXPECT_EQ(firstName, "Mia");
    EXPECT_EQ(choice, "Memory mit 3 Paare");
    EXPECT_FALSE(Result(1, 1).IsUsed());
    EXPECT_EQ(MemorySolved[1], 0);
    EXPECT_EQ(MemorySolvedTotal, 0);
    EXPECT_EQ(PuzzleSolved[1], 5);
    EXPECT_EQ(PuzzleSolvedTotal, 5);
}
