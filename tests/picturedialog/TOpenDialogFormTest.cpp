#include "picturedialog/TOpenDialogForm.h"
#include "HostileFiles.h"
#include "ModalDriver.h"
#include "TestHome.h"
#include "game/VarUnit.h"
#include "picturedialog/BackgroundListing.h"
#include "picturedialog/FavoritesStore.h"
#include "picturedialog/TSectionLabel.h"
#include "picturedialog/TShapeFrame.h"
#include "picturedialog/TThumbImage.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDHorBar.h"
#include "widgets/WDScrollBox.h"
#include "widgets/WDWinButton.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

// Hands the next popup menu to `inspect` and closes it.
void InspectNextPopup(std::function<void(QMenu*)> inspect) {
    auto attempts = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [inspect, attempts, poll] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            inspect(menu);
            if (menu->isVisible())
                menu->close();
            *poll = nullptr;
            return;
        }
        if (++*attempts < 500)
            QTimer::singleShot(10, *poll);
        else
            *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

// Chooses the item `text` of the next popup menu with a click, as the player would.
void ClickNextPopupItem(const QString& text) {
    InspectNextPopup([text](QMenu* menu) {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    });
}

// A right click as the window system delivers it: the press and release, then the request
// for the popup menu.
void RightClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);
}

// A double click as the window system delivers it: press, release, double click, release.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

class Chooser : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        base = TestHome::Path() + "/chooser/";
        QDir(base).removeRecursively();
        FavoritesDir = base + "Favoriten/";
        QDir().mkpath(FavoritesDir);
        FavoritesFileName = FavoritesDir + "Favorite.dat";
        ChooserResult = 0;
        ChosenFile.clear();
        MotifNumber = 1;
        TessalyApplication::SetErrorSink([this](const QString& message) { errors << message; });
    }
    void TearDown() override {
        dialog.reset();
        TessalyApplication::SetErrorSink(nullptr);
    }

    // Shows the chooser (created on first use) the way the main window does, but without
    // blocking the test.
    TOpenDialogForm& Show() {
        if (!dialog)
            dialog = std::make_unique<TOpenDialogForm>();
        dialog->setWindowModality(Qt::NonModal);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }

    QString Folder(const QString& name) {
        const QString path = base + name + "/";
        QDir().mkpath(path);
        return path;
    }

    QString Picture(const QString& path, QSize size) {
        QDir().mkpath(QFileInfo(path).path());
        QImage image(size, QImage::Format_RGB888);
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(40, 110, 190));
        painter.fillRect(QRect(QPoint(0, 0), size / 2), QColor(230, 190, 30));
        painter.end();
        const bool bitmap = path.endsWith(".bmp", Qt::CaseInsensitive);
        EXPECT_TRUE(image.save(path, bitmap ? "BMP" : "JPG"));
        return path;
    }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Favorites as a previous run left them: pictures, thumbnails and the list.
    void StoredFavorites(const QStringList& pictures) {
        const FavoritesStore store(FavoritesDir);
        FavoritesList list;
        for (const QString& picture : pictures) {
            const QString name = list.FreeThumbnailName(picture);
            store.MakeThumbnail(picture, name);
            list.Append(picture, name);
        }
        store.Save(list);
    }

    QStringList ListedNames() const {
        QStringList names;
        QAbstractItemModel* model = dialog->ListView1->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }

    QString Cell(int row, int column) const {
        return dialog->ListView1->model()->index(row, column).data().toString();
    }

    QPoint RowCentre(int row) const {
        const QModelIndex index = dialog->ListView1->model()->index(row, 0);
        dialog->ListView1->scrollTo(index);
        return dialog->ListView1->visualRect(index).center();
    }

    void ClickRow(int row) {
        QTest::mouseClick(dialog->ListView1->viewport(), Qt::LeftButton, {}, RowCentre(row));
    }

    void RightClickRow(int row) { RightClick(dialog->ListView1->viewport(), RowCentre(row)); }

    void Click(QWidget* widget, QPoint at = QPoint(5, 5)) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    // Selects the row and adds it through the file list's popup menu.
    void AddRowByPopup(int row) {
        ClickRow(row);
        ClickNextPopupItem("In die Favoriten aufnehmen");
        RightClickRow(row);
    }

    // The texts of the next notice box, which is answered with Enter.
    void CaptureNextBox(QStringList& texts) {
        ModalDriver::AnswerNext([&texts](QWidget* box) {
            texts = ModalDriver::LabelTexts(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
    }

    QString base;
    QStringList errors;
    std::unique_ptr<TOpenDialogForm> dialog;
};

} // namespace

// ---- The folder tree and the file list ---------------------------------------------------

TEST_F(Chooser, RememberedFolderIsWalkedToAndItsPictureFilesListed) {
    const QString folder = Folder("Mischung");
    for (const char* name : {"a.JPG", "b.jpeg", "c.bm", "d"})
        WriteFile(folder + name, "x");
    QDir().mkpath(folder + "x.wmf");
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(ListedNames(), QStringList({"a.JPG", "b.jpeg", "x.wmf"}));
    EXPECT_EQ(chooser.LabelFiles->text(), "Dateien (3)");
    EXPECT_EQ(chooser.FilePaths,
              QStringList({folder + "a.JPG", folder + "b.jpeg", folder + "x.wmf"}));
    ASSERT_TRUE(chooser.SelectedNode());
    EXPECT_EQ(chooser.NodePath(chooser.SelectedNode()), folder);
    EXPECT_EQ(chooser.TreeView1->topLevelItem(0)->text(0), "/");
    EXPECT_FALSE(chooser.btnOK->Enabled());
    EXPECT_FALSE(chooser.TreeInitializing);
    EXPECT_EQ(LastFolder, folder);
}

// Relative luminance of a colour as the contrast rules for text define it.
double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

TEST_F(Chooser, SectionTitlesStandOutAndLongNamesKeepTheirExtension) {
    const QString folder = Folder("Lesbar");
    const QString longName = "Sonnenuntergang am Meer bei Nacht mit Leuchtturm.jpg";
    Picture(folder + longName, QSize(800, 600));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    for (QLabel* label : {chooser.LabelDirectory, chooser.LabelFiles, chooser.LabelView,
                          chooser.LabelFavorite, chooser.LabelMotive, chooser.Label2}) {
        // The lightest pixel of the plate beside the text against the text's colour.
        const QImage shot = label->grab().toImage();
        double lightest = 0;
        for (int y = 2; y < shot.height() - 2; ++y)
            for (int x = 2; x < TSectionLabel::Padding; ++x)
                lightest = std::max(lightest, Luminance(shot.pixelColor(x, y)));
        const double text = Luminance(label->palette().color(QPalette::WindowText));
        EXPECT_GE((text + 0.05) / (lightest + 0.05), 4.5) << label->text().toStdString();
        EXPECT_GT(static_cast<TSectionLabel*>(label)->PlateRect().width(),
                  label->fontMetrics().horizontalAdvance(label->text()));
    }
    EXPECT_EQ(chooser.LabelFiles->text(), "Dateien (1)");
    // The row shows the start and the extension of a long name, its tooltip all of it.
    const QModelIndex row = chooser.ListView1->model()->index(0, 0);
    EXPECT_EQ(row.data(Qt::ToolTipRole).toString(), longName);
    EXPECT_EQ(row.siblingAtColumn(2).data(Qt::ToolTipRole).toString(), longName);
    EXPECT_EQ(chooser.ListView1->textElideMode(), Qt::ElideMiddle);
}

TEST_F(Chooser, SizesAreShownInBytesKilobytesAndMegabytes) {
    const QString folder = Folder("Groessen");
    const struct {
        const char* name;
        qint64 size;
        const char* shown;
    } files[] = {{"a0.jpg", 0, "0 Byte"},        {"a1.jpg", 1023, "1023 Byte"},
                 {"a2.jpg", 1024, "1,00 KB"},    {"a3.jpg", 1536, "1,50 KB"},
                 {"a4.jpg", 1 << 20, "1,00 MB"}, {"a5.jpg", qint64(3) << 30, "3,00 GB"}};
    for (const auto& file : files) {
        QFile out(folder + file.name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.resize(file.size); // sparse: the 3 GiB take no room on the disk
    }
    LastFolder = folder;
    Show();
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(Cell(row, 1), files[row].shown) << files[row].name;
    EXPECT_TRUE(Cell(0, 2).contains("  ")) << Cell(0, 2).toStdString();
}

TEST_F(Chooser, EmptyFolderListsNothingAndOffersNothingToOpen) {
    LastFolder = Folder("Leer");
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(chooser.ListView1->model()->rowCount(), 0);
    EXPECT_EQ(chooser.LabelFiles->text(), "Dateien (0)");
    Click(chooser.ListView1->viewport(), QPoint(50, 10));
    EXPECT_FALSE(chooser.btnOK->Enabled());
    Click(chooser.btnOK, QPoint(10, 10));
    EXPECT_EQ(ChooserResult, 0);
    EXPECT_TRUE(chooser.isVisible());
}

TEST_F(Chooser, FolderThatCannotBeReadSaysSoInTheList) {
    const QString open = Folder("Offen");
    Picture(open + "a.jpg", QSize(600, 600));
    const QString closed = Folder("Offen/Zu");
    Picture(closed + "b.jpg", QSize(600, 600));
    LastFolder = open;
    TOpenDialogForm& chooser = Show();
    EXPECT_FALSE(chooser.LabelUnreadable->isVisible());
    // Taken from the player: by its permissions, or (for an administrator, who may read
    // anything) by taking it away after the tree showed it.
    if (getuid() != 0)
        ASSERT_TRUE(QFile::setPermissions(closed, {}));
    else
        ASSERT_TRUE(QDir(closed).removeRecursively());
    QTreeWidgetItem* node = chooser.SelectedNode()->child(0);
    ASSERT_EQ(node->text(0), "Zu");
    const QRect row = chooser.TreeView1->visualItemRect(node);
    QTest::mouseClick(chooser.TreeView1->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(chooser.SelectedNode(), node);
    EXPECT_EQ(chooser.LabelFiles->text(), "Dateien (0)");
    EXPECT_TRUE(chooser.LabelUnreadable->isVisible());
    EXPECT_EQ(chooser.LabelUnreadable->text(), "Der Ordner kann nicht gelesen werden.");
    EXPECT_EQ(chooser.LabelUnreadable->geometry(), chooser.ListView1->viewport()->rect());

    QTest::mouseClick(chooser.TreeView1->viewport(), Qt::LeftButton, {},
                      chooser.TreeView1->visualItemRect(node->parent()).center());
    EXPECT_EQ(chooser.LabelFiles->text(), "Dateien (1)");
    EXPECT_FALSE(chooser.LabelUnreadable->isVisible());
    QFile::setPermissions(closed,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(Chooser, LargeFolderShowsAtOnceAndItsRowsFollowSortedAndCounted) {
    const QString folder = Folder("Viele");
    const int count = BackgroundListing::ListedAtOnce + 1;
    for (int i = count; i >= 1; --i)
        WriteFile(folder + QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0')), "x");
    LastFolder = folder;
    dialog = std::make_unique<TOpenDialogForm>();
    dialog->setWindowModality(Qt::NonModal);
    dialog->show();
    // Shown before the folder has been read: no rows and no count yet.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->ListingFiles());
    EXPECT_EQ(dialog->ListView1->model()->rowCount(), 0);
    EXPECT_EQ(dialog->LabelFiles->text(), "Dateien");
    // Closed before the rows came: they are the folder's rows all the same, and the next
    // showing shows them.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->ListingFiles(); }, 60000));
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(chooser.LabelFiles->text(), QStringLiteral("Dateien (%1)").arg(count));
    ASSERT_EQ(chooser.FilePaths.size(), count);
    EXPECT_EQ(chooser.FilePaths.first(), folder + "IMG_00001.JPG");
    EXPECT_EQ(Cell(count - 1, 0), QStringLiteral("IMG_%1.JPG").arg(count, 5, 10, QLatin1Char('0')));
    EXPECT_EQ(chooser.NodePath(chooser.SelectedNode()), folder);
}

TEST_F(Chooser, SelectingARowPreviewsThePictureUnlessItCannotBeShown) {
    const QString folder = Folder("Vorschau");
    Picture(folder + "a.jpg", QSize(800, 600));
    WriteFile(folder + "b.jpg", "");
    WriteFile(folder + "c.jpg", "kein Bild");
    Picture(folder + "d.bmp", QSize(400, 500));
    WriteFile(folder + "e.tiff", HostileFiles::TiffOverflowingItsDecoder());
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();

    ClickRow(0);
    EXPECT_TRUE(chooser.btnOK->Enabled());
    ASSERT_FALSE(chooser.Image1->pixmap().isNull());
    EXPECT_EQ(chooser.Image1->pixmap().size(), QSize(140, 105));
    ClickRow(3);
    EXPECT_EQ(chooser.Image1->pixmap().size(), QSize(84, 105));

    ClickRow(1); // zero bytes
    EXPECT_TRUE(chooser.Image1->pixmap().isNull());
    EXPECT_TRUE(chooser.btnOK->Enabled());
    ClickRow(2); // cannot be decoded
    EXPECT_TRUE(chooser.Image1->pixmap().isNull());
    ClickRow(4); // makes the system's decoder write outside its memory
    EXPECT_TRUE(chooser.Image1->pixmap().isNull());
    EXPECT_TRUE(errors.isEmpty());

    // The check box takes effect at the next selection.
    Click(chooser.CheckBoxView);
    ClickRow(0);
    EXPECT_TRUE(chooser.Image1->pixmap().isNull());
}

// The preview of a picture too wide for the board shows the strips that its centre section
// leaves out darker, so the player sees what would be played; a PNG is previewed too.
TEST_F(Chooser, PreviewOfATooWidePictureDarkensTheStripsThatWouldBeCut) {
    const QString folder = Folder("Breit");
    QImage plain(1200, 800, QImage::Format_RGB888);
    plain.fill(QColor(220, 220, 220));
    WriteFile(folder + "breit.jpg", JpegCodec::Encode(plain, 95));
    QImage screenshot(800, 600, QImage::Format_RGB888);
    screenshot.fill(QColor(220, 220, 220));
    ASSERT_TRUE(screenshot.save(folder + "bildschirm.png", "PNG"));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(ListedNames(), QStringList({"bildschirm.png", "breit.jpg"}));

    ClickRow(1);
    const QImage preview = chooser.Image1->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(140, 93));
    // The section leaves 40 of 1200 columns on each side: between 4 and 5 preview pixels.
    EXPECT_LT(preview.pixelColor(2, 46).red(), 150);
    EXPECT_LT(preview.pixelColor(137, 46).red(), 150);
    EXPECT_GT(preview.pixelColor(6, 46).red(), 200);
    EXPECT_GT(preview.pixelColor(70, 46).red(), 200);

    ClickRow(0);
    const QImage fitting = chooser.Image1->pixmap().toImage();
    ASSERT_EQ(fitting.size(), QSize(140, 105));
    EXPECT_GT(fitting.pixelColor(2, 50).red(), 200);
}

TEST_F(Chooser, EscapeCancelAndCloseChooseNothing) {
    const QString folder = Folder("Abbruch");
    Picture(folder + "a.jpg", QSize(800, 600));
    LastFolder = folder;
    const std::function<void(TOpenDialogForm&)> ways[] = {
        [](TOpenDialogForm& chooser) { QTest::keyClick(chooser.ListView1, Qt::Key_Escape); },
        [this](TOpenDialogForm& chooser) { Click(chooser.btnCancel, QPoint(10, 10)); },
        [this](TOpenDialogForm& chooser) { Click(chooser.wbClose); },
    };
    for (const auto& cancel : ways) {
        TOpenDialogForm& chooser = Show();
        ClickRow(0);
        ASSERT_TRUE(chooser.btnOK->Enabled());
        cancel(chooser);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_EQ(ChooserResult, 0);
    }
}

TEST_F(Chooser, PictureBelowTheMinimumSizeIsRefusedAndTheChooserStays) {
    const QString folder = Folder("Mindestgroesse");
    Picture(folder + "a_klein.jpg", QSize(399, 600));
    Picture(folder + "b_gross.bmp", QSize(400, 500));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();

    ClickRow(0);
    QStringList told;
    CaptureNextBox(told);
    Click(chooser.btnOK, QPoint(10, 10));
    EXPECT_TRUE(told.contains("Die Bildgröße sollte mindestens 400 x 500 Pixel betragen."));
    EXPECT_EQ(ChooserResult, 0);
    EXPECT_TRUE(chooser.isVisible());

    ClickRow(1);
    Click(chooser.btnOK, QPoint(10, 10));
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(ChosenFile, folder + "b_gross.bmp");
    EXPECT_FALSE(chooser.isVisible());
}

// The chooser decodes the picture before it closes: data that is cut short or costs too
// much work is reported while the player can still choose another; a whole picture opens
// with a double click.
TEST_F(Chooser, PictureWhoseDataFailsIsReportedBeforeTheChooserCloses) {
    const QString folder = Folder("NurKopf");
    QImage picture(400, 500, QImage::Format_RGB888);
    picture.fill(Qt::red);
    WriteFile(folder + "a_kopf.jpg", JpegCodec::Encode(picture, 90).left(700));
    WriteFile(folder + "b_bombe.jpg", HostileFiles::ProgressiveBomb(2400, 2400, 120));
    WriteFile(folder + "c_ganz.jpg", JpegCodec::Encode(picture, 90));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    for (int row : {0, 1}) {
        DoubleClick(chooser.ListView1->viewport(), RowCentre(row));
        EXPECT_EQ(ChooserResult, 0);
        EXPECT_TRUE(chooser.isVisible());
    }
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("a_kopf.jpg") && errors[0].contains("unvollständig"))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains("zu viel Rechenarbeit")) << errors[1].toStdString();
    DoubleClick(chooser.ListView1->viewport(), RowCentre(2));
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(ChosenFile, folder + "c_ganz.jpg");
    EXPECT_EQ(errors.size(), 2);
}

// A name that is not UTF-8 is listed with the replacement character and chosen by its own
// bytes.
TEST_F(Chooser, NameThatIsNotUtf8IsListedAndOpened) {
    const QString folder = Folder("Bytes");
    QImage picture(400, 500, QImage::Format_RGB888);
    picture.fill(Qt::darkGreen);
    const QString path =
        HostileFiles::WriteRawName(folder, "caf\xE9.jpg", JpegCodec::Encode(picture, 90));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("caf\uFFFD.jpg")}));
    DoubleClick(chooser.ListView1->viewport(), RowCentre(0));
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(ChosenFile, path);
    EXPECT_EQ(PictureFile::ReadSize(ChosenFile, PictureFile::Kind::Jpeg), QSize(400, 500));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(Chooser, FileThatIsNoPictureReachesTheErrorBoxAndTheChooserStays) {
    const QString folder = Folder("Falsch");
    WriteFile(folder + "a.jpg", "kein Bild");
    WriteFile(folder + "b.png", "auch keins");
    QDir().mkpath(folder + "c.wmf"); // a folder that passes as a picture by its name
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    for (int row : {0, 1, 2}) {
        ClickRow(row);
        Click(chooser.btnOK, QPoint(10, 10));
        EXPECT_EQ(ChooserResult, 0);
        EXPECT_TRUE(chooser.isVisible());
    }
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[1].contains("b.png")) << errors[1].toStdString();
}

TEST_F(Chooser, DeletedRememberedFolderWalksToThePicturesFolder) {
    const QString gone = Folder("Geloescht");
    QDir(gone).removeRecursively();
    LastFolder = gone;
    PreviewEnabled = false;
    TOpenDialogForm& chooser = Show();
    // No pictures folder is set up in the test home, so the home folder is the default.
    ASSERT_TRUE(chooser.SelectedNode());
    EXPECT_EQ(chooser.NodePath(chooser.SelectedNode()), TestHome::Path() + "/");
    EXPECT_EQ(LastFolder, TestHome::Path() + "/");
    EXPECT_FALSE(chooser.CheckBoxView->Checked());

    // Closing keeps the check box's state for the next start.
    Click(chooser.CheckBoxView);
    QTest::keyClick(chooser.TreeView1, Qt::Key_Escape);
    EXPECT_TRUE(PreviewEnabled);
}

TEST_F(Chooser, ThePicturesFolderOfTheDesktopIsTheDefault) {
    const QString pictures = Folder("Bilder");
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs";
    QDir().mkpath(QFileInfo(dirs).path());
    WriteFile(dirs, "XDG_PICTURES_DIR=\"" + pictures.toUtf8() + "\"\n");
    TOpenDialogForm& chooser = Show();
    QFile::remove(dirs);
    ASSERT_TRUE(chooser.SelectedNode());
    EXPECT_EQ(chooser.NodePath(chooser.SelectedNode()), pictures);
}

TEST_F(Chooser, SecondShowingKeepsTreeAndListAsTheyWereLeft) {
    const QString first = Folder("Erster");
    const QString other = Folder("Zweiter");
    Picture(first + "a.jpg", QSize(800, 600));
    LastFolder = first;
    TOpenDialogForm& chooser = Show();
    ClickRow(0);
    QTest::keyClick(chooser.ListView1, Qt::Key_Escape);

    LastFolder = other;
    Show();
    EXPECT_EQ(chooser.NodePath(chooser.SelectedNode()), first);
    EXPECT_EQ(ListedNames(), QStringList({"a.jpg"}));
    EXPECT_EQ(chooser.SelectedRow(), 0);
    EXPECT_TRUE(chooser.btnOK->Enabled());
    EXPECT_EQ(ChooserResult, 0);
}

TEST_F(Chooser, RestoringTheMinimisedWindowIsNoNewShowing) {
    PreviewEnabled = true;
    TOpenDialogForm& chooser = Show();
    Click(chooser.CheckBoxView);
    ASSERT_FALSE(chooser.CheckBoxView->Checked());
    chooser.move(chooser.pos() + QPoint(37, 23));
    const QPoint dragged = chooser.pos();
    ChooserResult = 2;
    chooser.showMinimized();
    QCoreApplication::processEvents();
    chooser.showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(chooser.CheckBoxView->Checked());
    EXPECT_EQ(chooser.pos(), dragged);
    EXPECT_EQ(ChooserResult, 2);
}

TEST_F(Chooser, FolderClickedBeforeCancellingIsRemembered) {
    const QString parent = Folder("Eltern");
    Folder("Eltern/Kind");
    Picture(parent + "Kind/k.jpg", QSize(800, 600));
    LastFolder = parent;
    TOpenDialogForm& chooser = Show();
    QTreeWidgetItem* node = chooser.SelectedNode();
    ASSERT_EQ(node->childCount(), 1);
    QTreeWidgetItem* child = node->child(0);
    Click(chooser.TreeView1->viewport(), chooser.TreeView1->visualItemRect(child).center());
    EXPECT_EQ(ListedNames(), QStringList({"k.jpg"}));
    Click(chooser.btnCancel, QPoint(10, 10));
    EXPECT_EQ(LastFolder, parent + "Kind/");
    EXPECT_EQ(ChooserResult, 0);
}

TEST_F(Chooser, OpeningAFolderReadsItsVisibleSubfolders) {
    const QString folder = Folder("Baum");
    for (const char* name : {"zeta", ".geheim", "Alpha", "beta"})
        Folder(QString("Baum/") + name);
    Folder("Baum/Alpha/innen");
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    QTreeWidgetItem* node = chooser.SelectedNode();
    QStringList children;
    for (int i = 0; i < node->childCount(); ++i)
        children << node->child(i)->text(0);
    EXPECT_EQ(children, QStringList({"Alpha", "beta", "zeta"}));
    const auto iconKey = [&](int icon) { return chooser.ImageListTree[icon].cacheKey(); };
    EXPECT_EQ(node->icon(0).cacheKey(), iconKey(TOpenDialogForm::IconOpenFolder));
    EXPECT_EQ(node->child(0)->icon(0).cacheKey(), iconKey(TOpenDialogForm::IconFolder));
    EXPECT_EQ(chooser.TreeView1->topLevelItem(0)->icon(0).cacheKey(),
              iconKey(TOpenDialogForm::IconDisk));

    // Opened again, it reads again and keeps the selection.
    Folder("Baum/neu");
    node->setExpanded(false);
    EXPECT_EQ(node->icon(0).cacheKey(), iconKey(TOpenDialogForm::IconFolder));
    node->setExpanded(true);
    EXPECT_EQ(node->childCount(), 4);
    EXPECT_EQ(chooser.SelectedNode(), node);
    // A folder without subfolders can be opened, and shows it has none.
    node->child(1)->setExpanded(true);
    EXPECT_EQ(node->child(1)->childCount(), 0);
    EXPECT_EQ(node->child(1)->childIndicatorPolicy(),
              QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

// ---- The motif strip ---------------------------------------------------------------------

TEST_F(Chooser, MotifStripShowsEveryThumbnailAndAClickChoosesIt) {
    TOpenDialogForm& chooser = Show();
    const int count = chooser.MotifCount();
    ASSERT_GE(count, 2);
    EXPECT_EQ(chooser.LabelMotive->text(), QString("Motive (%1)").arg(count));
    const TThumbImage* first = chooser.MotifThumbs[1];
    EXPECT_EQ(first->pos(), QPoint(4, 4));
    EXPECT_EQ(first->height(), 100);
    EXPECT_EQ(chooser.MotifThumbs[2]->x(), 4 + first->width() + 5);
    const TThumbImage* last = chooser.MotifThumbs[static_cast<std::size_t>(count)];
    EXPECT_EQ(chooser.WDThumbsBar->Max(), last->x() + last->width() - 649 + 4);

    QTest::mouseMove(chooser.MotifThumbs[3], QPoint(5, 5));
    EXPECT_TRUE(chooser.ShapeThumb->isVisible());
    EXPECT_EQ(chooser.ShapeThumb->geometry(),
              chooser.MotifThumbs[3]->geometry().adjusted(-2, -2, 2, 2));
    Click(chooser.MotifThumbs[3]);
    EXPECT_EQ(ChooserResult, 2);
    EXPECT_EQ(MotifNumber, 3);
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(Chooser, MotifStripFollowsItsBarExactly) {
    TOpenDialogForm& chooser = Show();
    TWDHorBar* bar = chooser.WDThumbsBar;
    const TThumbImage* first = chooser.MotifThumbs[1];
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(first->x(), 4 - 20);
    QTest::keyClick(bar, Qt::Key_Down); // to the end
    EXPECT_EQ(bar->Position(), bar->Max());
    EXPECT_EQ(first->x(), 4 - bar->Max());
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(first->x(), 4 - bar->Max() + 20);
    // A press just inside the left arrow jumps to the start.
    Click(bar, QPoint(20, 8));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(first->x(), 4);
    // The thumb dragged and the track pressed move the strip by as much as the bar moved.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(26, 8));
    QTest::mouseMove(bar, QPoint(26 + 301, 8));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(26 + 301, 8));
    EXPECT_GT(bar->Position(), 0);
    EXPECT_EQ(first->x(), 4 - bar->Position());
    Click(bar, QPoint(600, 8));
    EXPECT_EQ(first->x(), 4 - bar->Position());
    Click(bar, QPoint(8, 8));
    EXPECT_EQ(first->x(), 4 - bar->Position());
}

// ---- The favorites -----------------------------------------------------------------------

TEST_F(Chooser, PopupItemAddsTheSelectedPictureWithItsThumbnail) {
    const QString folder = Folder("Neu");
    Picture(folder + "a.jpg", QSize(800, 600));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (0)");
    AddRowByPopup(0);
    EXPECT_EQ(QImage(FavoritesDir + "th_a.jpg").size(), QSize(133, 100));
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (1)");
    const TThumbImage* slot = chooser.FavoriteThumbs[0];
    EXPECT_TRUE(slot->isVisible());
    EXPECT_EQ(slot->geometry(), QRect(4, 4, 133, 100));
    EXPECT_EQ(slot->toolTip(), "a.jpg");
    ASSERT_EQ(chooser.Favorites().Count(), 1);
    EXPECT_EQ(chooser.Favorites().At(0).path, folder + "a.jpg");

    // Both items want a selected row; a right click below the rows selects none.
    bool openEnabled = true;
    bool addEnabled = true;
    InspectNextPopup([&](QMenu*) {
        openEnabled = chooser.mPopFilesOpen->isEnabled();
        addEnabled = chooser.mPopFilesDrag->isEnabled();
    });
    RightClick(chooser.ListView1->viewport(), QPoint(60, 65));
    EXPECT_EQ(chooser.SelectedRow(), -1);
    EXPECT_FALSE(openEnabled);
    EXPECT_FALSE(addEnabled);
    EXPECT_EQ(chooser.Favorites().Count(), 1);
}

TEST_F(Chooser, PopupItemOpensTheSelectedPicture) {
    const QString folder = Folder("Oeffnen");
    Picture(folder + "a.jpg", QSize(800, 600));
    LastFolder = folder;
    Show();
    ClickRow(0);
    ClickNextPopupItem("Als Puzzle-Motiv öffnen");
    RightClickRow(0);
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(ChosenFile, folder + "a.jpg");
}

// The window system reports where the pointer is on the screen; where the toolkit believes
// the window stands may differ (a compositor need not tell it), so no popup may be placed
// by mapping a position inside the window to the screen.
TEST_F(Chooser, PopupsOpenWhereTheWindowSystemSaysThePointerIs) {
    const QString folder = Folder("Platz");
    Picture(folder + "a.jpg", QSize(800, 600));
    Picture(folder + "b.jpg", QSize(800, 600));
    StoredFavorites({folder + "a.jpg"});
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    const QPoint pointer(150, 120);
    const auto popupAt = [&](QWidget* widget, QPoint at) {
        QPoint opened(-1, -1);
        bool enabled = false;
        InspectNextPopup([&](QMenu* menu) {
            opened = menu->pos();
            enabled = menu->actions().first()->isEnabled();
        });
        QTest::mouseClick(widget, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, pointer);
        QApplication::sendEvent(widget, &request);
        EXPECT_TRUE(enabled);
        return opened;
    };
    // A right click on a row that is not yet selected selects it and opens there.
    EXPECT_EQ(popupAt(chooser.ListView1->viewport(), RowCentre(1)), pointer);
    EXPECT_EQ(chooser.SelectedRow(), 1);
    EXPECT_EQ(popupAt(chooser.FavoriteThumbs[0], QPoint(20, 20)), pointer);
}

TEST_F(Chooser, RowDraggedOntoTheStripIsAdded) {
    const QString folder = Folder("Ziehen");
    Picture(folder + "a.jpg", QSize(800, 600));
    Picture(folder + "b.jpg", QSize(600, 600));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    QWidget* list = chooser.ListView1->viewport();
    // The list holds the mouse from the press on, so every move and the release go to it,
    // wherever the pointer is.
    const auto drag = [&](QPoint from, QWidget* target, QPoint to) {
        const QPoint over = list->mapFromGlobal(target->mapToGlobal(to));
        QTest::mousePress(list, Qt::LeftButton, {}, from);
        QTest::mouseMove(list, from + QPoint(3, 1));
        QTest::mouseMove(list, over);
        QTest::mouseRelease(list, Qt::LeftButton, {}, over);
    };
    // A short move is a click, not a drag.
    QTest::mousePress(list, Qt::LeftButton, {}, RowCentre(0));
    QTest::mouseMove(list, RowCentre(0) + QPoint(2, 2));
    QTest::mouseRelease(list, Qt::LeftButton, {}, RowCentre(0) + QPoint(2, 2));
    EXPECT_EQ(chooser.Favorites().Count(), 0);
    EXPECT_EQ(chooser.SelectedRow(), 0);

    // Dropped anywhere but on the favorites, nothing happens.
    drag(RowCentre(1), chooser.LabelFiles, QPoint(5, 5));
    EXPECT_EQ(chooser.Favorites().Count(), 0);
    // The selection stays on the row the drag started from.
    drag(RowCentre(1), chooser.ScrollBoxFavorite, QPoint(300, 50));
    EXPECT_EQ(chooser.SelectedRow(), 1);
    ASSERT_EQ(chooser.Favorites().Count(), 1);
    EXPECT_EQ(chooser.Favorites().At(0).path, folder + "b.jpg");
    // Onto a thumbnail is onto the strip.
    drag(RowCentre(0), chooser.FavoriteThumbs[0], QPoint(10, 10));
    EXPECT_EQ(chooser.Favorites().Count(), 2);

    // A drag from below the rows, with no row selected, adds nothing.
    chooser.ListView1->clearSelection();
    drag(QPoint(60, 65), chooser.ScrollBoxFavorite, QPoint(500, 50));
    EXPECT_EQ(chooser.Favorites().Count(), 2);
    EXPECT_EQ(chooser.SelectedRow(), -1);
}

TEST_F(Chooser, ThirtyFirstPictureIsRefusedBeforeTheDuplicateAndSizeChecks) {
    const QString folder = Folder("Dreissig");
    QStringList pictures;
    for (int i = 1; i <= 30; ++i)
        pictures << Picture(folder + QString("p%1.jpg").arg(i, 2, 10, QChar('0')), QSize(40, 50));
    StoredFavorites(pictures);
    Picture(folder + "zu_klein.jpg", QSize(100, 100));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 30);
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (30)");

    for (int row : {0, 30}) { // a duplicate, then a picture that is too small
        QStringList told;
        CaptureNextBox(told);
        AddRowByPopup(row);
        EXPECT_TRUE(told.contains("In den Favoriten können nur 30 Bilder aufgenommen werden."))
            << told.join('|').toStdString();
    }
    EXPECT_EQ(chooser.Favorites().Count(), 30);
    EXPECT_FALSE(QFile::exists(FavoritesDir + "th_zu_klein.jpg"));
}

TEST_F(Chooser, DuplicateIsRefusedWithoutRegardToCase) {
    const QString lower = Picture(Folder("c/a") + "BILD.JPG", QSize(600, 600));
    const QString upper = Picture(Folder("C/A") + "Bild.jpg", QSize(600, 600));
    StoredFavorites({lower});
    LastFolder = QFileInfo(upper).path() + "/";
    TOpenDialogForm& chooser = Show();
    QStringList told;
    CaptureNextBox(told);
    AddRowByPopup(0);
    EXPECT_TRUE(told.contains("Dieses Bild ist bereits in den Favoriten vorhanden!"));
    EXPECT_EQ(chooser.Favorites().Count(), 1);
}

TEST_F(Chooser, TooSmallPictureIsNotAdded) {
    const QString folder = Folder("Klein");
    Picture(folder + "a.jpg", QSize(500, 400));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    QStringList told;
    CaptureNextBox(told);
    AddRowByPopup(0);
    EXPECT_TRUE(told.contains("Die Bildgröße sollte mindestens 400 x 500 Pixel betragen."));
    EXPECT_EQ(chooser.Favorites().Count(), 0);
    EXPECT_TRUE(QDir(FavoritesDir).entryList({"th_*"}).isEmpty());
}

TEST_F(Chooser, RemovingTheSecondOfThreeClosesTheGap) {
    const QString folder = Folder("Drei");
    const QStringList pictures{Picture(folder + "eins.jpg", QSize(800, 600)),
                               Picture(folder + "zwei.jpg", QSize(600, 600)),
                               Picture(folder + "drei.bmp", QSize(400, 500))};
    StoredFavorites(pictures);
    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 3);
    TThumbImage* second = chooser.FavoriteThumbs[1];
    EXPECT_EQ(second->x(), 4 + 133 + 5);

    // "Nein" keeps it.
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    ClickNextPopupItem("Entfernen");
    RightClick(second, QPoint(5, 5));
    EXPECT_EQ(chooser.Favorites().Count(), 3);

    QStringList asked;
    ModalDriver::AnswerNext([&asked](QWidget* box) {
        asked = ModalDriver::LabelTexts(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    ClickNextPopupItem("Entfernen");
    RightClick(second, QPoint(5, 5));
    EXPECT_TRUE(asked.contains("Soll das Bild aus den Favoriten entfernt werden?"));
    ASSERT_EQ(chooser.Favorites().Count(), 2);
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (2)");
    EXPECT_EQ(chooser.FavoriteThumbs[0]->x(), 4);
    EXPECT_EQ(chooser.FavoriteThumbs[0]->toolTip(), "eins.jpg");
    EXPECT_EQ(chooser.FavoriteThumbs[1]->x(), 4 + 133 + 5);
    EXPECT_EQ(chooser.FavoriteThumbs[1]->width(), 80);
    EXPECT_TRUE(chooser.FavoriteThumbs[2]->isHidden());
    EXPECT_FALSE(QFile::exists(FavoritesDir + "th_zwei.jpg"));
    EXPECT_TRUE(QFile::exists(FavoritesDir + "th_eins.jpg"));
    EXPECT_TRUE(QFile::exists(FavoritesDir + "th_drei.jpg"));
}

TEST_F(Chooser, RemovingAllEmptiesTheStripAndTheStoredList) {
    const QString folder = Folder("Alle");
    StoredFavorites({Picture(folder + "eins.jpg", QSize(800, 600)),
                     Picture(folder + "zwei.jpg", QSize(600, 600))});
    TOpenDialogForm& chooser = Show();
    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    ClickNextPopupItem("Alle entfernen");
    RightClick(chooser.FavoriteThumbs[1], QPoint(5, 5));
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (0)");
    EXPECT_TRUE(chooser.FavoriteThumbs[0]->isHidden());
    EXPECT_TRUE(QDir(FavoritesDir).entryList({"th_*"}).isEmpty());
    chooser.SaveFavorites();
    EXPECT_TRUE(QFile::exists(FavoritesFileName));
    EXPECT_EQ(QFileInfo(FavoritesFileName).size(), 0);
}

TEST_F(Chooser, StaleLineIsGoneAtTheNextStartAndItsThumbnailDeleted) {
    const QString folder = Folder("Alt");
    const QString kept = Picture(folder + "bleibt.jpg", QSize(600, 600));
    const QString gone = Picture(folder + "weg.jpg", QSize(600, 600));
    StoredFavorites({gone, kept});
    QFile::remove(gone);
    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 1);
    EXPECT_EQ(chooser.Favorites().At(0).path, kept);
    EXPECT_FALSE(QFile::exists(FavoritesDir + "th_weg.jpg"));
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (1)");
    chooser.SaveFavorites();
    QFile file(FavoritesFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), (kept + "\r\n").toUtf8());
}

TEST_F(Chooser, ClickOnAFavoriteOpensItUnlessItsPictureIsGone) {
    const QString folder = Folder("Klick");
    const QString first = Picture(folder + "eins.jpg", QSize(800, 600));
    const QString second = Picture(folder + "zwei.jpg", QSize(600, 600));
    StoredFavorites({first, second});
    TOpenDialogForm& chooser = Show();
    QFile::remove(second);
    Click(chooser.FavoriteThumbs[1]);
    EXPECT_EQ(ChooserResult, 0);
    EXPECT_TRUE(chooser.isVisible());
    QTest::mouseMove(chooser.FavoriteThumbs[0], QPoint(5, 5));
    EXPECT_EQ(chooser.ShapeFavorite->geometry(), QRect(2, 2, 137, 104));
    Click(chooser.FavoriteThumbs[0]);
    EXPECT_EQ(ChooserResult, 1);
    EXPECT_EQ(ChosenFile, first);
}

TEST_F(Chooser, FavoriteOnAnUnpluggedStickStaysAndSaysItCannotBeReached) {
    const QString stick = Folder("Stick");
    const QString picture = Picture(stick + "Strand.jpg", QSize(800, 600));
    StoredFavorites({picture});
    ASSERT_TRUE(QDir().rename(stick, base + "Stick-abgezogen"));

    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 1);
    EXPECT_TRUE(chooser.FavoriteThumbs[0]->isVisible());
    EXPECT_EQ(chooser.FavoriteThumbs[0]->width(), 133); // its own thumbnail, not a blank
    QStringList notice;
    CaptureNextBox(notice);
    Click(chooser.FavoriteThumbs[0]);
    EXPECT_TRUE(notice.contains("Das Bild " + picture +
                                " kann nicht erreicht werden, weil sein Ordner oder sein "
                                "Datenträger nicht verfügbar ist."));
    EXPECT_EQ(ChooserResult, 0);
    EXPECT_TRUE(chooser.isVisible());

    chooser.SaveFavorites();
    QFile file(FavoritesFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), (picture + "\r\n").toUtf8());
    EXPECT_TRUE(QFile::exists(FavoritesDir + "th_Strand.jpg"));
}

TEST_F(Chooser, PicturesOfTheSameNameKeepTheirOwnThumbnails) {
    const QString x = Folder("x");
    const QString y = Folder("y");
    Picture(x + "a.jpg", QSize(800, 600));
    Picture(y + "a.jpg", QSize(400, 500));
    LastFolder = x;
    TOpenDialogForm& chooser = Show();
    AddRowByPopup(0);
    QTreeWidgetItem* parent = chooser.SelectedNode()->parent();
    QTreeWidgetItem* other = nullptr;
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == "y")
            other = parent->child(i);
    ASSERT_TRUE(other);
    Click(chooser.TreeView1->viewport(), chooser.TreeView1->visualItemRect(other).center());
    ASSERT_EQ(chooser.FilePaths, QStringList({y + "a.jpg"}));
    AddRowByPopup(0);
    ASSERT_EQ(chooser.Favorites().Count(), 2);
    EXPECT_EQ(chooser.Favorites().At(1).thumbnail, "th_a~2.jpg");
    EXPECT_EQ(QImage(FavoritesDir + "th_a.jpg").size(), QSize(133, 100));
    EXPECT_EQ(QImage(FavoritesDir + "th_a~2.jpg").size(), QSize(80, 100));

    ModalDriver::PressKeyOnNext(Qt::Key_Return);
    ClickNextPopupItem("Entfernen");
    RightClick(chooser.FavoriteThumbs[0], QPoint(5, 5));
    ASSERT_EQ(chooser.Favorites().Count(), 1);
    EXPECT_TRUE(QFile::exists(FavoritesDir + "th_a~2.jpg"));
    EXPECT_EQ(chooser.FavoriteThumbs[0]->width(), 80);
}

TEST_F(Chooser, ThirtyFavoritesShowWithoutDecodingTheirPictures) {
    const QString folder = Folder("Viele");
    QStringList pictures;
    for (int i = 1; i <= 30; ++i)
        pictures << Picture(folder + QString("%1.jpg").arg(i), QSize(800, 600));
    StoredFavorites(pictures);
    // The pictures become unreadable: only the thumbnails can still be shown.
    for (const QString& picture : pictures)
        WriteFile(picture, "zerstört");
    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 30);
    EXPECT_TRUE(errors.isEmpty());
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(chooser.FavoriteThumbs[static_cast<std::size_t>(i)]->Picture().size(),
                  QSize(133, 100));
        EXPECT_EQ(chooser.FavoriteThumbs[static_cast<std::size_t>(i)]->x(), 4 + i * 138);
    }
    TWDHorBar* bar = chooser.WDFavoriteBar;
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 4 + 29 * 138 + 133 - 649 + 4);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(chooser.FavoriteThumbs[0]->x(), 4 - 20);
    EXPECT_EQ(chooser.ShapeFavoriteDummy->x(), 4 + 29 * 138 + 133 - 20);
}

// Thumbnails planted in the favorites folder: one of huge dimensions is decoded at a
// reduced scale straight to its place in the strip; one far larger than any thumbnail the
// program writes is not read at all but made anew from its picture.
TEST_F(Chooser, HugeThumbnailsAreShownAtTheirDisplaySizeOrMadeAnew) {
    const QString folder = Folder("Riesig");
    const QString square = Picture(folder + "quadrat.jpg", QSize(500, 500));
    const QString wide = Picture(folder + "breit.jpg", QSize(800, 600));
    StoredFavorites({square, wide});

    QImage huge(3000, 3000, QImage::Format_RGB888);
    huge.fill(QColor(200, 40, 40));
    WriteFile(FavoritesDir + "th_quadrat.jpg", JpegCodec::Encode(huge, 90, square.toUtf8()));
    QImage noise(1500, 1500, QImage::Format_RGB888);
    quint32 state = 7;
    for (int y = 0; y < noise.height(); ++y) {
        uchar* line = noise.scanLine(y);
        for (int x = 0; x < noise.width() * 3; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = static_cast<uchar>(state >> 24);
        }
    }
    const QByteArray flood = JpegCodec::Encode(noise, 100, wide.toUtf8());
    ASSERT_GT(flood.size(), 4 * 1024 * 1024);
    WriteFile(FavoritesDir + "th_breit.jpg", flood);

    TOpenDialogForm& chooser = Show();
    ASSERT_EQ(chooser.Favorites().Count(), 2);
    EXPECT_EQ(chooser.FavoriteThumbs[0]->Picture().size(), QSize(100, 100));
    EXPECT_GT(chooser.FavoriteThumbs[0]->Picture().pixelColor(50, 50).red(), 150);
    EXPECT_EQ(chooser.FavoriteThumbs[1]->Picture().size(), QSize(133, 100));
    EXPECT_LT(QFileInfo(FavoritesDir + "th_breit.jpg").size(), 100 * 1024);
    EXPECT_EQ(QImage(FavoritesDir + "th_breit.jpg").size(), QSize(133, 100));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(Chooser, AddingBringsTheStripBackToItsStart) {
    const QString folder = Folder("Zurueck");
    QStringList pictures;
    for (int i = 1; i <= 8; ++i)
        pictures << Picture(folder + QString("%1.jpg").arg(i), QSize(800, 600));
    StoredFavorites(pictures);
    Picture(folder + "neu.jpg", QSize(600, 600));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    chooser.WDFavoriteBar->setFocus();
    QTest::keyClick(chooser.WDFavoriteBar, Qt::Key_Down);
    ASSERT_NE(chooser.FavoriteThumbs[0]->x(), 4);
    AddRowByPopup(8);
    EXPECT_EQ(chooser.FavoriteThumbs[0]->x(), 4);
    EXPECT_EQ(chooser.FavoriteThumbs[8]->geometry(), QRect(4 + 8 * 138, 4, 100, 100));
    EXPECT_EQ(chooser.WDFavoriteBar->Position(), 1);
}

TEST_F(Chooser, UnreadableFavoritesListIsNotOverwritten) {
    QDir().mkpath(FavoritesFileName); // a folder where the file should be
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(chooser.Favorites().Count(), 0);
    chooser.SaveFavorites();
    EXPECT_TRUE(QFileInfo(FavoritesFileName).isDir());
}

TEST_F(Chooser, ArtworkFillsTheWindowTheColumnTitlesAndTheMenus) {
    TOpenDialogForm& chooser = Show();
    EXPECT_EQ(chooser.ImageBack->pixmap().size(), QSize(720, 640));
    EXPECT_EQ(chooser.Image3->pixmap().size(), QSize(121, 17));
    EXPECT_EQ(chooser.Image4->pixmap().size(), QSize(80, 17));
    EXPECT_EQ(chooser.Image5->pixmap().size(), QSize(142, 17));
    EXPECT_EQ(chooser.Image2->pixmap().size(), QSize(145, 110));
    for (QAction* item :
         {chooser.mPopFilesOpen, chooser.mPopFilesDrag, chooser.popDelete, chooser.popDeleteAll})
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
    EXPECT_EQ(chooser.size(), QSize(720, 640));
    EXPECT_EQ(chooser.windowTitle(), "Bilddatei öffnen");
    EXPECT_EQ(chooser.lbWinTitle->text(), "Motiv wählen");
}

TEST_F(Chooser, PictureThatCannotBeDecodedIsNotAddedAndTheErrorIsShown) {
    const QString folder = Folder("Abgeschnitten");
    QImage picture(400, 500, QImage::Format_RGB888);
    picture.fill(Qt::darkGreen);
    // The header passes the size check; the picture itself ends early.
    WriteFile(folder + "halb.jpg", JpegCodec::Encode(picture, 90).left(900));
    LastFolder = folder;
    TOpenDialogForm& chooser = Show();
    AddRowByPopup(0);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("halb.jpg")) << errors[0].toStdString();
    EXPECT_EQ(chooser.Favorites().Count(), 0);
    EXPECT_EQ(chooser.LabelFavorite->text(), "Favoriten (0)");
    EXPECT_TRUE(QDir(FavoritesDir).entryList({"th_*"}).isEmpty());
}
