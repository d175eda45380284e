#include "dialogs/TFormConfig.h"
#include "AudioEngine.h"
#include "FreshMainWindow.h"
#include "ModalDriver.h"
#include "TestAudio.h"
#include "TestHome.h"
#include "TsAudio.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDHorBar.h"
#include "widgets/WDWinButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
}

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }

    // Shows the dialog modally and runs `actions` once it is up; a dialog still open
    // afterwards is closed so that a failing test cannot hang.
    void Run(const std::function<void()>& actions) {
        QTimer::singleShot(0, [this, actions] {
            ASSERT_EQ(QApplication::activeModalWidget(), &form);
            actions();
            if (form.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                form.done(QDialog::Rejected);
            }
        });
        form.exec();
    }

    TFormConfig form;
};

} // namespace

TEST_F(SettingsDialog, AVolumeAboveTheRangeShowsAtTheTopAndOKStoresIt) {
    Volume = 150;
    Grid = false;
    Run([this] {
        EXPECT_EQ(form.BarVolume->Position(), 100);
        EXPECT_EQ(form.LabelVolume->text(), "100");
        EXPECT_FALSE(form.CheckBoxGrid->Checked());
        EXPECT_TRUE(form.CheckBoxStatist->Checked());
        EXPECT_FALSE(ConfigConfirmed);
        Click(form.btnOK);
    });
    EXPECT_TRUE(ConfigConfirmed);
    EXPECT_EQ(Volume, 100);
    EXPECT_FALSE(Grid);
}

TEST_F(SettingsDialog, TheSliderFollowsTheSoundBoxesWithinASecondAndKeepsItsPlace) {
    Volume = 40;
    Run([this] {
        TWDHorBar* bar = form.BarVolume;
        EXPECT_TRUE(form.ConTimer->isActive());
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(form.LabelVolume->text(), "41");
        Click(form.CheckBoxSound);
        Click(form.CheckBoxMusic);
        EXPECT_TRUE(QTest::qWaitFor([bar] { return !bar->isEnabled(); }, 1500));
        EXPECT_EQ(bar->Position(), 41);
        Click(form.CheckBoxMusic);
        EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isEnabled(); }, 1500));
        EXPECT_EQ(bar->Position(), 41);
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_FALSE(form.ConTimer->isActive());
    EXPECT_FALSE(Sound);
    EXPECT_TRUE(Music);
    EXPECT_EQ(Volume, 41);
}

TEST_F(SettingsDialog, EveryWayOutButOKChangesNothing) {
    const std::function<void(TFormConfig&)> ways[] = {
        [](TFormConfig& shown) { Click(shown.btnCancel); },
        [](TFormConfig& shown) { Click(shown.wbClose); },
        [](TFormConfig& shown) { QTest::keyClick(&shown, Qt::Key_Escape); },
    };
    for (const auto& leave : ways) {
        Run([this, &leave] {
            for (TWDCheckBox* box :
                 {form.CheckBoxGrid, form.CheckBoxStatist, form.CheckBoxSound, form.CheckBoxMusic})
                Click(box);
            QTest::keyClick(form.BarVolume, Qt::Key_Down);
            EXPECT_EQ(form.LabelVolume->text(), "100");
            leave(form);
        });
        EXPECT_FALSE(ConfigConfirmed);
        EXPECT_TRUE(Grid && Statist && Sound && Music);
        EXPECT_EQ(Volume, 50);
    }
    // The next showing starts again from the settings.
    Run([this] {
        EXPECT_TRUE(form.CheckBoxGrid->Checked());
        EXPECT_EQ(form.LabelVolume->text(), "50");
        Click(form.btnCancel);
    });
}

namespace {

// The dialog opened from the main window with F3, as the program does it.
class SettingsFromTheMainWindow : public testing::Test {
protected:
    void SetUp() override {
        TestAudio::Open();
        main = FreshMainWindow();
        ASSERT_TRUE(main);
        FormConfig = &config;
        calls = TestAudio::VolumeCalls();
    }
    void TearDown() override {
        FormConfig = nullptr;
        main.reset();
        TestAudio::Close();
    }

    void PressF3(const std::function<void(TFormConfig&)>& actions) {
        bool shown = false;
        ModalDriver::AnswerNext([&](QWidget* dialog) {
            shown = dialog == &config;
            EXPECT_TRUE(DialogOpen);
            actions(config);
        });
        QTest::keyClick(main.get(), Qt::Key_F3);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(DialogOpen);
    }

    QString IniText() {
        QFile file(IniFileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readAll());
    }

    std::unique_ptr<TFormPuzzle> main;
    TFormConfig config;
    int calls = 0;
};

} // namespace

TEST_F(SettingsFromTheMainWindow, OKWithoutGridAtVolumeThirtyReachesTheFileAtAConfirmedQuit) {
    PressF3([](TFormConfig& dialog) {
        Click(dialog.CheckBoxGrid);
        for (int step = 0; step < 20; ++step)
            QTest::keyClick(dialog.BarVolume, Qt::Key_Left);
        Click(dialog.btnOK);
    });
    EXPECT_EQ(TsAudio::Engine().Volume(), 30);
    EXPECT_EQ(TestAudio::VolumeCalls(), calls + 1);

    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    EXPECT_TRUE(main->close());
    const QString ini = IniText();
    EXPECT_TRUE(ini.contains("Grid=0")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Volume=30")) << ini.toStdString();
}

TEST_F(SettingsFromTheMainWindow, CancelOrAnUnchangedVolumeMakesNoVolumeCall) {
    PressF3([](TFormConfig& dialog) {
        Click(dialog.CheckBoxGrid);
        QTest::keyClick(dialog.BarVolume, Qt::Key_Up);
        Click(dialog.btnCancel);
    });
    PressF3([](TFormConfig& dialog) { Click(dialog.btnOK); });
    EXPECT_EQ(TestAudio::VolumeCalls(), calls);
    EXPECT_EQ(TsAudio::Engine().Volume(), 50);

    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    EXPECT_TRUE(main->close());
    const QString ini = IniText();
    EXPECT_TRUE(ini.contains("Grid=1")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Volume=50")) << ini.toStdString();
}
