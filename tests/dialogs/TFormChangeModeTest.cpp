#include "dialogs/TFormChangeMode.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "widgets/WDButton.h"
#include "widgets/WDWinButton.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One dialog for all tests, as the program keeps one; the program-wide values are reset
// before each test.
class ChangeModeTest : public testing::Test {
protected:
    static void SetUpTestSuite() { dialog = std::make_unique<TFormChangeMode>(); }
    static void TearDownTestSuite() { dialog.reset(); }

    void SetUp() override {
        PlayMode = ModeStandard;
        GameSize = 4;
        StartConfirmed = false;
    }

    // Shows the dialog modally, runs `actions` on it once it is up and returns exec's
    // result. Actions must close the dialog; a dialog still open afterwards is rejected
    // so that a failing test cannot hang the run.
    static int Run(std::function<void(TFormChangeMode*)> actions) {
        QTimer::singleShot(0, [actions] {
            auto* shown = qobject_cast<TFormChangeMode*>(QApplication::activeModalWidget());
            EXPECT_EQ(shown, dialog.get());
            if (shown == nullptr)
                return;
            actions(shown);
            if (shown->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                shown->reject();
            }
        });
        return dialog->exec();
    }

    static void Click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    static void ExpectModeShown(TFormChangeMode* form, std::uint8_t mode) {
        EXPECT_EQ(form->btnStandard->Disabled(), mode == ModeStandard);
        EXPECT_EQ(form->btnKaskade->Disabled(), mode == ModeKaskade);
        EXPECT_EQ(form->btnMemory->Disabled(), mode == ModeMemory);
        EXPECT_EQ(form->imgStandard->isVisible(), mode == ModeStandard);
        EXPECT_EQ(form->lbStandardTitel->isVisible(), mode == ModeStandard);
        EXPECT_EQ(form->lbStandardText->isVisible(), mode == ModeStandard);
        EXPECT_EQ(form->imgKaskade->isVisible(), mode == ModeKaskade);
        EXPECT_EQ(form->lbKaskadeTitel->isVisible(), mode == ModeKaskade);
        EXPECT_EQ(form->lbKaskadeText->isVisible(), mode == ModeKaskade);
        EXPECT_EQ(form->imgMemory->isVisible(), mode == ModeMemory);
        EXPECT_EQ(form->lbMemoryTitel->isVisible(), mode == ModeMemory);
        EXPECT_EQ(form->lbMemoryText->isVisible(), mode == ModeMemory);
        EXPECT_EQ(form->PanelPuzzle->isVisible(), mode != ModeMemory);
        EXPECT_EQ(form->PanelMemory->isVisible(), mode == ModeMemory);
        EXPECT_EQ(form->SelectedMode(), mode);
    }

    static std::unique_ptr<TFormChangeMode> dialog;
};

std::unique_ptr<TFormChangeMode> ChangeModeTest::dialog;

} // namespace

TEST_F(ChangeModeTest, KaskadePreselectedThenMemoryAndTenConfirmsMemoryOfSizeThree) {
    PlayMode = ModeKaskade;
    const int result = Run([](TFormChangeMode* form) {
        ExpectModeShown(form, ModeKaskade);
        EXPECT_TRUE(form->lbKaskadeText->text().startsWith("Die Puzzleteile werden in einem"));
        QStringList captions;
        for (TWDButton* button : form->btnPuzzle)
            captions << button->Caption();
        EXPECT_EQ(captions, QStringList({"9", "16", "25", "36", "49", "64"}));

        Click(form->btnMemory);
        ExpectModeShown(form, ModeMemory);
        EXPECT_EQ(PlayMode, ModeKaskade) << "a mode click alone must not change the game";
        ASSERT_EQ(form->btnMemo[2]->Caption(), "10");
        Click(form->btnMemo[2]);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(PlayMode, ModeMemory);
    EXPECT_EQ(GameSize, 3);
    EXPECT_TRUE(StartConfirmed);
}

TEST_F(ChangeModeTest, EscapeAndCloseButtonForgetTheModeChoice) {
    PlayMode = ModeKaskade;
    StartConfirmed = true; // left over from the last game: the showing clears it
    Run([](TFormChangeMode* form) {
        EXPECT_FALSE(StartConfirmed);
        Click(form->btnMemory);
        QTest::keyClick(form, Qt::Key_Escape);
    });
    EXPECT_EQ(PlayMode, ModeKaskade);
    EXPECT_EQ(GameSize, 4);
    EXPECT_FALSE(StartConfirmed);

    const int result = Run([](TFormChangeMode* form) {
        ExpectModeShown(form, ModeKaskade);
        Click(form->btnStandard);
        EXPECT_EQ(form->wbClose->toolTip(), "Schließen");
        Click(form->wbClose);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(PlayMode, ModeKaskade);
    EXPECT_EQ(GameSize, 4);
    EXPECT_FALSE(StartConfirmed);

    Run([](TFormChangeMode* form) {
        ExpectModeShown(form, ModeKaskade);
        form->close(); // the system's close
    });
    EXPECT_EQ(PlayMode, ModeKaskade);
    EXPECT_FALSE(StartConfirmed);
}

TEST_F(ChangeModeTest, SizeClickAloneConfirmsThePreselectedMode) {
    for (const std::uint8_t mode : {ModeStandard, ModeKaskade, ModeMemory}) {
        PlayMode = mode;
        StartConfirmed = false;
        Run([mode](TFormChangeMode* form) {
            ExpectModeShown(form, mode);
            Click(mode == ModeMemory ? form->btnMemo[5] : form->btnPuzzle[5]);
        });
        EXPECT_EQ(PlayMode, mode);
        EXPECT_EQ(GameSize, 6);
        EXPECT_TRUE(StartConfirmed);
    }
}

TEST_F(ChangeModeTest, ButtonsAtTheSamePlaceGiveTheSameSize) {
    const QStringList pairs{"3", "6", "10", "15", "21", "24"};
    for (int size = 1; size <= 6; ++size) {
        PlayMode = ModeMemory;
        Run([size, &pairs](TFormChangeMode* form) {
            EXPECT_EQ(form->btnMemo[size - 1]->Caption(), pairs[size - 1]);
            EXPECT_EQ(form->btnMemo[size - 1]->geometry(), form->btnPuzzle[size - 1]->geometry());
            Click(form->btnMemo[size - 1]);
        });
        EXPECT_EQ(GameSize, size);

        PlayMode = ModeStandard;
        Run([size](TFormChangeMode* form) { Click(form->btnPuzzle[size - 1]); });
        EXPECT_EQ(GameSize, size);
        EXPECT_EQ(PlayMode, ModeStandard);
    }
}

TEST_F(ChangeModeTest, ExactlyOneModeIsChosenWhateverIsClicked) {
    Run([](TFormChangeMode* form) {
        ExpectModeShown(form, ModeStandard);
        Click(form->btnStandard); // the chosen mode's button is disabled: nothing happens
        ExpectModeShown(form, ModeStandard);
        Click(form->btnMemory);
        Click(form->btnKaskade);
        ExpectModeShown(form, ModeKaskade);
        Click(form->btnMemory);
        Click(form->btnStandard);
        ExpectModeShown(form, ModeStandard);
        // A press that leaves the button before the release chooses nothing.
        QTest::mousePress(form->btnMemory, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(form->btnMemory, QPoint(200, 10));
        QTest::mouseRelease(form->btnMemory, Qt::LeftButton, {}, QPoint(200, 10));
        ExpectModeShown(form, ModeStandard);
        form->reject();
    });
}

TEST_F(ChangeModeTest, ValueThatIsNoModeShowsAndConfirmsStandard) {
    PlayMode = 7;
    Run([](TFormChangeMode* form) {
        ExpectModeShown(form, ModeStandard);
        Click(form->btnPuzzle[0]);
    });
    EXPECT_EQ(PlayMode, ModeStandard);
    EXPECT_EQ(GameSize, 1);
    EXPECT_TRUE(StartConfirmed);
}

TEST_F(ChangeModeTest, BorderlessFixedWindowWithItsLayout) {
    Run([](TFormChangeMode* form) {
        EXPECT_EQ(form->size(), QSize(660, 260));
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->windowTitle(), "Spiel starten");
        EXPECT_EQ(form->lbWinTitle->text(), "Spiel starten");
        EXPECT_EQ(form->btnKaskade->geometry(), QRect(20, 70, 110, 32));
        EXPECT_EQ(form->btnPuzzle[5]->geometry(), QRect(521, 1, 100, 80));
        EXPECT_EQ(form->btnPuzzle[5]->mapTo(form, QPoint(0, 0)), QPoint(540, 159));
        EXPECT_EQ(form->imgMemory->mapTo(form, QPoint(0, 0)), QPoint(150, 42));
        // The window's own pictures are carried by the program.
        for (QLabel* picture :
             {form->ImageBack, form->imgStandard, form->imgKaskade, form->imgMemory})
            EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(form->ImageBack->pixmap().size(), QSize(660, 260));
        EXPECT_EQ(form->imgKaskade->pixmap().size(), QSize(128, 100));
        // Labels let the background show through.
        for (QLabel* label : form->findChildren<QLabel*>())
            EXPECT_FALSE(label->autoFillBackground()) << label->text().toStdString();
        form->reject();
    });
}

TEST_F(ChangeModeTest, DraggingTheBackgroundOrTitleMovesTheWindow) {
    Run([](TFormChangeMode* form) {
        for (QWidget* handle :
             {static_cast<QWidget*>(form->ImageBack), static_cast<QWidget*>(form->lbWinTitle)}) {
            const QPoint start = form->pos();
            const QPoint press = handle == form->ImageBack ? QPoint(300, 150) : QPoint(50, 9);
            QTest::mousePress(handle, Qt::LeftButton, {}, press);
            QTest::mouseMove(handle, press + QPoint(30, 20));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, press + QPoint(30, 20));
            EXPECT_EQ(form->pos(), start + QPoint(30, 20));
        }
        EXPECT_TRUE(form->isVisible());
        form->reject();
    });
}
