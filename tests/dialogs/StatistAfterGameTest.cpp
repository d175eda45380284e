// The statistics window at the end of a game, opened by the main window.

#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "TestHome.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "platform/Random.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDPanel.h"

#include <QApplication>
#include <QDir>
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
