#include "widgets/WDButton.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDMessageDialog.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `action` on the box once it is shown modally.
void WhenShown(std::function<void(TWDBoxForm*)> action) {
    QTimer::singleShot(0, [action] {
        auto* box = qobject_cast<TWDBoxForm*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        action(box);
    });
}

void Press(int key) {
    WhenShown([key](TWDBoxForm* box) { QTest::keyClick(box, static_cast<Qt::Key>(key)); });
}

// Rows of the box's picture between `top` and `bottom` over the text label's width.
QImage TextBand(TWDBoxForm* box, int top, int bottom) {
    return box->grab().toImage().copy(18, top, 241, bottom - top);
}

} // namespace

TEST(WDMessage, EnterAndEscapeBothCloseWithTrue) {
    Press(Qt::Key_Return);
    EXPECT_TRUE(WDMessage("Information", "Enter"));
    Press(Qt::Key_Escape);
    EXPECT_TRUE(WDMessage("Information", "Escape"));
}

TEST(WDMessage, ClosingByTheSystemGivesFalse) {
    WhenShown([](TWDBoxForm* box) { box->close(); });
    EXPECT_FALSE(WDMessage("Information", "Alt+F4"));
}

TEST(WDMessage, ShowsTextsAndButtonLikeTheBox) {
    WhenShown([](TWDBoxForm* box) {
        auto* form = qobject_cast<TWDMessageForm*>(box);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->size(), QSize(280, 140));
        EXPECT_EQ(form->windowTitle(), "Information");
        EXPECT_EQ(form->CapLabel->text(), "Information");
        EXPECT_EQ(form->TextLabel->text(), "Das Programm wurde bereits gestartet!");
        EXPECT_EQ(form->btnOK->Caption(), "OK");
        EXPECT_EQ(form->btnOK->geometry(), QRect(104, 88, 84, 26));
        QTest::mouseClick(form->btnOK, Qt::LeftButton, {}, QPoint(40, 13));
    });
    EXPECT_TRUE(WDMessage("Information", "Das Programm wurde bereits gestartet!"));
}

TEST(WDConfirm, EnterGivesTrueEscapeAndCloseGiveFalse) {
    Press(Qt::Key_Return);
    EXPECT_TRUE(WDConfirm("Beenden", "Möchten Sie Tessaly wirklich beenden?", "Ja", "Nein"));
    Press(Qt::Key_Escape);
    EXPECT_FALSE(WDConfirm("Beenden", "Möchten Sie Tessaly wirklich beenden?", "Ja", "Nein"));
    WhenShown([](TWDBoxForm* box) { box->close(); });
    EXPECT_FALSE(WDConfirm("Beenden", "x", "Ja", "Nein"));
}

TEST(WDConfirm, ButtonsCarryTheGivenCaptionsAndResults) {
    WhenShown([](TWDBoxForm* box) {
        auto* form = qobject_cast<TWDConfirmForm*>(box);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->btnOK->Caption(), "Ja");
        EXPECT_EQ(form->btnCancel->Caption(), "Nein");
        EXPECT_EQ(form->btnCancel->geometry(), QRect(176, 88, 84, 26));
        QTest::mouseClick(form->btnCancel, Qt::LeftButton, {}, QPoint(40, 13));
    });
    EXPECT_FALSE(WDConfirm("Abfrage", "Soll das Bild entfernt werden?", "Ja", "Nein"));
    WhenShown([](TWDBoxForm* box) {
        auto* form = qobject_cast<TWDConfirmForm*>(box);
        QTest::mouseClick(form->btnOK, Qt::LeftButton, {}, QPoint(40, 13));
    });
    EXPECT_TRUE(WDConfirm("Abfrage", "Soll das Bild entfernt werden?", "Ja", "Nein"));
}

TEST(WDMessage, ShowsTheArrowAndRestoresTheHourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape during = Qt::WaitCursor;
    WhenShown([&during](TWDBoxForm* box) {
        during = QApplication::overrideCursor()->shape();
        box->close();
    });
    WDConfirm("Information", "x", "Ja", "Nein");
    EXPECT_EQ(during, Qt::ArrowCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WDMessage, LongTextIsCutAtTheLabelsLowerEdge) {
    // Three long lines would reach below y = 81; nothing of them may show there.
    QImage emptyBand;
    QImage fullBand;
    QImage secondLine;
    QImage secondLineEmpty;
    WhenShown([&](TWDBoxForm* box) {
        emptyBand = TextBand(box, 81, 88);
        secondLineEmpty = TextBand(box, 58, 74);
        box->TextLabel->setText(QString("Erste Zeile mit viel Text, der umbricht, ").repeated(4));
        fullBand = TextBand(box, 81, 88);
        box->TextLabel->setText("Es wurde noch keine Bild geöffnet.\nMöchten");
        secondLine = TextBand(box, 58, 74);
        box->close();
    });
    WDMessage("Information", "");
    EXPECT_EQ(fullBand, emptyBand);
    EXPECT_NE(secondLine, secondLineEmpty); // the line feed started a second line
}

TEST(WDMessage, TextIsNeverTakenForMarkup) {
    WhenShown([](TWDBoxForm* box) {
        EXPECT_EQ(box->TextLabel->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->CapLabel->textFormat(), Qt::PlainText);
        box->close();
    });
    WDMessage("<b>x</b>", "<img src=x>");
}
