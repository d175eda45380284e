#include "ModalDriver.h"
#include "TestAudio.h"
#include "TestHome.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormGreat.h"
#include "game/GameClock.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "picturedialog/TOpenDialogForm.h"
#include "picturedialog/TThumbImage.h"
#include "platform/Random.h"
#include "sound/SoundCues.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"
#include "widgets/WDTOBU.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A puzzle game on motif 1, started the way the game start dialog starts it.
class PuzzlePlay : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        Random::FixSeed(4711);
        TestAudio::Open();
        form = std::make_unique<TFormPuzzle>();
        ASSERT_TRUE(form->FormCreate());
        form->show();
    }

    void TearDown() override {
        form.reset();
        TestAudio::Close();
    }

    void Start(std::uint8_t mode, int size) {
        PlayMode = mode;
        GameSize = size;
        form->StartPuzzle();
        QCoreApplication::processEvents();
    }

    // Takes the piece, moves the pointer to `target` (play-area coordinates) and lets go.
    void DragTo(TPuzzleCrap* piece, QPoint target, QPoint grab = QPoint(5, 5),
                Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(piece, button, {}, grab);
        const QPoint global = form->PanelBack->mapToGlobal(target);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, piece->mapFromGlobal(QPointF(global)), QPointF(global),
                         button, button, {});
        QApplication::sendEvent(piece, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, piece->mapFromGlobal(QPointF(global)),
                            QPointF(global), button, Qt::NoButton, {});
        QApplication::sendEvent(piece, &release);
    }

    QRect Home(int k) const { return HomeSlots[k]->geometry(); }

    std::unique_ptr<TFormPuzzle> form;
};

} // namespace

TEST(GameClock, CountsSecondsMinutesAndHoursAndStopsAtItsLimit) {
    GameClock::Reset();
    EXPECT_EQ(GameClock::Text(), "00:00:00");
    ClockMinutes = 59;
    ClockSeconds = 59;
    GameClock::Tick();
    EXPECT_EQ(GameClock::Text(), "01:00:00");
    ClockHours = 23;
    ClockMinutes = 59;
    ClockSeconds = 59;
    GameClock::Tick();
    EXPECT_EQ(GameClock::Text(), "24:00:00");
    ClockHours = 99;
    ClockMinutes = 59;
    ClockSeconds = 58;
    GameClock::Tick();
    GameClock::Tick();
    EXPECT_EQ(GameClock::Text(), "99:59:59");
}

TEST_F(PuzzlePlay, StandardScattersEveryPieceInTheStripLeftOfTheBoard) {
    Start(ModeStandard, 1);
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(form->StaticTextMode->text(), "9");
    const int boardLeft = form->Image1->x();
    for (int k = 1; k <= 9; ++k) {
        const QRect piece = Pieces[k]->geometry();
        EXPECT_TRUE(Pieces[k]->isVisible());
        EXPECT_TRUE(Pieces[k]->isEnabled());
        // 130 + random(...), nudged 1 up-left, then 2 right and down by the first paint.
        // Where the strip is narrower than a piece, the range is one piece width.
        const int range = std::max(boardLeft - Home(k).width(), Home(k).width());
        EXPECT_GE(piece.top(), 131);
        EXPECT_LE(piece.bottom(), 620);
        EXPECT_GE(piece.left(), 5);
        EXPECT_LE(piece.left(), 4 + range - 1 + 1);
    }
    EXPECT_TRUE(form->TimerCounter->isActive());
    EXPECT_TRUE(form->mTip->Enabled());
    EXPECT_TRUE(form->mPause->Enabled());
    EXPECT_FALSE(form->mPause->Downed());
    EXPECT_EQ(TestAudio::PlayingSlots(), std::vector<int>({1, 8})); // start cue and music
}

TEST_F(PuzzlePlay, DropCountsByThePointerEdgesIncluded) {
    Start(ModeStandard, 1);
    // Exactly on the right and bottom edge of the home rectangle: placed.
    DragTo(Pieces[1], Home(1).topLeft() + QPoint(Home(1).width(), Home(1).height()));
    EXPECT_TRUE(Pieces[1]->isHidden());
    EXPECT_EQ(DoneCount, 1);
    EXPECT_EQ(form->StaticTextMode->text(), "8");
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 4); // fit
    // The board now shows the piece's pixels at its home.
    EXPECT_EQ(form->Image1->Picture().copy(
                  QRect(Home(1).topLeft() - form->Image1->pos(), Home(1).size())),
              Pieces[1]->ImagePlain());

    // One pixel further out: not placed, the piece stays where it was dropped.
    const QPoint outside = Home(2).topLeft() + QPoint(Home(2).width() + 1, 3);
    DragTo(Pieces[2], outside);
    EXPECT_TRUE(Pieces[2]->isVisible());
    EXPECT_EQ(DoneCount, 1);
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 2); // drop
}

TEST_F(PuzzlePlay, TheMiddleButtonTakesAPieceAndOnlyTheRightOneIsIgnored) {
    Start(ModeStandard, 1);
    DragTo(Pieces[1], Home(1).center(), QPoint(5, 5), Qt::MiddleButton);
    EXPECT_TRUE(Pieces[1]->isHidden());
    EXPECT_EQ(DoneCount, 1);
    EXPECT_TRUE(TestAudio::Playing(3));         // take
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 4); // fit

    const QPoint before = Pieces[2]->pos();
    DragTo(Pieces[2], Home(2).center(), QPoint(5, 5), Qt::RightButton);
    EXPECT_TRUE(Pieces[2]->isVisible());
    EXPECT_EQ(Pieces[2]->pos(), before);
    EXPECT_EQ(DoneCount, 1);
}

TEST_F(PuzzlePlay, PieceCoveringItsHomeButReleasedWithThePointerOutsideStays) {
    Start(ModeStandard, 1);
    // Grab the piece near its right edge, so that its picture covers the home rectangle
    // while the pointer lies beyond it.
    TPuzzleCrap* piece = Pieces[3];
    const QPoint grab(piece->width() - 2, 10);
    DragTo(piece, Home(3).topLeft() + grab + QPoint(4, 2), grab);
    EXPECT_TRUE(piece->isVisible());
    EXPECT_TRUE(piece->geometry().intersects(Home(3)));
    EXPECT_EQ(DoneCount, 0);
    EXPECT_EQ(TestAudio::LastPlayingSlot(), 2); // drop
}

TEST_F(PuzzlePlay, PieceDroppedPartlyOutsideIsPushedBackIntoThePlayArea) {
    Start(ModeStandard, 1);
    TPuzzleCrap* piece = Pieces[4];
    DragTo(piece, QPoint(2, 615));
    EXPECT_GE(piece->x(), 0);
    EXPECT_LE(piece->geometry().bottom(), 619);
    EXPECT_EQ(piece->y() + piece->height(), 620);
    DragTo(piece, QPoint(862, 1));
    EXPECT_EQ(piece->x() + piece->width(), 864);
    EXPECT_GE(piece->y(), 0);
}

TEST_F(PuzzlePlay, KaskadeStackRisesTwoPixelsPerPieceAndOnlyTheTopPieceReacts) {
    Start(ModeKaskade, 6);
    ASSERT_EQ(PieceCount, 64);
    const int ph = 500 / 8;
    std::vector<TPuzzleCrap*> byStack(65, nullptr);
    int enabled = 0;
    for (int k = 1; k <= 64; ++k) {
        byStack[static_cast<std::size_t>(Pieces[k]->Hint().toInt())] = Pieces[k];
        enabled += Pieces[k]->isEnabled() ? 1 : 0;
    }
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(ActiveStackNumber, 64);
    // Before the first paint the stack ran from (4, 554) to (130, 428).
    EXPECT_EQ(byStack[1]->pos(), QPoint(4, 620 - ph - 4) + QPoint(2, 2));
    EXPECT_EQ(byStack[1]->pos(), QPoint(6, 556));
    EXPECT_EQ(byStack[64]->pos(), QPoint(132, 430));
    EXPECT_TRUE(byStack[64]->isEnabled());

    // A wrong drop keeps the top piece the only one that reacts.
    DragTo(byStack[64], QPoint(300, 600));
    EXPECT_TRUE(byStack[64]->isEnabled());
    EXPECT_FALSE(byStack[63]->isEnabled());
    // Placing it hands over to the next lower stack number.
    DragTo(byStack[64], Home(byStack[64]->Tag()).center());
    EXPECT_TRUE(byStack[64]->isHidden());
    EXPECT_TRUE(byStack[63]->isEnabled());
    EXPECT_EQ(ActiveStackNumber, 63);
}

TEST_F(PuzzlePlay, PressOnAPieceEndsThePause) {
    Start(ModeStandard, 1);
    form->mPauseClick();
    EXPECT_TRUE(form->mPause->Downed());
    // While paused the clock stands.
    form->TimerCounterTimer();
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:00");
    QTest::mousePress(Pieces[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form->mPause->Downed());
    EXPECT_TRUE(Pieces[1]->Pressed());
    QTest::mouseRelease(Pieces[1], Qt::LeftButton, {}, QPoint(5, 5));
    form->TimerCounterTimer();
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:01");
}

TEST_F(PuzzlePlay, ClockStandsWhileADialogIsOpen) {
    Start(ModeStandard, 1);
    form->TimerCounterTimer();
    DialogOpen = true;
    form->TimerCounterTimer();
    form->TimerCounterTimer();
    DialogOpen = false;
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:01");
}

TEST_F(PuzzlePlay, EachTipPlacesOnePieceAndCostsFiveSeconds) {
    Start(ModeStandard, 1);
    form->TimerCounterTimer();
    form->mTipClick();
    EXPECT_EQ(DoneCount, 1);
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:06");
    EXPECT_TRUE(form->mTip->Enabled());
    form->mPauseClick();
    form->mTipClick();
    EXPECT_EQ(DoneCount, 2);
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:11");
    EXPECT_FALSE(form->mPause->Downed());
}

TEST_F(PuzzlePlay, KaskadeTipTakesTheTopPiece) {
    Start(ModeKaskade, 1);
    TPuzzleCrap* top = nullptr;
    for (int k = 1; k <= 9; ++k)
        if (Pieces[k]->Hint() == "9")
            top = Pieces[k];
    ASSERT_NE(top, nullptr);
    form->mTipClick();
    EXPECT_TRUE(top->isHidden());
    EXPECT_EQ(ActiveStackNumber, 8);
}

TEST_F(PuzzlePlay, NewGameDuringATipStopsTheTipSafely) {
    Start(ModeStandard, 3);
    // A new game is started from inside the tip's animation (as a fast player could).
    bool restarted = false;
    QTimer::singleShot(0, [&] {
        restarted = true;
        GameSize = 1;
        form->StartPuzzle();
    });
    form->mTipClick();
    EXPECT_TRUE(restarted);
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(DoneCount, 0);
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:00");
}

TEST_F(PuzzlePlay, WholeStandardGameIsCountedAndRecorded) {
    PlayerName = "Ada";
    Start(ModeStandard, 1);
    form->TimerCounterTimer();
    form->TimerCounterTimer();
    for (int k = 1; k <= 9; ++k)
        DragTo(Pieces[k], Home(k).center());
    EXPECT_FALSE(PiecesCreated);
    EXPECT_EQ(form->StaticTextMode->text(), "0");
    EXPECT_FALSE(form->TimerCounter->isActive());
    EXPECT_FALSE(form->mTip->Enabled());
    EXPECT_FALSE(form->mPause->Enabled());
    EXPECT_EQ(PuzzleSolved[1], 1);
    EXPECT_EQ(PuzzleSolvedTotal, 1);
    EXPECT_EQ(Result(1, 1).Name(), "Ada");
    EXPECT_EQ(Result(1, 1).Time(), "00:00:02");
    EXPECT_EQ(LastResultTime, "00:00:02");
    EXPECT_FALSE(ResultJustAdded);
    // The last piece plays no fit cue: the sounds stop and the solved cue plays.
    EXPECT_EQ(TestAudio::PlayingSlots(), std::vector<int>({5}));
}

TEST_F(PuzzlePlay, WholeKaskadeGameFromTheTopOfTheStackDown) {
    PlayerName = "Bea";
    Start(ModeKaskade, 2);
    for (int s = 16; s >= 1; --s) {
        TPuzzleCrap* top = nullptr;
        for (int k = 1; k <= 16; ++k)
            if (Pieces[k]->Hint() == QString::number(s))
                top = Pieces[k];
        ASSERT_TRUE(top && top->isEnabled());
        DragTo(top, Home(top->Tag()).center());
    }
    EXPECT_FALSE(PiecesCreated);
    EXPECT_EQ(PuzzleSolved[2], 1);
    EXPECT_EQ(Result(2, 1).Name(), "Bea");
}

TEST_F(PuzzlePlay, EmptyNameCountsTheGameButRecordsNothing) {
    PlayerName = "";
    Start(ModeStandard, 1);
    for (int k = 1; k <= 9; ++k)
        form->mTipClick();
    EXPECT_EQ(PuzzleSolved[1], 1);
    EXPECT_FALSE(Result(1, 1).IsUsed());
}

namespace {

// The whole way through the windows: Alt+S, a size button, play, the congratulation.
class GameThroughDialogs : public PuzzlePlay {
protected:
    void SetUp() override {
        PuzzlePlay::SetUp();
        changeMode = std::make_unique<TFormChangeMode>();
        great = std::make_unique<TFormGreat>();
        chooser = std::make_unique<TOpenDialogForm>();
        FormChangeMode = changeMode.get();
        FormGreat = great.get();
        OpenDialogForm = chooser.get();
    }
    void TearDown() override {
        FormChangeMode = nullptr;
        FormGreat = nullptr;
        OpenDialogForm = nullptr;
        PuzzlePlay::TearDown();
    }
    std::unique_ptr<TFormChangeMode> changeMode;
    std::unique_ptr<TFormGreat> great;
    std::unique_ptr<TOpenDialogForm> chooser;
};

} // namespace

TEST_F(GameThroughDialogs, SixteenPieceKaskadeFromAltSToTheBestTimeList) {
    PlayerName = "Dora";
    ModalDriver::AnswerNext([](QWidget* dialog) {
        auto* mode = static_cast<TFormChangeMode*>(dialog);
        QTest::mouseClick(mode->btnKaskade, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(mode->btnPuzzle[1], Qt::LeftButton, {}, QPoint(10, 10));
    });
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(PiecesCreated);
    EXPECT_EQ(PlayMode, ModeKaskade);
    EXPECT_EQ(form->lbTitelPlayMode->text(), "Kaskade");
    EXPECT_EQ(PieceCount, 16);
    EXPECT_EQ(StatisticsFileName, DataDir + "tessaly.dat");

    QStringList shown;
    // The congratulation is answered once it can come: the tips take a while on a busy
    // machine.
    const auto answerCongratulation = [&shown] {
        ModalDriver::AnswerNext([&shown](QWidget* dialog) {
            auto* window = static_cast<TFormGreat*>(dialog);
            shown << window->LabelText->text() << window->LabelTime->text();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
    };
    for (int s = 16; s >= 1; --s)
        for (int k = 1; k <= 16; ++k)
            if (PiecesCreated && Pieces[k]->Hint() == QString::number(s)) {
                if (s == 1)
                    answerCongratulation();
                form->mTipClick();
            }
    EXPECT_EQ(shown, QStringList({"Sie haben das Puzzle mit 16 Teile gelöst.", "00:01:20"}));
    EXPECT_EQ(Result(2, 1).Name(), "Dora");
    EXPECT_EQ(Result(2, 1).Time(), "00:01:20");
}

TEST_F(GameThroughDialogs, LeavingTheStartDialogKeepsTheRunningGame) {
    Start(ModeStandard, 1);
    form->TimerCounterTimer();
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    form->mStartClick();
    EXPECT_TRUE(PiecesCreated);
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:01");
}

TEST_F(GameThroughDialogs, MemoryAfterAPuzzleSwitchesTheBestTimeFile) {
    PlayerName = "Eva";
    AddResult(1, "Puzzler", "00:00:09");
    ModalDriver::AnswerNext([](QWidget* dialog) {
        auto* mode = static_cast<TFormChangeMode*>(dialog);
        QTest::mouseClick(mode->btnMemory, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(mode->btnMemo[0], Qt::LeftButton, {}, QPoint(10, 10));
    });
    form->mStartClick();
    EXPECT_EQ(StatisticsFileName, DataDir + "tessaly.mem");
    EXPECT_EQ(form->lbTitelPlayMode->text(), "Memory");
    EXPECT_EQ(form->LabeModeTitle->text(), "Paare:");
    EXPECT_EQ(PieceCount, 6);
    EXPECT_EQ(QFileInfo(DataDir + "tessaly.dat").size(), 1500);
    EXPECT_FALSE(Result(1, 1).IsUsed()); // the memory lists are empty

    // Opening a picture during Memory offers the puzzle modes again.
    ModalDriver::AnswerNext([this](QWidget*) {
        QTest::mouseClick(chooser->MotifThumbs[3], Qt::LeftButton, {}, QPoint(5, 5));
        ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    });
    form->mOpenClick();
    EXPECT_EQ(MotifNumber, 3);
    EXPECT_EQ(changeMode->SelectedMode(), ModeStandard);
}

TEST_F(GameThroughDialogs, PictureChosenInTheChooserIsPlayedOnItsOwnBoard) {
    const QString folder = TestHome::Path() + "/Waehlen/";
    QDir().mkpath(folder);
    QImage picture(800, 600, QImage::Format_RGB888);
    picture.fill(QColor(200, 40, 160));
    ASSERT_TRUE(picture.save(folder + "a.JPG", "JPG"));
    LastFolder = folder;
    // A double click on the row opens it; the game start dialog follows at once and its
    // first size button starts a game.
    ModalDriver::AnswerNext([this](QWidget*) {
        QWidget* rows = chooser->ListView1->viewport();
        const QPoint row =
            chooser->ListView1->visualRect(chooser->ListView1->model()->index(0, 0)).center();
        ModalDriver::AnswerNext([](QWidget* dialog) {
            auto* mode = static_cast<TFormChangeMode*>(dialog);
            QTest::mouseClick(mode->btnPuzzle[0], Qt::LeftButton, {}, QPoint(10, 10));
        });
        QTest::mouseClick(rows, Qt::LeftButton, {}, row);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, row);
        QTest::mouseRelease(rows, Qt::LeftButton, {}, row);
    });
    form->mOpenClick();
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(PictureFile, folder + "a.JPG");
    EXPECT_FALSE(PictureIsMotif);
    ASSERT_TRUE(PiecesCreated);
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(form->Image1->geometry(), QRect(187, 10, 667, 500));

    // The favorites are written with the settings when the player quits.
    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFileInfo::exists(FavoritesFileName));
}

TEST_F(GameThroughDialogs, CancelledChooserChangesNothing) {
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    const int before = MotifNumber;
    form->mOpenClick();
    EXPECT_EQ(ChooserResult, 0);
    EXPECT_EQ(MotifNumber, before);
    EXPECT_TRUE(PictureIsMotif);
    EXPECT_FALSE(PiecesCreated);
    EXPECT_FALSE(DialogOpen);
}
