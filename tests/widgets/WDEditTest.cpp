#include "widgets/WDEdit.h"
#include "WidgetProbe.h"
#include "platform/ArtResources.h"
#include "widgets/DialogKeys.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EditHost {
    QWidget form;
    TWDEdit* edit;
    EditHost() {
        form.resize(300, 60);
        edit = new TWDEdit(&form);
        edit->move(10, 10);
        edit->SetEditWidth(150);
        WidgetProbe::ShowWindow(&form);
        form.activateWindow();
        edit->setFocus();
    }

    // Sends one key press per character, as typing it would; true when the edit kept it.
    bool Type(const QString& characters) {
        bool accepted = true;
        for (QChar c : characters) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            accepted = accepted && press.isAccepted();
        }
        return accepted;
    }

    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(edit, &press);
        return press.isAccepted();
    }

    QStringList MenuItems(bool enabledOnly) {
        emit edit->PopupMenu()->aboutToShow();
        QStringList items;
        for (QAction* action : edit->PopupMenu()->actions())
            if (!enabledOnly || action->isEnabled())
                items << action->text();
        return items;
    }

    QAction* MenuItem(const QString& caption) {
        for (QAction* action : edit->PopupMenu()->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }
};

} // namespace

TEST(TWDEdit, TakesOnlyTheAllowedCharacters) {
    EditHost host;
    EXPECT_FALSE(host.Type("ß"));
    EXPECT_FALSE(host.Type("!"));
    EXPECT_FALSE(host.Type("_"));
    EXPECT_EQ(host.edit->Text(), "");
    EXPECT_TRUE(host.Type("Ab-9.äÖü"));
    EXPECT_EQ(host.edit->Text(), "Ab-9.äÖü");
    EXPECT_TRUE(host.Key(Qt::Key_Space));
    EXPECT_EQ(host.edit->Text(), "Ab-9.äÖü ");
}

TEST(TWDEdit, UpperTurnsTypedLettersIntoCapitals) {
    EditHost host;
    host.edit->SetUpper(true);
    host.Type("aä");
    EXPECT_EQ(host.edit->Text(), "AÄ");
}

TEST(TWDEdit, AFullFieldTakesNothingMore) {
    EditHost host;
    QFont font("Times New Roman");
    font.setPointSize(11);
    const QFontMetrics metrics(font);
    // Text and caret exactly as wide as the field minus its two ends: full.
    host.edit->SetEditWidth(metrics.horizontalAdvance("WW_") + 16);
    host.Type("WW");
    EXPECT_EQ(host.edit->Text(), "WW");
    host.Type("i");
    EXPECT_EQ(host.edit->Text(), "WW");

    // Typing on and on never makes the text wider than the field.
    host.edit->SetEditWidth(60);
    for (int i = 0; i < 30; ++i)
        host.Type("W");
    EXPECT_LE(metrics.horizontalAdvance(host.edit->Text() + "_"), 60 - 16);
    EXPECT_GE(host.edit->Text().size(), 1);
}

TEST(TWDEdit, PastedTextIsCutToTheField) {
    EditHost host;
    const QString longText = QString("Paste!ß ").repeated(20);
    QApplication::clipboard()->setText(longText);
    host.Key(Qt::Key_V, Qt::ControlModifier);
    const QString kept = host.edit->Text();
    EXPECT_FALSE(kept.isEmpty());
    EXPECT_TRUE(longText.startsWith(kept));
    EXPECT_LT(kept.size(), longText.size());
    // Whatever remains fits with the caret.
    QFont font("Times New Roman");
    font.setPointSize(11);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(kept + "_"), 150 - 16);
}

TEST(TWDEdit, DoubleClickSelectsAndTypingReplaces) {
    EditHost host;
    QTest::mouseDClick(host.edit, Qt::LeftButton, {}, QPoint(20, 13));
    EXPECT_FALSE(host.edit->Selected()); // nothing to select

    host.Type("Hans");
    QTest::mouseDClick(host.edit, Qt::LeftButton, {}, QPoint(20, 13));
    EXPECT_TRUE(host.edit->Selected());
    host.Type("x");
    EXPECT_EQ(host.edit->Text(), "x");
    EXPECT_FALSE(host.edit->Selected());

    // A single click clears the selection.
    host.edit->SetSelected(true);
    QTest::mouseClick(host.edit, Qt::LeftButton, {}, QPoint(20, 13));
    EXPECT_FALSE(host.edit->Selected());
}

TEST(TWDEdit, BackspaceDeletesAtTheEndAndPassesOnWhenEmpty) {
    EditHost host;
    host.Type("ab");
    EXPECT_TRUE(host.Key(Qt::Key_Backspace));
    EXPECT_EQ(host.edit->Text(), "a");
    EXPECT_TRUE(host.Key(Qt::Key_Backspace));
    EXPECT_FALSE(host.Key(Qt::Key_Backspace));
    EXPECT_EQ(host.edit->Text(), "");
    // Enter and Escape go on to the form's buttons.
    EXPECT_FALSE(host.Key(Qt::Key_Return));
    EXPECT_FALSE(host.Key(Qt::Key_Escape));

    host.Type("abc");
    host.Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(host.edit->Selected());
    host.Key(Qt::Key_Backspace);
    EXPECT_EQ(host.edit->Text(), "");
    EXPECT_FALSE(host.edit->Selected());
}

TEST(TWDEdit, ClipboardKeys) {
    EditHost host;
    host.Type("Anna");
    host.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Anna");
    host.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(host.edit->Text(), "");
    host.Key(Qt::Key_V, Qt::ControlModifier);
    host.Key(Qt::Key_V, Qt::ControlModifier); // replaces, does not append
    EXPECT_EQ(host.edit->Text(), "Anna");
    EXPECT_TRUE(host.Key(Qt::Key_Delete, Qt::ControlModifier));
    EXPECT_EQ(host.edit->Text(), "");
    host.Type("Bo");
    host.Key(Qt::Key_Delete);
    host.Key(Qt::Key_Left);
    EXPECT_EQ(host.edit->Text(), "Bo");
}

TEST(TWDEdit, ContextMenuOffersWhatMakesSense) {
    EditHost host;
    EXPECT_EQ(host.MenuItems(false),
              QStringList({"Ausschneiden", "Kopieren", "Einfügen", "Löschen", "Alles markieren"}));
    QApplication::clipboard()->clear();
    EXPECT_TRUE(host.MenuItems(true).isEmpty());
    QApplication::clipboard()->setText("Zoe");
    EXPECT_EQ(host.MenuItems(true), QStringList({"Einfügen"}));
    host.MenuItem("Einfügen")->trigger();
    EXPECT_EQ(host.edit->Text(), "Zoe");
    EXPECT_EQ(host.MenuItems(true).size(), 5);
    host.MenuItem("Alles markieren")->trigger();
    EXPECT_TRUE(host.edit->Selected());
    QApplication::clipboard()->clear();
    host.MenuItem("Ausschneiden")->trigger();
    EXPECT_EQ(host.edit->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "Zoe");
}

TEST(TWDEdit, FieldSizeAndFocusedLook) {
    EditHost host;
    host.edit->SetEditWidth(5);
    EXPECT_EQ(host.edit->size(), QSize(16, 26));
    host.edit->SetEditWidth(120);
    const QPoint sample(60, 13);
    ASSERT_TRUE(host.edit->hasFocus());
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.edit, sample),
              ArtResources::LoadSkin("WDE_FOCUS").pixel(30, 13));
    auto* other = new TWDEdit(&host.form);
    other->move(150, 10);
    other->show();
    other->setFocus();
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.edit, sample),
              ArtResources::LoadSkin("WDE_NORM").pixel(30, 13));
    QSignalSpy changes(host.edit, &TWDEdit::OnChange);
    host.edit->repaint();
    EXPECT_EQ(changes.count(), 1);
}

TEST(TWDCheckBox, HandlerSeesTheValueFromBeforeTheClick) {
    QWidget form;
    form.resize(100, 100);
    auto* box = new TWDCheckBox(&form);
    box->move(10, 10);
    box->resize(40, 40);
    WidgetProbe::ShowWindow(&form);
    EXPECT_EQ(box->size(), QSize(16, 16));
    QList<bool> seen;
    QObject::connect(box, &TWDCheckBox::OnClick, [&] { seen << box->Checked(); });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(seen, QList<bool>({false, true}));
    EXPECT_FALSE(box->Checked());

    // Released outside: no click.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(seen.size(), 2);
}

TEST(TWDCheckBox, DrawsCheckedAndHoverLooks) {
    QWidget form;
    form.resize(100, 100);
    auto* box = new TWDCheckBox(&form);
    box->move(10, 10);
    WidgetProbe::ShowWindow(&form);
    const QPoint mark(7, 10); // on the check mark's stroke
    const QPoint rim(1, 8);
    const auto skin = [](const char* name, QPoint p) {
        return ArtResources::LoadSkin(name).pixel(p);
    };
    ASSERT_NE(skin("WCB_TRUE", mark), skin("WCB_FALSE", mark));
    ASSERT_NE(skin("WCB_FALSE", rim), skin("WCB_FALSE_MOVE", rim));
    EXPECT_EQ(WidgetProbe::DrawnPixel(box, mark), skin("WCB_FALSE", mark));
    box->SetChecked(true);
    EXPECT_EQ(WidgetProbe::DrawnPixel(box, mark), skin("WCB_TRUE", mark));
    QTest::mouseMove(box, QPoint(8, 8));
    EXPECT_EQ(WidgetProbe::DrawnPixel(box, rim), skin("WCB_TRUE_MOVE", rim));
    QTest::mouseMove(&form, QPoint(90, 90));
    EXPECT_EQ(WidgetProbe::DrawnPixel(box, rim), skin("WCB_TRUE", rim));
}

TEST(TWDEdit, EnterInTheEditReachesTheFormsDefaultButton) {
    EditHost host;
    auto* ok = new TWDButton(&host.form);
    ok->move(10, 40);
    ok->SetDefault(true);
    DialogKeys::Install(&host.form);
    QSignalSpy clicks(ok, &TWDButton::OnClick);
    ASSERT_TRUE(host.edit->hasFocus());
    QTest::keyClick(host.edit, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(host.edit, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(host.edit->Text(), "");
}
