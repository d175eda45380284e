#include "dialogs/TFormGreat.h"
#include "storage/Settings.h"
#include "widgets/WDButton.h"
#include "widgets/WDEdit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One window for all tests, as the program keeps one.
class FormGreatTest : public testing::Test {
protected:
    static void SetUpTestSuite() { form = std::make_unique<TFormGreat>(); }
    static void TearDownTestSuite() { form.reset(); }

    void SetUp() override { PlayerName = QStringLiteral("Marlene"); }
    void TearDown() override { ResetSettings(); }

    // Shows the window modally, runs `actions` once it is up and returns exec's result.
    // A window still open afterwards is closed so that a failing test cannot hang.
    static int Run(std::function<void(TFormGreat*)> actions) {
        QTimer::singleShot(0, [actions] {
            auto* shown = qobject_cast<TFormGreat*>(QApplication::activeModalWidget());
            EXPECT_EQ(shown, form.get());
            if (shown == nullptr)
                return;
            actions(shown);
            if (shown->isVisible()) {
                ADD_FAILURE() << "the window stayed open";
                shown->done(QDialog::Rejected);
            }
        });
        return form->exec();
    }

    static void Type(QWidget* target, const QString& text) {
        for (const QChar character : text)
            QTest::keyClick(target, character.toLatin1());
    }

    static std::unique_ptr<TFormGreat> form;
};

std::unique_ptr<TFormGreat> FormGreatTest::form;

} // namespace

TEST_F(FormGreatTest, SixteenPiecesInTwoMinutesWithTheLastNamePreselected) {
    form->LabelText->setText(TFormGreat::PuzzleText(16));
    form->LabelTime->setText(QStringLiteral("00:02:05"));
    const int result = Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->LabelText->text(),
                  QStringLiteral("Sie haben das Puzzle mit 16 Teile gelöst."));
        EXPECT_EQ(shown->LabelTime->text(), "00:02:05");
        // The whole time is visible, not cut by a label sized for an earlier text.
        EXPECT_GE(shown->LabelTime->width(),
                  shown->LabelTime->fontMetrics().horizontalAdvance("00:02:05"));
        EXPECT_EQ(shown->EditName->Text(), "Marlene");
        EXPECT_TRUE(shown->EditName->Selected());
        EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
        EXPECT_EQ(QApplication::focusWidget(), shown->EditName);
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(PlayerName, "Marlene");
}

TEST_F(FormGreatTest, ResultSentencesOfBothKinds) {
    EXPECT_EQ(TFormGreat::PuzzleText(9),
              QStringLiteral("Sie haben das Puzzle mit 9 Teile gelöst."));
    EXPECT_EQ(TFormGreat::PuzzleText(64),
              QStringLiteral("Sie haben das Puzzle mit 64 Teile gelöst."));
    EXPECT_EQ(TFormGreat::MemoryText(3),
              QStringLiteral("Sie haben das Memory mit 3 Paare gelöst."));
    EXPECT_EQ(TFormGreat::MemoryText(24),
              QStringLiteral("Sie haben das Memory mit 24 Paare gelöst."));
}

TEST_F(FormGreatTest, LongestSentenceIsShownWholeAndCentred) {
    form->LabelText->setText(TFormGreat::MemoryText(24));
    Run([](TFormGreat* shown) {
        const QRect place = shown->LabelText->geometry();
        EXPECT_GE(place.width(),
                  shown->LabelText->fontMetrics().horizontalAdvance(TFormGreat::MemoryText(24)));
        EXPECT_TRUE(shown->rect().contains(place));
        EXPECT_LE(std::abs((place.left() + place.right()) - (24 + 296)), 1) << "stays centred";
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    // A sentence that fits keeps the label's own place.
    form->LabelText->setText(TFormGreat::PuzzleText(9));
    Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->LabelText->geometry(), QRect(24, 74, 273, 18));
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
}

TEST_F(FormGreatTest, ClearedNameConfirmedWithOkLeavesTheNameEmpty) {
    Run([](TFormGreat* shown) {
        // Backspace on the preselected name removes all of it.
        QTest::keyClick(shown->EditName, Qt::Key_Backspace);
        EXPECT_EQ(shown->EditName->Text(), "");
        QTest::mouseClick(shown->btnOK, Qt::LeftButton, {}, shown->btnOK->rect().center());
    });
    EXPECT_EQ(PlayerName, "");
}

TEST_F(FormGreatTest, EscapeAndClosingKeepTheEditedNameLikeOk) {
    Run([](TFormGreat* shown) {
        Type(shown->EditName, "Anna");
        EXPECT_EQ(shown->EditName->Text(), "Anna") << "typing replaces the preselected name";
        QTest::keyClick(shown->EditName, Qt::Key_Escape);
    });
    EXPECT_EQ(PlayerName, "Anna");

    // Closing by the system (not through a button) takes the name over as well.
    Run([](TFormGreat* shown) {
        QTest::keyClick(shown->EditName, Qt::Key_End);
        Type(shown->EditName, "x");
        shown->close();
    });
    EXPECT_EQ(PlayerName, "x");
}

TEST_F(FormGreatTest, EveryShowStartsFromTheCurrentName) {
    Run([](TFormGreat* shown) {
        shown->EditName->SetSelected(false);
        Type(shown->EditName, "a");
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    EXPECT_EQ(PlayerName, "Marlenea");

    PlayerName = QStringLiteral("Bo");
    Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->EditName->Text(), "Bo");
        EXPECT_TRUE(shown->EditName->Selected());
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    EXPECT_EQ(PlayerName, "Bo");

    // An empty name shows an empty field with nothing selected.
    PlayerName.clear();
    Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->EditName->Text(), "");
        EXPECT_FALSE(shown->EditName->Selected());
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    EXPECT_EQ(PlayerName, "");
}

TEST_F(FormGreatTest, BorderlessFixedWindowCentredWithItsLayout) {
    form->LabelText->setText(TFormGreat::PuzzleText(16));
    Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->size(), QSize(320, 220));
        EXPECT_EQ(shown->minimumSize(), shown->maximumSize());
        EXPECT_TRUE(shown->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(shown->isModal());
        EXPECT_EQ(shown->windowTitle(), "Tessaly");
        EXPECT_EQ(shown->frameGeometry().center(),
                  QGuiApplication::primaryScreen()->geometry().center());
        EXPECT_EQ(shown->LabelText->geometry(), QRect(24, 74, 273, 18));
        EXPECT_EQ(shown->LabelText->alignment(), Qt::AlignHCenter | Qt::AlignBottom);
        EXPECT_EQ(shown->LabelTime->pos(), QPoint(151, 100));
        EXPECT_EQ(shown->EditName->geometry(), QRect(132, 128, 121, 26));
        EXPECT_EQ(shown->btnOK->geometry(), QRect(120, 168, 84, 26));
        EXPECT_EQ(shown->btnOK->Caption(), "OK");
        EXPECT_TRUE(shown->btnOK->Default());
        EXPECT_TRUE(shown->btnOK->Cancel());
        EXPECT_EQ(shown->LabelText->font().pixelSize(), 16);
        // The background picture is carried by the program.
        EXPECT_EQ(shown->ImageBack->pixmap().size(), QSize(320, 220));
        for (QLabel* label : shown->findChildren<QLabel*>())
            EXPECT_FALSE(label->autoFillBackground()) << label->text().toStdString();
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
}

TEST_F(FormGreatTest, DraggedWindowIsCentredAgainWhenShownNext) {
    Run([](TFormGreat* shown) {
        const QPoint start = shown->pos();
        QTest::mousePress(shown->ImageBack, Qt::LeftButton, {}, QPoint(40, 200));
        QTest::mouseMove(shown->ImageBack, QPoint(70, 220));
        QTest::mouseRelease(shown->ImageBack, Qt::LeftButton, {}, QPoint(70, 220));
        EXPECT_EQ(shown->pos(), start + QPoint(30, 20));
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
    Run([](TFormGreat* shown) {
        EXPECT_EQ(shown->frameGeometry().center(),
                  QGuiApplication::primaryScreen()->geometry().center());
        QTest::keyClick(shown->EditName, Qt::Key_Return);
    });
}
