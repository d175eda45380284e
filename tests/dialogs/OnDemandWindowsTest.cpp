// The dialogs of the main window are made when the player first opens them, kept between
// showings and destroyed at the end.

#include "widgets/OnDemandWindows.h"
#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TInfoForm.h"
#include "picturedialog/TOpenDialogForm.h"
#include "widgets/WDButton.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs `open`, which shows a modal dialog, and returns that dialog after leaving it with Esc.
QWidget* Opened(const std::function<void()>& open) {
    QWidget* shown = nullptr;
    ModalDriver::AnswerNext([&shown](QWidget* window) {
        shown = window;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    open();
    return shown;
}

} // namespace

TEST(OnDemandWindows, EachDialogIsMadeAtItsFirstUseKeptBetweenShowingsAndDestroyedAtTheEnd) {
    auto form = FreshMainWindow();
    ASSERT_TRUE(form);
    TFormPuzzle* main = form.get();
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<QWidget*()> existing;
    } dialogs[] = {
        {"statistics", [main] { QTest::keyClick(main, Qt::Key_F2); },
         [] { return FormStatist.Existing(); }},
        {"settings", [main] { QTest::keyClick(main, Qt::Key_F3); },
         [] { return FormConfig.Existing(); }},
        {"info", [main] { main->mInfoClick(); }, [] { return InfoForm.Existing(); }},
        {"game start", [main] { main->mStartClick(); }, [] { return FormChangeMode.Existing(); }},
        {"chooser", [main] { main->mOpenClick(); }, [] { return OpenDialogForm.Existing(); }},
    };
    std::vector<QPointer<QWidget>> made;
    {
        const OnDemandWindows onDemand;
        for (const auto& dialog : dialogs) {
            EXPECT_EQ(dialog.existing(), nullptr) << dialog.name << " made before its first use";
            QWidget* first = Opened(dialog.open);
            ASSERT_NE(first, nullptr) << dialog.name;
            EXPECT_EQ(dialog.existing(), first) << dialog.name;
            EXPECT_EQ(Opened(dialog.open), first) << dialog.name << " made a second time";
            made.emplace_back(first);
        }
        EXPECT_EQ(FormStatistDelete.Existing(), nullptr);
    }
    for (size_t k = 0; k < made.size(); ++k) {
        EXPECT_TRUE(made[k].isNull()) << dialogs[k].name << " outlives the program's end";
        EXPECT_EQ(dialogs[k].existing(), nullptr) << dialogs[k].name;
    }
}

TEST(OnDemandWindows, DeletionDialogMadeAtItsFirstUseOffersNoDeletionBeforeABoxIsChecked) {
    auto form = FreshMainWindow();
    ASSERT_TRUE(form);
    const OnDemandWindows onDemand;
    bool deleteOffered = true;
    ModalDriver::AnswerNext([&deleteOffered](QWidget* statist) {
        ModalDriver::AnswerNext([&deleteOffered](QWidget* erase) {
            EXPECT_EQ(erase, FormStatistDelete.Existing());
            deleteOffered = FormStatistDelete->btnDelete->Enabled();
            QTest::keyClick(erase, Qt::Key_Escape);
        });
        QTest::mouseClick(FormStatist->btnDelete, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(statist, Qt::Key_Escape);
    });
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_FALSE(deleteOffered);
}
