#include "ModalDriver.h"
#include "TestAudio.h"
#include "dialogs/TFormGreat.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "platform/ArtResources.h"
#include "platform/Random.h"
#include "sound/SoundCues.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDTOBU.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

class MemoryPlay : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        Random::FixSeed(99);
        TestAudio::Open();
        form = std::make_unique<TFormPuzzle>();
        ASSERT_TRUE(form->FormCreate());
        form->show();
    }

    void TearDown() override {
        form.reset();
        TestAudio::Close();
    }

    void Start(int size) {
        PlayMode = ModeMemory;
        GameSize = size;
        form->StartMemory();
        QCoreApplication::processEvents();
    }

    // A real click as the player makes it: the press on the card turns it up (hiding it).
    void Press(int k) { QTest::mousePress(Pieces[k], Qt::LeftButton, {}, QPoint(50, 50)); }
    // The release comes from the window system to the window, as it does on a real screen:
    // no widget holds the mouse any more once the card has hidden itself.
    void Release() {
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {},
                            form->Image1->mapTo(form.get(), QPoint(5, 5)));
    }
    void Click(int k) {
        Press(k);
        Release();
    }

    int Partner(int k) const {
        for (int other = 1; other <= PieceCount; ++other)
            if (other != k && Pieces[other]->Hint() == Pieces[k]->Hint())
                return other;
        return 0;
    }

    int NotPartner(int k) const {
        for (int other = 1; other <= PieceCount; ++other)
            if (other != k && Pieces[other]->Hint() != Pieces[k]->Hint())
                return other;
        return 0;
    }

    QImage BoardCell(int k) const {
        const QRect cell = HomeSlots[k]->geometry().translated(-form->Image1->pos());
        return form->Image1->Picture().copy(cell);
    }

    std::unique_ptr<TFormPuzzle> form;
};

} // namespace

TEST_F(MemoryPlay, ThreePairsLieOnAThreeByTwoBoardWithPartnersInTheBottomRow) {
    Start(1);
    EXPECT_EQ(form->Image1->geometry(), QRect(554, 10, 300, 200));
    EXPECT_EQ(form->LabeModeTitle->text(), "Paare:");
    EXPECT_EQ(form->StaticTextMode->text(), "3");
    EXPECT_FALSE(form->Image2->isVisible());
    ASSERT_EQ(PieceCount, 6);
    std::set<QString> topRow, bottomRow;
    for (int k = 1; k <= 6; ++k) {
        const QRect cell = HomeSlots[k]->geometry();
        // The first paint put each card exactly onto its cell.
        EXPECT_EQ(Pieces[k]->pos(), cell.topLeft());
        EXPECT_FALSE(Pieces[k]->Draggable());
        (cell.top() == 10 ? topRow : bottomRow).insert(Pieces[k]->Hint());
        EXPECT_EQ(k <= 3, cell.top() == 10);
    }
    EXPECT_EQ(topRow, (std::set<QString>{"1", "2", "3"}));
    EXPECT_EQ(bottomRow, topRow);
}

TEST_F(MemoryPlay, PairsShowDistinctMotifsPaintedUnderTheirCards) {
    Start(6);
    std::set<int> motifs(PairMotifs.begin() + 1, PairMotifs.begin() + 25);
    EXPECT_EQ(motifs.size(), 24u);
    for (int k = 1; k <= PieceCount; ++k) {
        const int motif = PairMotifs[static_cast<std::size_t>(Pieces[k]->Hint().toInt())];
        EXPECT_EQ(BoardCell(k).copy(10, 10, 80, 80),
                  ArtResources::LoadJpg(100 + motif).copy(10, 10, 80, 80))
            << "card " << k;
    }
}

TEST_F(MemoryPlay, TwoDifferentCardsShowWhileHeldAndTurnBackOnRelease) {
    Start(2);
    const int first = 1;
    const int second = NotPartner(first);
    Click(first);
    EXPECT_TRUE(Pieces[first]->isHidden()); // stays turned up
    Press(second);
    EXPECT_TRUE(Pieces[first]->isHidden());
    EXPECT_TRUE(Pieces[second]->isHidden());
    Release();
    EXPECT_FALSE(Pieces[first]->isHidden());
    EXPECT_FALSE(Pieces[second]->isHidden());
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 7); // no pair
    EXPECT_EQ(TurnedCount, 0);
    EXPECT_EQ(form->StaticTextMode->text(), "6");
}

TEST_F(MemoryPlay, APairBurstsOpenAndStaysOpen) {
    Start(2);
    const int first = 2;
    const int second = Partner(first);
    Click(first);
    Click(second);
    EXPECT_TRUE(Pieces[first]->isHidden());
    EXPECT_TRUE(Pieces[second]->isHidden());
    EXPECT_EQ(DoneCount, 2);
    EXPECT_EQ(form->StaticTextMode->text(), "5");
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 4); // fit
    // The burst's quarters are gone again: only the table, board and preview remain.
    EXPECT_EQ(form->PanelBack->findChildren<TImage*>(Qt::FindDirectChildrenOnly).size(), 3);

    // An open card does not react any more: a press on its place reaches the board.
    QTest::mousePress(form->Image1, Qt::LeftButton, {},
                      HomeSlots[first]->geometry().center() - form->Image1->pos());
    EXPECT_EQ(TurnedCount, 0);
}

TEST_F(MemoryPlay, OtherButtonsWhileACardIsHeldLeaveItItsOwnRelease) {
    Start(2);
    const QPoint somewhere = form->Image1->mapTo(form.get(), QPoint(5, 5));
    const int first = 1;
    Click(first);
    Press(Partner(first));
    // While the left button holds the card, the right and the middle button go down and up.
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(form->windowHandle(), other, {}, somewhere);
        QTest::mouseRelease(form->windowHandle(), other, {}, somewhere);
    }
    EXPECT_EQ(DoneCount, 0);
    Release();
    EXPECT_EQ(DoneCount, 2);
    EXPECT_EQ(TurnedCount, 0);

    // The game goes on: the next pair counts as well.
    int next = 1;
    while (Pieces[next]->isHidden())
        ++next;
    Click(next);
    Click(Partner(next));
    EXPECT_EQ(DoneCount, 4);
    EXPECT_EQ(form->StaticTextMode->text(), "4");
}

TEST_F(MemoryPlay, APuzzleStartedDuringTheBurstKeepsItsOwnCounter) {
    Start(2);
    Click(1);
    // The burst lets window messages through; the player starts a puzzle meanwhile.
    bool started = false;
    QTimer::singleShot(0, [&] {
        started = true;
        PlayMode = ModeStandard;
        GameSize = 1;
        form->StartPuzzle();
    });
    Click(Partner(1));
    ASSERT_TRUE(started);
    EXPECT_TRUE(PiecesCreated);
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(DoneCount, 0);
    EXPECT_EQ(form->LabeModeTitle->text(), "Teile:");
    EXPECT_EQ(form->StaticTextMode->text(), "9");
}

TEST_F(MemoryPlay, TipLightsUpAPairAndCostsFiveSeconds) {
    Start(2);
    form->TimerCounterTimer();
    form->mTipClick();
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:06");
    EXPECT_EQ(Pieces[TipCardA]->Hint(), Pieces[TipCardB]->Hint());
    EXPECT_NE(TipCardA, TipCardB);
    EXPECT_TRUE(TipBlinking);
    EXPECT_TRUE(form->mTip->Enabled());
    // Lit cards are brighter than the plain back; the next tick shows the back again.
    const QColor lit = Pieces[TipCardA]->ImageIdle().pixelColor(50, 50);
    form->TimerCounterTimer();
    const QColor back = Pieces[TipCardA]->ImageIdle().pixelColor(50, 50);
    EXPECT_GT(lit.lightness(), back.lightness());
    form->mTipClick();
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:12");
}

TEST_F(MemoryPlay, TipNeverPointsAtTheCardTurnedUp) {
    Start(1);
    Click(1);
    for (int i = 0; i < 10; ++i) {
        form->mTipClick();
        EXPECT_FALSE(Pieces[TipCardA]->isHidden());
        EXPECT_FALSE(Pieces[TipCardB]->isHidden());
        EXPECT_NE(Pieces[TipCardA]->Hint(), Pieces[1]->Hint());
    }
}

TEST_F(MemoryPlay, WholeGameRecordsInTheMemoryListOnly) {
    PlayerName = "Cleo";
    TFormGreat great;
    FormGreat = &great;
    QString congratulation;
    ModalDriver::AnswerNext([&congratulation](QWidget* dialog) {
        congratulation = static_cast<TFormGreat*>(dialog)->LabelText->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    Start(2);
    form->TimerCounterTimer();
    std::set<int> done;
    for (int k = 1; k <= PieceCount; ++k) {
        if (done.count(k))
            continue;
        const int partner = Partner(k);
        done.insert({k, partner});
        Click(k);
        Click(partner);
    }
    EXPECT_FALSE(PiecesCreated);
    EXPECT_EQ(form->StaticTextMode->text(), "0");
    EXPECT_EQ(MemorySolved[2], 1);
    EXPECT_EQ(PuzzleSolved[2], 0);
    EXPECT_EQ(Result(2, 1).Name(), "Cleo");
    EXPECT_EQ(Result(2, 1).Time(), "00:00:01");
    // The last pair's fit cue came first; then every sound stopped and the solved cue plays.
    EXPECT_NE(SoundChannels[4], 0u);
    EXPECT_LT(SoundChannels[4], SoundChannels[5]);
    EXPECT_EQ(TestAudio::PlayingSlots(), std::vector<int>({5}));
    EXPECT_EQ(congratulation, "Sie haben das Memory mit 6 Paare gelöst.");
    FormGreat = nullptr;
}
