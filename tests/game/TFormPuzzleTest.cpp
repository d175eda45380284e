#include "game/TFormPuzzle.h"
#include "ModalDriver.h"
#include "TestHome.h"
#include "dialogs/THelpForm.h"
#include "game/TImage.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "platform/AppFolders.h"
#include "platform/ArtResources.h"
#include "platform/JpegCodec.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "storage/StoredFile.h"
#include "widgets/WDWinButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// A main window as the program starts it, in a fresh home folder.
class MainWindow : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        QDir(TestHome::Path() + "/.config").removeRecursively();
        QDir(TestHome::Path() + "/Documents").removeRecursively();
        form = std::make_unique<TFormPuzzle>();
        ASSERT_TRUE(form->FormCreate());
        form->show();
        TessalyApplication::SetErrorSink([this](const QString& message) { errors << message; });
    }
    void TearDown() override {
        TessalyApplication::SetErrorSink(nullptr);
        form.reset();
    }

    QString WritePicture(const QString& name, QSize size, const char* format) {
        QImage picture(size, QImage::Format_RGB888);
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(30, 90, 200));
        painter.fillRect(QRect(QPoint(0, 0), size / 2), QColor(240, 200, 20));
        painter.end();
        const QString path = TestHome::Path() + "/" + name;
        EXPECT_TRUE(picture.save(path, format));
        return path;
    }

    std::unique_ptr<TFormPuzzle> form;
    QStringList errors;
};

} // namespace

TEST_F(MainWindow, StartsWithFoldersTopBarAndMotifOne) {
    EXPECT_TRUE(QFileInfo(SettingsDir).isDir());
    EXPECT_TRUE(QFileInfo(DataDir).isDir());
    EXPECT_TRUE(QFileInfo(FavoritesDir).isDir());
    EXPECT_EQ(IniFileName, SettingsDir + "tessaly.ini");
    EXPECT_EQ(StatisticsFileName, DataDir + "tessaly.dat");
    EXPECT_EQ(FavoritesFileName, FavoritesDir + "Favorite.dat");

    EXPECT_EQ(form->size(), QSize(900, 700));
    EXPECT_EQ(form->lbTitelPlayMode->text(), "Standard");
    EXPECT_EQ(form->LabeModeTitle->text(), "Teile:");
    EXPECT_EQ(form->StaticTextMode->text(), "0");
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:00");
    EXPECT_TRUE(PictureIsMotif);
    EXPECT_EQ(MotifNumber, 1);

    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_EQ(form->Image1->height(), 500);
    EXPECT_EQ(form->Image1->geometry().right(), 864 - 10 - 1);
    EXPECT_EQ(form->Image2->pos(), QPoint(10, 10));
    EXPECT_TRUE(form->Image2->isVisible());

    // The frames are drawn into the window's copy of the table, never into the artwork
    // itself: the next background is clean again.
    const QPoint corner = form->Image1->geometry().topLeft() - QPoint(5, 5);
    EXPECT_NE(form->ImageBack->Picture().pixelColor(corner),
              ArtResources::LoadJpg(100).pixelColor(corner));
    QFile stored(":/jpg/100.jpg");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(ArtResources::LoadJpg(100), JpegCodec::Decode(stored.readAll()));
}

TEST_F(MainWindow, MemoryModeFromTheSettingsShowsPairsAndItsOwnFile) {
    form.reset();
    PlayMode = ModeMemory;
    SaveSettings(IniFileName);
    ResetSettings();
    form = std::make_unique<TFormPuzzle>();
    ASSERT_TRUE(form->FormCreate());
    EXPECT_EQ(form->lbTitelPlayMode->text(), "Memory");
    EXPECT_EQ(form->LabeModeTitle->text(), "Paare:");
    EXPECT_EQ(StatisticsFileName, DataDir + "tessaly.mem");
}

TEST_F(MainWindow, StartRemovesWhatAKilledSaveLeftBehind) {
    form.reset();
    QStringList leftovers;
    for (const QString& file :
         {SettingsDir + "tessaly.ini", DataDir + "tessaly.dat", DataDir + "tessaly.mem",
          FavoritesDir + "Favorite.dat", FavoritesDir + "th_Haus.jpg"}) {
        const QFileInfo info(file);
        leftovers << info.path() + "/" + StoredFile::TemporaryName(info.fileName());
    }
    // The player's own copies, named as a save's temporary files once were named.
    const QStringList backups = {SettingsDir + "tessaly.ini.backup", DataDir + "tessaly.dat.bak",
                                 DataDir + "tessaly.mem.2024v1",
                                 FavoritesDir + "Favorite.dat.orig12"};
    for (const QString& name : leftovers + backups) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    form = std::make_unique<TFormPuzzle>();
    ASSERT_TRUE(form->FormCreate());
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(name)) << qPrintable(name);
    for (const QString& name : backups)
        EXPECT_TRUE(QFileInfo::exists(name)) << qPrintable(name);
}

TEST_F(MainWindow, AnsweringNoToQuittingChangesNothing) {
    GameSize = 1;
    form->CutPieces();
    const QPoint before = Pieces[5]->pos();
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(PiecesCreated);
    EXPECT_EQ(Pieces[5]->pos(), before);
    EXPECT_FALSE(QFileInfo::exists(IniFileName));
}

TEST_F(MainWindow, TheClockStandsWhileTheQuitQuestionIsOpen) {
    PlayMode = ModeStandard;
    GameSize = 1;
    form->StartPuzzle();
    form->TimerCounterTimer();
    ASSERT_EQ(form->StaticTextTime->text(), "00:00:01");
    ModalDriver::AnswerNext([](QWidget* box) {
        QTest::qWait(2200); // two ticks of the clock's timer
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:01");
    EXPECT_TRUE(form->TimerCounter->isActive());
    EXPECT_FALSE(DialogOpen);
    form->TimerCounterTimer();
    EXPECT_EQ(form->StaticTextTime->text(), "00:00:02");
}

TEST_F(MainWindow, ConfirmedQuitWritesSettingsAndStatistics) {
    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFileInfo::exists(IniFileName));
    EXPECT_EQ(QFileInfo(StatisticsFileName).size(), 1500);
}

namespace {

// Confirms the quit question, then answers the question that follows a failed save with
// "Ja" or "Nein" and notes what it said.
void QuitThenAnswer(bool quitAnyway, QString* asked) {
    ModalDriver::AnswerNext([quitAnyway, asked](QWidget* quit) {
        ModalDriver::AnswerNext([quitAnyway, asked](QWidget* box) {
            *asked = box->windowTitle() + "|" + ModalDriver::LabelTexts(box).join('|');
            QTest::keyClick(box, quitAnyway ? Qt::Key_Return : Qt::Key_Escape);
        });
        QTest::keyClick(quit, Qt::Key_Return);
    });
}

} // namespace

TEST_F(MainWindow, SettingsThatCannotBeWrittenAreReportedAndNoKeepsTheGame) {
    GameSize = 1;
    form->CutPieces();
    const QPoint before = Pieces[5]->pos();
    ASSERT_TRUE(QDir().mkpath(IniFileName)); // a folder where the file belongs
    QString asked;
    QuitThenAnswer(false, &asked);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(IniFileName));
    EXPECT_TRUE(asked.startsWith("Beenden|"));
    EXPECT_TRUE(asked.contains("Die Daten konnten nicht gespeichert werden. Trotzdem beenden?"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(PiecesCreated);
    EXPECT_EQ(Pieces[5]->pos(), before);
    // The statistics did not depend on the settings.
    EXPECT_EQ(QFileInfo(StatisticsFileName).size(), 1500);
    QDir(IniFileName).removeRecursively();
}

TEST_F(MainWindow, PlayerWhoseFilesCannotBeWrittenMayQuitWithoutThem) {
    ASSERT_TRUE(QDir().mkpath(IniFileName));
    ASSERT_TRUE(QDir().mkpath(StatisticsFileName));
    QString asked;
    QuitThenAnswer(true, &asked);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(IniFileName));
    EXPECT_TRUE(errors[1].contains(StatisticsFileName));
    EXPECT_TRUE(asked.contains("Trotzdem beenden?"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(PiecesCreated);
    // Nothing else was written.
    EXPECT_EQ(QDir(SettingsDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"tessaly.ini"});
    EXPECT_EQ(QDir(DataDir).entryList(QDir::Files), QStringList());
    QDir(IniFileName).removeRecursively();
    QDir(StatisticsFileName).removeRecursively();
}

TEST_F(MainWindow, LoadsAPictureOntoBoardAndPreview) {
    PictureFile = WritePicture("landscape.jpg", QSize(800, 600), "JPG");
    ASSERT_TRUE(form->LoadPictureFile());
    EXPECT_FALSE(PictureIsMotif);
    EXPECT_EQ(form->Image1->geometry(), QRect(864 - 667 - 10, 10, 667, 500));
    EXPECT_EQ(form->Image1->Picture().size(), QSize(667, 500));
    EXPECT_EQ(form->Image2->geometry(), QRect(10, 10, 120, 90));
    // The top-left quarter of the picture is yellow, the rest blue.
    const QColor topLeft = form->Image1->Picture().pixelColor(100, 100);
    EXPECT_GT(topLeft.red(), 200);
    EXPECT_LT(form->Image1->Picture().pixelColor(600, 400).red(), 60);

    // The board follows the file's size even when the decoder scales a large JPEG down
    // (1601 x 1201 decodes at 801 x 601, which alone would give 666).
    PictureFile = WritePicture("odd.jpg", QSize(1601, 1201), "JPG");
    ASSERT_TRUE(form->LoadPictureFile());
    EXPECT_EQ(form->Image1->width(), 667);

    PictureFile = WritePicture("portrait.bmp", QSize(500, 1000), "BMP");
    ASSERT_TRUE(form->LoadPictureFile());
    EXPECT_EQ(form->Image1->geometry(), QRect(864 - 250 - 10, 10, 250, 500));
    EXPECT_EQ(form->Image2->size(), QSize(60, 120));
}

TEST_F(MainWindow, MissingOrBrokenPictureLeavesTheBoardAsItWas) {
    const QRect motifBoard = form->Image1->geometry();
    PictureFile = TestHome::Path() + "/gone.jpg";
    EXPECT_FALSE(form->LoadPictureFile());
    EXPECT_FALSE(PictureIsMotif);
    EXPECT_EQ(form->Image1->geometry(), motifBoard);

    PictureIsMotif = true;
    QFile broken(TestHome::Path() + "/broken.jpg");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 this is not a picture");
    broken.close();
    PictureFile = broken.fileName();
    EXPECT_ANY_THROW(form->LoadPictureFile());
    EXPECT_TRUE(PictureIsMotif);
    EXPECT_EQ(form->Image1->geometry(), motifBoard);
    EXPECT_TRUE(form->Image1->isVisible());
}

TEST_F(MainWindow, PictureChecksShowTheirMessages) {
    QStringList shown;
    auto remember = [&shown](QWidget* box) {
        shown << ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Return);
    };
    const QString small = WritePicture("small.bmp", QSize(399, 600), "BMP");
    ModalDriver::AnswerNext(remember);
    EXPECT_TRUE(form->CheckMinimumSize(small));
    EXPECT_TRUE(shown.last().contains("Die Bildgröße sollte mindestens 400 x 500 Pixel betragen."));

    // A picture too wide is offered its centre: "Nein" refuses it, "Ja" takes the centre.
    const QString wide = WritePicture("wide.bmp", QSize(702, 500), "BMP");
    EXPECT_FALSE(form->CheckMinimumSize(wide));
    ModalDriver::AnswerNext([&shown](QWidget* box) {
        shown << ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Escape);
    });
    bool centreOnly = true;
    EXPECT_TRUE(form->CheckFormat(wide, &centreOnly));
    EXPECT_FALSE(centreOnly);
    EXPECT_TRUE(shown.last().contains("Information"));
    EXPECT_TRUE(shown.last().contains("Die Bildgröße entspricht nicht dem geforderten Format! Soll "
                                      "der mittlere Ausschnitt verwendet werden?"));
    ModalDriver::AnswerNext(remember);
    EXPECT_FALSE(form->CheckFormat(wide, &centreOnly));
    EXPECT_TRUE(centreOnly);

    const QString fitting = WritePicture("fitting.bmp", QSize(700, 500), "BMP");
    EXPECT_FALSE(form->CheckMinimumSize(fitting));
    EXPECT_FALSE(form->CheckFormat(fitting, &centreOnly));
    EXPECT_FALSE(centreOnly);
    EXPECT_EQ(shown.size(), 3);
}

TEST_F(MainWindow, CuttingGivesPiecesOnTheirHomesAndADarkBoard) {
    PictureFile = WritePicture("square.bmp", QSize(500, 500), "BMP");
    ASSERT_TRUE(form->LoadPictureFile());
    const QImage picture = form->Image1->Picture();
    GameSize = 1;
    PlayMode = ModeKaskade; // cascade pieces wait on their homes until the stack is built
    form->CutPieces();

    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(form->StaticTextMode->text(), "9");
    const QPoint board = form->Image1->pos();
    EXPECT_EQ(Pieces[1]->geometry(), QRect(board, QSize(166, 166)));
    EXPECT_EQ(Pieces[9]->pos(), board + QPoint(332, 332));
    EXPECT_EQ(HomeSlots[9]->geometry(), Pieces[9]->geometry());
    EXPECT_EQ(Pieces[6]->ImageIdle(), picture.copy(332, 166, 166, 166));
    EXPECT_EQ(Pieces[6]->Tag(), 6);

    // The board shows the table under it, 25 darker.
    const QColor table = form->ImageBack->Picture().pixelColor(board + QPoint(3, 250));
    const QColor shown = form->Image1->Picture().pixelColor(3, 250);
    EXPECT_EQ(shown.red(), std::max(table.red() - 25, 0));
    EXPECT_EQ(shown.blue(), std::max(table.blue() - 25, 0));
}

TEST_F(MainWindow, TopBarAndFrameMoveTheWindowButTheClockDoesNot) {
    const QPoint start = form->pos();
    QTest::mousePress(form->ImageTop, Qt::LeftButton, {}, QPoint(150, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(180, 30),
                     form->ImageTop->mapToGlobal(QPointF(180, 30)), Qt::LeftButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(form->ImageTop, &move);
    QTest::mouseRelease(form->ImageTop, Qt::LeftButton, {}, QPoint(180, 30));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));

    const QPoint moved = form->pos();
    QTest::mousePress(form->StaticTextTime, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent clockMove(QEvent::MouseMove, QPointF(40, 40),
                          form->StaticTextTime->mapToGlobal(QPointF(40, 40)), Qt::LeftButton,
                          Qt::LeftButton, {});
    QApplication::sendEvent(form->StaticTextTime, &clockMove);
    QTest::mouseRelease(form->StaticTextTime, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(form->pos(), moved);
}

TEST(MainWindowStart, FolderThatCannotBeCreatedEndsTheStartBeforeAnythingIsRead) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    QFile blocker(TestHome::Path() + "/not-a-folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", (TestHome::Path() + "/not-a-folder").toUtf8());

    QString shown;
    ModalDriver::AnswerNext([&shown](QWidget* box) {
        shown = ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Return);
    });
    TFormPuzzle form;
    EXPECT_FALSE(form.FormCreate());
    EXPECT_TRUE(shown.contains("Verzeichnis für Programmdaten konnte nicht angelegt werden!"));
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST(MainWindowStart, MissingHelpFileIsReportedOnceAndTheStartGoesOn) {
    // A program folder without the help file.
    const QString folder = TestHome::Path() + "/program-without-help/";
    ASSERT_TRUE(QDir().mkpath(folder));
    AppFolders::OverrideProgramDir(folder);

    QStringList shown;
    ModalDriver::AnswerNext([&shown](QWidget* box) {
        shown << ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Return);
    });
    TFormPuzzle form;
    const bool started = form.FormCreate();
    AppFolders::OverrideProgramDir(QString());

    EXPECT_TRUE(started);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("Die Hilfedatei wurde nicht gefunden!"));
    EXPECT_EQ(HelpFileName, folder + "tessaly.html");
    EXPECT_FALSE(form.Image1->isHidden());
}

TEST_F(MainWindow, AltBAndTheCloseButtonAskBeforeQuitting) {
    QStringList asked;
    auto refuse = [&asked](QWidget* box) {
        asked << box->windowTitle() + "|" + ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Escape);
    };
    ModalDriver::AnswerNext(refuse);
    QTest::keyClick(form.get(), Qt::Key_B, Qt::AltModifier);
    ModalDriver::AnswerNext(refuse);
    QTest::mouseClick(form->wbClose, Qt::LeftButton, {}, QPoint(10, 10));
    // B without Alt is no hot key.
    QTest::keyClick(form.get(), Qt::Key_B);

    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith("Beenden|"));
    EXPECT_TRUE(asked[0].contains("Möchten Sie Tessaly wirklich beenden?"));
    EXPECT_EQ(asked[1], asked[0]);
    EXPECT_TRUE(form->isVisible());
}

namespace {

// A PATH for the help's launcher: none at all, or a stand-in "xdg-open" that notes what it
// was asked to open and ends with the given exit code.
class LauncherPath {
public:
    explicit LauncherPath(std::optional<int> exitCode)
        : folder(TestHome::Path() + "/launcher-" + QString::number(exitCode.value_or(-1))),
          saved(qgetenv("PATH")) {
        QDir(folder).removeRecursively();
        EXPECT_TRUE(QDir().mkpath(folder));
        if (exitCode) {
            QFile script(folder + "/xdg-open");
            EXPECT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1/asked'\nexit %2\n")
                             .arg(folder)
                             .arg(*exitCode)
                             .toUtf8());
            script.close();
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        }
        qputenv("PATH", folder.toUtf8());
    }
    ~LauncherPath() {
        qputenv("PATH", saved);
        if (THelpForm::Current())
            delete THelpForm::Current();
    }

    QString Asked() const {
        QFile asked(folder + "/asked");
        return asked.open(QIODevice::ReadOnly) ? QString::fromUtf8(asked.readAll()).trimmed()
                                               : QString();
    }

private:
    QString folder;
    QByteArray saved;
};

bool HelpWindowShowsTheHelpFile() {
    THelpForm* help = THelpForm::Current();
    return help && help->isVisible() && help->size() == QSize(800, 600) &&
           help->windowTitle() == "Tessaly – Hilfe" &&
           help->Browser->toPlainText().contains("Ein Spiel beginnen");
}

} // namespace

TEST_F(MainWindow, HelpWithoutABrowserOpensInAWindowOfItsOwn) {
    const LauncherPath none(std::nullopt);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_TRUE(HelpWindowShowsTheHelpFile());
}

TEST_F(MainWindow, HelpWindowStandsOverTheMainWindowAndEscapeClosesIt) {
    const LauncherPath none(std::nullopt);
    form->move(40, 30);
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_TRUE(HelpWindowShowsTheHelpFile());
    const QPointer<THelpForm> help = THelpForm::Current();
    // Its frame, which the window system may add around it, stands centred on the window.
    EXPECT_LE((help->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(),
              4);
    QTest::keyClick(help->Browser, Qt::Key_Escape);
    EXPECT_FALSE(help && help->isVisible());
}

TEST_F(MainWindow, HelpThatTheBrowserCannotOpenOpensInAWindowOfItsOwn) {
    const LauncherPath failing(3);
    form->mHelpClick();
    EXPECT_TRUE(QTest::qWaitFor([] { return THelpForm::Current() != nullptr; }, 10000));
    EXPECT_TRUE(HelpWindowShowsTheHelpFile());
    EXPECT_EQ(failing.Asked(), QUrl::fromLocalFile(HelpFileName).toString());
}

TEST_F(MainWindow, HelpThatTheBrowserShowsOpensNoWindow) {
    const LauncherPath working(0);
    form->mHelpClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !working.Asked().isEmpty(); }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(THelpForm::Current(), nullptr);
}

TEST_F(MainWindow, LinksOfTheHelpWindowLeadToTheOtherPages) {
    const QString folder = TestHome::Path() + "/hilfe/";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const auto& [name, html] :
         {std::pair{"tessaly.html", "<html><head><title>Hilfe</title></head><body>"
                                    "<p><a href=\"tasten.html\">Tasten</a></p></body></html>"},
          std::pair{"tasten.html", "<html><body><p>F1 zeigt diese Hilfe.</p></body></html>"}}) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }
    HelpFileName = folder + "tessaly.html";
    const LauncherPath none(std::nullopt);
    form->mHelpClick();
    THelpForm* help = THelpForm::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Tessaly – Hilfe");
    // Click on the link where the browser laid it out.
    QTextCursor link(help->Browser->document());
    link.setPosition(help->Browser->toPlainText().indexOf("Tasten") + 2);
    const QPoint at = help->Browser->cursorRect(link).center();
    QTest::mouseClick(help->Browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(help->Browser->source().toString().endsWith("tasten.html"));
    EXPECT_TRUE(help->Browser->toPlainText().contains("F1 zeigt diese Hilfe."));
}

TEST_F(MainWindow, MissingHelpFileWithoutABrowserIsReportedInTheNoticeBox) {
    HelpFileName = TestHome::Path() + "/gibt-es-nicht.html";
    const LauncherPath none(std::nullopt);
    QString shown;
    ModalDriver::AnswerNext([&shown](QWidget* box) {
        shown = box->windowTitle() + "|" + ModalDriver::LabelTexts(box).join('|');
        QTest::keyClick(box, Qt::Key_Return);
    });
    form->mHelpClick();
    EXPECT_TRUE(shown.contains("Die Hilfedatei wurde nicht gefunden!"));
    EXPECT_EQ(THelpForm::Current(), nullptr);
}
