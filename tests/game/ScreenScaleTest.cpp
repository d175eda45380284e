// The main window on a scaled screen: its size in device pixels, its text, the sharpness
// of its artwork and of a board cut from a large photo, and a game played by dragging.
// The binary runs once with QT_SCALE_FACTOR=2 and once with 1.5 (see CMakeLists.txt).

#include "TestAudio.h"
#include "TestHome.h"
#include "game/BoardPicture.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "picturedialog/FavoritesStore.h"
#include "picturedialog/MotifLibrary.h"
#include "platform/ArtResources.h"
#include "platform/ArtScale.h"
#include "platform/Random.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <QCursor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

qreal ScreenRatio() {
    return qApp->devicePixelRatio();
}

// Mean absolute Laplacian of the grey values: how much fine detail a picture holds.
double Detail(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    long count = 0;
    for (int y = 1; y + 1 < grey.height(); ++y) {
        const uchar* above = grey.constScanLine(y - 1);
        const uchar* line = grey.constScanLine(y);
        const uchar* below = grey.constScanLine(y + 1);
        for (int x = 1; x + 1 < grey.width(); ++x) {
            sum += std::abs(4 * line[x] - line[x - 1] - line[x + 1] - above[x] - below[x]);
            ++count;
        }
    }
    return count ? sum / count : 0;
}

// The share of pixels whose colour differs between two pictures of one size.
double ShareDiffering(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            differing += left.pixel(x, y) != right.pixel(x, y);
    return double(differing) / (left.width() * left.height());
}

// A photo with detail down to single pixels: thin lines, fine texture and soft shapes.
QImage LargePhoto(QSize size) {
    QImage photo(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = photo.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const int fine = ((x * 7 + y * 13) ^ (x * y)) & 63;
            line[3 * x] = static_cast<uchar>(60 + fine + (x * 100) / size.width());
            line[3 * x + 1] = static_cast<uchar>(80 + ((x / 3 + y / 2) % 2) * 60);
            line[3 * x + 2] = static_cast<uchar>(90 + (y * 120) / size.height());
        }
    }
    return photo;
}

class ScreenScale : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        Grid = false;
        Random::FixSeed(99);
        TestAudio::Open();
    }

    void TearDown() override {
        form.reset();
        ArtResources::SetRatio(0);
        TestAudio::Close();
    }

    void OpenWindow() {
        form = std::make_unique<TFormPuzzle>();
        ASSERT_TRUE(form->FormCreate());
        form->move(0, 0);
        form->show();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TFormPuzzle> form;
};

} // namespace

TEST_F(ScreenScale, WindowKeepsItsLogicalSizeAndPointsStayAt96Dpi) {
    ASSERT_GT(ScreenRatio(), 1.0) << "run with QT_SCALE_FACTOR set";
    OpenWindow();
    EXPECT_EQ(form->size(), QSize(900, 700));
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.size(),
              QSize(int(std::lround(900 * ScreenRatio())), int(std::lround(700 * ScreenRatio()))));
    // The board stays 500 logical pixels high, its picture has the screen's resolution.
    EXPECT_EQ(form->Image1->height(), 500);
    EXPECT_EQ(form->Image1->Picture().height(), int(std::lround(500 * ScreenRatio())));
    QFont points(QStringLiteral("Times New Roman"), 10);
    EXPECT_EQ(QFontInfo(points).pixelSize(), 13);
}

// The tool bar and the table drawn from the set for the screen hold clearly more detail
// than the same window drawn at 100 % and enlarged smoothly to the screen's size, which is
// what the screen would show without the larger sets.
TEST_F(ScreenScale, ArtworkIsSharperThanTheEnlargedWindowOf100Percent) {
    ASSERT_GT(ScreenRatio(), 1.0);
    const qreal ratio = ScreenRatio();
    // Tool bar buttons and a stretch of the empty table, free of text.
    const QRect regions[] = {QRect(20, 15, 280, 40), QRect(40, 500, 200, 150)};
    auto device = [ratio](const QRect& r) {
        return QRect(QPoint(int(r.x() * ratio), int(r.y() * ratio)),
                     QSize(int(r.width() * ratio), int(r.height() * ratio)));
    };
    OpenWindow();
    const QImage sharp = form->grab().toImage();
    form.reset();
    ArtResources::SetRatio(1);
    OpenWindow();
    QImage small(900, 700, QImage::Format_RGB32);
    form->render(&small);
    const QImage enlarged =
        small.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Enlarged without smoothing, the old pictures would show as blocks of equal pixels:
    // the sharp window must not be that either.
    const QImage blocks = small.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (const QRect& region : regions) {
        const double detail = Detail(sharp.copy(device(region)));
        const double blurred = Detail(enlarged.copy(device(region)));
        EXPECT_GE(detail, 1.5 * blurred) << detail << " vs " << blurred;
        EXPECT_GT(ShareDiffering(sharp.copy(device(region)), blocks.copy(device(region))), 0.5);
    }
}

TEST_F(ScreenScale, BoardFromALargePhotoHasTheScreensResolution) {
    ASSERT_GT(ScreenRatio(), 1.0);
    OpenWindow();
    PictureFile = TestHome::Path() + QStringLiteral("/large.bmp");
    ASSERT_TRUE(LargePhoto(QSize(2800, 2000)).save(PictureFile, "BMP"));
    ASSERT_TRUE(form->LoadPictureFile());
    const QImage board = form->Image1->Picture();
    EXPECT_EQ(BoardPicture::LogicalSize(board), QSize(700, 500));
    EXPECT_EQ(board.height(), int(std::lround(500 * ScreenRatio())));
    // The same photo on a board of 100 %, enlarged to the screen's size.
    ArtResources::SetRatio(1);
    const QImage small = BoardPicture::Scaled(LargePhoto(QSize(2800, 2000)), QSize(700, 500));
    ArtResources::SetRatio(0);
    const QImage enlarged =
        small.scaled(board.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GE(Detail(board), 1.5 * Detail(enlarged)) << Detail(board) << " " << Detail(enlarged);
    std::remove(qPrintable(PictureFile));
}

// Nine pieces taken with the mouse and let go over their places, as a player does.
TEST_F(ScreenScale, NinePieceGameIsSolvedByDragging) {
    ASSERT_GT(ScreenRatio(), 1.0);
    OpenWindow();
    PlayMode = ModeStandard;
    GameSize = 1;
    form->StartPuzzle();
    QCoreApplication::processEvents();
    ASSERT_EQ(PieceCount, 9);
    // The pieces carry the screen's resolution and their logical size.
    EXPECT_EQ(Pieces[1]->ImagePlain().devicePixelRatio(), ScreenRatio());
    EXPECT_NEAR(Pieces[1]->width(), HomeSlots[1]->width() + 1, 1);
    for (int k = 1; k <= 9; ++k) {
        TPuzzleCrap* piece = Pieces[k];
        const QPoint home = HomeSlots[k]->geometry().center();
        QTest::mousePress(piece, Qt::LeftButton, {}, QPoint(5, 5));
        const QPoint global = form->PanelBack->mapToGlobal(home);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, piece->mapFromGlobal(QPointF(global)), QPointF(global),
                         Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(piece, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, piece->mapFromGlobal(QPointF(global)),
                            QPointF(global), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(piece, &release);
        QCoreApplication::processEvents();
        if (k < 9) {
            EXPECT_TRUE(piece->isHidden()) << k;
        }
    }
    EXPECT_FALSE(PiecesCreated);
    EXPECT_EQ(PuzzleSolvedTotal, 1);
}

// The chooser's motif strip and a favorite's thumbnail keep 100 logical pixels of height
// and get the screen's pixels; the stored 100-pixel thumbnail stays as it was, with a
// twin of twice the pixels beside it that goes with it.
TEST_F(ScreenScale, ThumbnailsHaveTheScreensResolution) {
    ASSERT_GT(ScreenRatio(), 1.0);
    const QImage motif = MotifLibrary::Thumbnail(1);
    EXPECT_EQ(motif.devicePixelRatio(), ScreenRatio());
    EXPECT_EQ(motif.deviceIndependentSize().toSize().height(), 100);

    const QString folder = TestHome::Path() + QStringLiteral("/thumbs/");
    QDir().mkpath(folder);
    const QString picture = folder + QStringLiteral("photo.bmp");
    ASSERT_TRUE(LargePhoto(QSize(800, 600)).save(picture, "BMP"));
    const FavoritesStore store(folder);
    store.MakeThumbnail(picture, QStringLiteral("th_photo.jpg"), ScreenRatio());
    EXPECT_EQ(QImage(folder + "th_photo.jpg").size(), QSize(133, 100));
    EXPECT_EQ(QImage(folder + "th_photo@2x.jpg").size(), QSize(266, 200));
    // Made again on a screen at 100 %, the twin goes: it would no longer match.
    store.MakeThumbnail(picture, QStringLiteral("th_photo.jpg"), 1);
    EXPECT_FALSE(QFile::exists(folder + "th_photo@2x.jpg"));
    store.MakeThumbnail(picture, QStringLiteral("th_photo.jpg"), ScreenRatio());
    store.DeleteThumbnail(QStringLiteral("th_photo.jpg"));
    EXPECT_FALSE(QFile::exists(folder + "th_photo.jpg"));
    EXPECT_FALSE(QFile::exists(folder + "th_photo@2x.jpg"));
    QDir(folder).removeRecursively();
}

// Every picture the program carries for 100 % has its sets for 200 % and 300 %, painted
// at two and three times its size.
TEST(ArtScale, EveryPictureHasItsLargerSets) {
    ASSERT_TRUE(ArtResources::CarrySet(2));
    ASSERT_TRUE(ArtResources::CarrySet(3));
    int pictures = 0;
    for (const char* folder : {":/jpg", ":/skin", ":/art", ":/cursor"}) {
        QDirIterator files(QString::fromLatin1(folder), QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.contains(QLatin1Char('@')))
                continue;
            ++pictures;
            const QSize size = QImageReader(path).size();
            for (int set : {2, 3}) {
                QImageReader larger(ArtScale::PathInSet(path, set));
                if (!larger.canRead())
                    larger.setFileName(ArtScale::JpegPathInSet(path, set));
                EXPECT_EQ(larger.size(), size * set) << path.toStdString() << " @" << set;
            }
        }
    }
    EXPECT_GT(pictures, 140);
}

TEST(ArtScale, FractionalRatiosTakeTheNextLargerSetScaledDownWithTheirKey) {
    EXPECT_EQ(ArtScale::SetFor(1.0), 1);
    EXPECT_EQ(ArtScale::SetFor(1.25), 2);
    EXPECT_EQ(ArtScale::SetFor(2.0), 2);
    EXPECT_EQ(ArtScale::SetFor(2.5), 3);
    EXPECT_EQ(ArtScale::PathInSet(":/skin/WOB_NORM.bmp", 2), ":/skin/WOB_NORM@2x.png");
    EXPECT_EQ(ArtScale::PathInSet(":/jpg/100.jpg", 3), ":/jpg/100@3x.jpg");
    // A keyed button of set 2 brought to 1.5: 84 x 26 logical, no blend of the key.
    QImage button(168, 52, QImage::Format_RGB888);
    button.fill(QColor(255, 0, 255));
    // Like every keyed bitmap: hard edges, the key only where nothing is.
    QPainter painter(&button);
    painter.setBrush(QColor(120, 80, 40));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 166, 50), 12, 12);
    painter.end();
    const QImage scaled = ArtScale::ToRatio(button, 2, 1.5, true);
    EXPECT_EQ(scaled.size(), QSize(126, 39));
    EXPECT_EQ(scaled.devicePixelRatio(), 1.5);
    EXPECT_EQ(scaled.deviceIndependentSize().toSize(), QSize(84, 26));
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            const QColor c = scaled.pixelColor(x, y);
            const bool key = c == QColor(255, 0, 255);
            const bool wood = std::abs(c.red() - 120) < 3 && std::abs(c.green() - 80) < 3;
            ASSERT_TRUE(key || wood) << x << "," << y;
        }
}
