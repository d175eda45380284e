// Photos as players have them, opened through the real main window: a camera photo too
// wide for the board offered its centre, a portrait stored sideways, PNG and WebP pictures.

#include "ModalDriver.h"
#include "SamplePictures.h"
#include "StartedGame.h"
#include "TestHome.h"
#include "dialogs/TFormChangeMode.h"
#include "game/OpenWith.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "platform/JpegCodec.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDButton.h"
#include "widgets/WDConfirmDialog.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PhotoOpening : public StartedGame {
protected:
    PhotoOpening() : StartedGame("Fotos") {}

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = folder + name;
        EXPECT_TRUE(SamplePictures::WriteFile(path, bytes));
        return path;
    }

    // Answers the next modal windows: the format question with `answer` (noting its texts),
    // the game start dialog with its first size (9 pieces).
    void AnswerQuestionThenStartNinePieces(Qt::Key answer) {
        ModalDriver::AnswerNext([this, answer](QWidget* modal) {
            if (qobject_cast<TWDConfirmForm*>(modal)) {
                question = ModalDriver::LabelTexts(modal).join('|');
                QTest::keyClick(modal, answer);
                if (answer == Qt::Key_Return)
                    StartNinePiecesNext();
                return;
            }
            startDialogShown = true;
            QTest::mouseClick(changeMode->btnPuzzle[0], Qt::LeftButton, {}, QPoint(10, 10));
        });
    }

    void StartNinePiecesNext() {
        ModalDriver::AnswerNext([this](QWidget* modal) {
            startDialogShown = modal == changeMode.get();
            QTest::mouseClick(changeMode->btnPuzzle[0], Qt::LeftButton, {}, QPoint(10, 10));
        });
    }

    QString question;
    bool startDialogShown = false;
};

// Red grows from left to right across the whole picture, so a column of the board tells
// which column of the picture it shows.
QImage ColumnCoded(QSize size) {
    QImage picture(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            line[3 * x] = static_cast<uchar>(x * 255 / (size.width() - 1));
            line[3 * x + 1] = 90;
            line[3 * x + 2] = 160;
        }
    }
    return picture;
}

} // namespace

TEST_F(PhotoOpening, TooWideCameraPhotoAnsweredYesPlaysItsCentre) {
    const QString photo = Write("kamera.jpg", JpegCodec::Encode(ColumnCoded({6000, 4000}), 95));
    AnswerQuestionThenStartNinePieces(Qt::Key_Return);
    form->OpenPictureFile(photo);
    EXPECT_TRUE(question.contains("Information")) << question.toStdString();
    EXPECT_TRUE(question.contains("Die Bildgröße entspricht nicht dem geforderten Format! Soll der "
                                  "mittlere Ausschnitt verwendet werden?"))
        << question.toStdString();
    ASSERT_TRUE(startDialogShown);
    ASSERT_TRUE(PiecesCreated);
    EXPECT_EQ(PictureFile, photo);
    EXPECT_EQ(form->Image1->geometry(), QRect(864 - 700 - 10, 10, 700, 500));
    EXPECT_EQ(PieceCount, 9);
    EXPECT_EQ(Pieces[1]->ImagePlain().size(), QSize(233, 166));
    // The section runs from picture column 198 to 5801 over the 700 board columns.
    const auto expectedRed = [](double boardX) {
        return (198 + (boardX + 0.5) * 5604 / 700 - 0.5) * 255 / 5999;
    };
    EXPECT_NEAR(Pieces[1]->ImagePlain().pixelColor(0, 50).red(), expectedRed(0), 4);
    EXPECT_NEAR(Pieces[3]->ImagePlain().pixelColor(232, 50).red(), expectedRed(466 + 232), 4);
    EXPECT_NEAR(Pieces[2]->ImagePlain().pixelColor(100, 50).red(), expectedRed(333), 4);
    // The preview shows the same section.
    EXPECT_EQ(form->Image2->size(), QSize(120, 86));
    EXPECT_NEAR(form->Image2->Picture().pixelColor(0, 40).red(), expectedRed(0), 6);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(PhotoOpening, TooWidePhotoAnsweredNoKeepsTheBoard) {
    const QRect board = form->Image1->geometry();
    const QImage picture = form->Image1->Picture();
    const QString photo = Write("handy.jpg", JpegCodec::Encode(ColumnCoded({4000, 2250}), 90));
    AnswerQuestionThenStartNinePieces(Qt::Key_Escape);
    form->OpenPictureFile(photo);
    EXPECT_TRUE(question.contains("Soll der mittlere Ausschnitt verwendet werden?"));
    EXPECT_FALSE(startDialogShown);
    EXPECT_TRUE(PictureIsMotif);
    EXPECT_NE(PictureFile, photo);
    EXPECT_EQ(form->Image1->geometry(), board);
    EXPECT_EQ(form->Image1->Picture(), picture);
}

// A phone's portrait stored lying on its side with Exif orientation 6 stands upright: a
// board 500 high and narrower than that, with the photo's top row at the board's top.
TEST_F(PhotoOpening, PortraitStoredSidewaysStandsUpright) {
    const QImage shown = SamplePictures::Scene(QSize(1500, 2000), 0);
    const QString photo =
        Write("hochkant.jpg", SamplePictures::WithExifOrientation(
                                  JpegCodec::Encode(SamplePictures::StoredFor(shown, 6), 92), 6));
    StartNinePiecesNext();
    form->OpenPictureFile(photo);
    ASSERT_TRUE(startDialogShown);
    ASSERT_TRUE(PiecesCreated);
    EXPECT_EQ(form->Image1->geometry(), QRect(864 - 375 - 10, 10, 375, 500));
    EXPECT_EQ(form->Image2->size(), QSize(90, 120));
    const QImage& topLeft = Pieces[1]->ImagePlain();
    EXPECT_GT(topLeft.pixelColor(60, 3).red(), 180);    // the red band along the top
    EXPECT_GT(topLeft.pixelColor(3, 100).green(), 150); // the green band down the left
    const QImage& bottomRight = Pieces[9]->ImagePlain();
    EXPECT_LT(bottomRight.pixelColor(60, 100).red(), 180);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Screenshots and pictures from the web, opened as "open with" opens them.
TEST_F(PhotoOpening, PngAndWebpEachStartANinePieceGame) {
    const QImage scene = SamplePictures::Scene(QSize(800, 600), 4, true);
    for (const char* format : {"png", "webp"}) {
        const QString picture =
            Write(QStringLiteral("bild.%1").arg(format), SamplePictures::Encoded(scene, format));
        startDialogShown = false;
        StartNinePiecesNext();
        OpenWith::OpenWhenRunning(*form, {"tessaly", picture});
        ASSERT_TRUE(QTest::qWaitFor([&] { return PiecesCreated && PictureFile == picture; }, 5000))
            << format;
        EXPECT_TRUE(startDialogShown);
        EXPECT_EQ(PieceCount, 9);
        EXPECT_EQ(form->Image1->width(), 667);
        EXPECT_GT(Pieces[2]->ImagePlain().pixelColor(100, 5).red(), 180) << format;
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
