#include "TestPictures.h"

#include "platform/AppError.h"
#include "platform/Random.h"
#include "platform/WmfPlayer.h"

#include <gtest/gtest.h>

using namespace TestPictures;

namespace {

enum : quint16 {
    SaveDC = 0x001E,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    RestoreDC = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    DibStretchBlt = 0x0B41,
    StretchDIB = 0x0F43,
};

void SolidBrush(WmfBuilder& wmf, QColor colour) {
    wmf.Add(CreateBrushIndirect, {0, WmfBuilder::Low(colour), WmfBuilder::High(colour), 0});
}

void NullPen(WmfBuilder& wmf) {
    wmf.Add(CreatePenIndirect, {5, 0, 0, 0, 0});
}

// A 96 x 64 picture: 1440 units per inch in a window whose origin lies at (1000, 2000).
WmfBuilder Framed() {
    WmfBuilder wmf;
    wmf.Placeable(1000, 2000, 2440, 2960, 1440);
    wmf.Add(SetMapMode, {8});
    wmf.Add(SetWindowOrg, {2000, 1000});
    wmf.Add(SetWindowExt, {960, 1440});
    return wmf;
}

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

QString FailureOf(const QByteArray& data) {
    try {
        WmfPlayer(data).Render();
    } catch (const AppError& error) {
        return error.Message();
    }
    return {};
}

QByteArray StretchDibParameters(const QImage& picture, int width, int height, int x, int y) {
    QByteArray parameters;
    Put32(parameters, 0x00CC0020); // copy
    Put16(parameters, 0);          // RGB colours
    for (int value : {picture.height(), picture.width(), 0, 0, height, width, y, x})
        Put16(parameters, value);
    return parameters + Dib24(picture);
}

} // namespace

TEST(WmfPlayer, DrawsShapesWhereTheWindowMapsThem) {
    WmfBuilder wmf = Framed();
    NullPen(wmf); // object 0
    wmf.Add(SelectObject, {0});
    SolidBrush(wmf, Qt::red); // object 1
    wmf.Add(SelectObject, {1});
    wmf.Add(Rectangle, {2480, 1720, 2000, 1000}); // top-left quarter
    wmf.Add(DeleteObject, {1});
    SolidBrush(wmf, Qt::blue); // takes the freed slot 1
    wmf.Add(SelectObject, {1});
    wmf.Add(Ellipse, {2960, 2440, 2480, 1720}); // bottom-right quarter
    SolidBrush(wmf, QColor(0, 160, 0));         // object 2
    wmf.Add(SelectObject, {2});
    wmf.Add(Polygon, {3, 1800, 2050, 2400, 2050, 2400, 2450}); // top-right triangle

    const WmfPlayer player(wmf.Finish());
    EXPECT_EQ(player.PixelSize(), QSize(96, 64));
    const QImage image = player.Render();
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(Pixel(image, 24, 16), QColor(Qt::red));
    EXPECT_EQ(Pixel(image, 72, 48), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, 94, 62), QColor(Qt::white)); // outside the ellipse
    EXPECT_EQ(Pixel(image, 88, 8), QColor(0, 160, 0));
    EXPECT_EQ(Pixel(image, 60, 25), QColor(Qt::white)); // below the triangle's slope
    EXPECT_EQ(Pixel(image, 20, 55), QColor(Qt::white));
}

TEST(WmfPlayer, RestoringTheDeviceContextBringsBackTheBrush) {
    WmfBuilder wmf = Framed();
    NullPen(wmf);
    wmf.Add(SelectObject, {0});
    SolidBrush(wmf, Qt::red);
    SolidBrush(wmf, Qt::blue);
    wmf.Add(SelectObject, {1});
    wmf.Add(SaveDC, {});
    wmf.Add(SelectObject, {2});
    wmf.Add(Rectangle, {2960, 1720, 2000, 1000}); // left half blue
    wmf.Add(RestoreDC, {-1});
    wmf.Add(Rectangle, {2960, 2440, 2000, 1720}); // right half red again
    wmf.Add(RestoreDC, {-5});                     // nothing saved: ignored
    const QImage image = WmfPlayer(wmf.Finish()).Render();
    EXPECT_EQ(Pixel(image, 20, 30), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, 80, 30), QColor(Qt::red));
}

TEST(WmfPlayer, WithoutPlaceableHeaderTheWindowExtentGivesTheSize) {
    WmfBuilder wmf;
    wmf.Add(SetMapMode, {8});
    wmf.Add(SetWindowExt, {-200, 300}); // a flipped y axis still means 200 rows
    const QByteArray data = wmf.Finish();
    EXPECT_EQ(WmfPlayer::ReadSize(data), QSize(300, 200));
    EXPECT_EQ(WmfPlayer(data).PixelSize(), QSize(300, 200));
}

TEST(WmfPlayer, DrawsBitmapsStretchedAndText) {
    QImage dib(2, 2, QImage::Format_RGB888);
    dib.setPixelColor(0, 0, Qt::red);
    dib.setPixelColor(1, 0, Qt::green);
    dib.setPixelColor(0, 1, Qt::blue);
    dib.setPixelColor(1, 1, Qt::yellow);

    WmfBuilder wmf = Framed();
    wmf.AddBytes(StretchDIB, StretchDibParameters(dib, 720, 960, 1000, 2000)); // left half
    QByteArray blt;
    Put32(blt, 0x00CC0020);
    for (int value : {2, 2, 0, 0, 480, 720, 2000, 1720})
        Put16(blt, value);
    wmf.AddBytes(DibStretchBlt, blt + Dib24(dib)); // top of the right half
    // Black text below it, on a transparent background.
    wmf.Add(CreateFontIndirect, {-300, 0, 0, 0, 700, 0, 0, 0, 0});
    wmf.Add(SelectObject, {0});
    wmf.Add(SetTextColor, {0, 0});
    wmf.Add(SetBkMode, {1});
    wmf.Add(SetTextAlign, {0});
    QByteArray text;
    Put16(text, 4);
    text += "MMMM";
    Put16(text, 2550);
    Put16(text, 1750);
    wmf.AddBytes(TextOut, text);

    const QImage image = WmfPlayer(wmf.Finish()).Render();
    EXPECT_EQ(Pixel(image, 10, 10), QColor(Qt::red));
    EXPECT_EQ(Pixel(image, 35, 10), QColor(Qt::green));
    EXPECT_EQ(Pixel(image, 10, 50), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, 35, 50), QColor(Qt::yellow));
    EXPECT_EQ(Pixel(image, 55, 10), QColor(Qt::red));
    EXPECT_EQ(Pixel(image, 85, 25), QColor(Qt::yellow));
    int dark = 0;
    for (int y = 36; y < 64; ++y)
        for (int x = 48; x < 96; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);
}

TEST(WmfPlayer, RefusesFilesThatAreNoMetafile) {
    EXPECT_FALSE(FailureOf(QByteArray()).isEmpty());
    EXPECT_FALSE(FailureOf(QByteArray(300, '\x11')).isEmpty());
    const QByteArray good = Framed().Finish();
    EXPECT_FALSE(FailureOf(good.left(30)).isEmpty()); // header cut short

    WmfBuilder noResolution;
    noResolution.Placeable(0, 0, 100, 100, 0);
    EXPECT_FALSE(FailureOf(noResolution.Finish()).isEmpty());

    WmfBuilder noSize;
    noSize.Add(SetMapMode, {8});
    EXPECT_EQ(FailureOf(noSize.Finish()), QStringLiteral("Das WMF-Bild nennt keine Bildgröße."));

    WmfBuilder gigantic;
    gigantic.Placeable(-32768, -32768, 32767, 32767, 1);
    EXPECT_TRUE(FailureOf(gigantic.Finish()).startsWith(QStringLiteral("Das Bild ist mit")));
}

TEST(WmfPlayer, BrokenRecordsEndInAnErrorNotALoopOrACrash) {
    const auto withRaw = [](const QByteArray& raw) {
        WmfBuilder wmf = Framed();
        wmf.AddRaw(raw);
        return wmf.Finish();
    };
    QByteArray zeroLength;
    Put32(zeroLength, 0);
    Put16(zeroLength, Rectangle);
    EXPECT_EQ(
        FailureOf(withRaw(zeroLength)),
        QStringLiteral("Die WMF-Daten sind beschädigt: ein Datensatz hat eine ungültige Länge."));

    QByteArray pastEnd;
    Put32(pastEnd, 0x7FFFFFFF);
    Put16(pastEnd, Rectangle);
    EXPECT_TRUE(FailureOf(withRaw(pastEnd)).contains(QStringLiteral("Dateiende")));

    WmfBuilder shortRecord = Framed();
    shortRecord.Add(Rectangle, {10, 10}); // two of four corners
    EXPECT_TRUE(FailureOf(shortRecord.Finish()).startsWith(QStringLiteral("Die WMF-Daten")));

    WmfBuilder manyPoints = Framed();
    manyPoints.Add(Polygon, {30000, 1, 2, 3, 4});
    EXPECT_TRUE(FailureOf(manyPoints.Finish()).contains(QStringLiteral("Punktliste")));

    WmfBuilder manyPolygons = Framed();
    manyPolygons.Add(PolyPolygon, {2, 60000, 60000, 1, 2});
    EXPECT_TRUE(FailureOf(manyPolygons.Finish()).contains(QStringLiteral("Punktliste")));

    WmfBuilder longText = Framed();
    longText.Add(TextOut, {5000, 0x4141, 10, 10});
    EXPECT_FALSE(FailureOf(longText.Finish()).isEmpty());

    WmfBuilder deepSaves = Framed();
    for (int i = 0; i < 2000; ++i)
        deepSaves.Add(SaveDC, {});
    EXPECT_TRUE(FailureOf(deepSaves.Finish()).contains(QStringLiteral("verschachtelt")));

    // Scaling the window again and again must not end in an infinite mapping.
    WmfBuilder scaled = Framed();
    for (int i = 0; i < 200; ++i)
        scaled.Add(0x0410, {1, 32767, 1, 32767}); // ScaleWindowExt
    scaled.Add(Rectangle, {2960, 2440, 2000, 1000});
    for (int i = 0; i < 400; ++i)
        scaled.Add(0x0410, {32767, 1, 32767, 1});
    scaled.Add(Ellipse, {2960, 2440, 2000, 1000});
    EXPECT_EQ(FailureOf(scaled.Finish()), QString());

    // Selecting and deleting objects that never existed changes nothing.
    WmfBuilder strayObjects = Framed();
    strayObjects.Add(SelectObject, {60000});
    strayObjects.Add(DeleteObject, {7});
    EXPECT_EQ(FailureOf(strayObjects.Finish()), QString());
}

TEST(WmfPlayer, BitmapsClaimingMorePixelsThanTheyCarryAreRefused) {
    QByteArray parameters =
        StretchDibParameters(QImage(2, 2, QImage::Format_RGB888), 100, 100, 0, 0);
    const qsizetype header = 4 + 2 + 8 * 2;
    // Claim 30000 x 30000 pixels with only four of them present.
    parameters[header + 4] = static_cast<char>(0x30);
    parameters[header + 5] = static_cast<char>(0x75);
    parameters[header + 8] = static_cast<char>(0x30);
    parameters[header + 9] = static_cast<char>(0x75);
    WmfBuilder wmf = Framed();
    wmf.AddBytes(StretchDIB, parameters);
    EXPECT_TRUE(FailureOf(wmf.Finish()).contains(QStringLiteral("eingebettetes Bild")));
}

TEST(WmfPlayer, EndlessRepetitionOfHugeShapesStopsWithinTheWorkLimit) {
    WmfBuilder wmf;
    wmf.Placeable(0, 0, 2000, 2000, 96); // 2000 x 2000 pixels
    for (int i = 0; i < 20000; ++i)
        wmf.Add(Ellipse, {2000, 2000, 0, 0});
    EXPECT_EQ(FailureOf(wmf.Finish()),
              QStringLiteral("Das WMF-Bild ist zu aufwendig, um es zu zeichnen."));
}

TEST(WmfPlayer, RandomlyDamagedFilesNeverCrash) {
    WmfBuilder wmf = Framed();
    SolidBrush(wmf, Qt::red);
    wmf.Add(SelectObject, {0});
    wmf.Add(Polygon, {4, 1000, 2000, 2000, 2000, 2000, 2900, 1100, 2900});
    wmf.Add(PolyPolygon,
            {2, 3, 3, 1000, 2000, 1500, 2500, 1000, 2900, 2000, 2000, 2400, 2500, 2000, 2900});
    wmf.AddBytes(StretchDIB,
                 StretchDibParameters(QImage(3, 3, QImage::Format_RGB888), 500, 500, 1200, 2100));
    const QByteArray good = wmf.Finish();
    ASSERT_EQ(FailureOf(good), QString());

    Random::FixSeed(4711);
    int failures = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = good;
        for (int i = 0; i < 1 + Random::Next(4); ++i)
            damaged[Random::Next(static_cast<int>(damaged.size()))] =
                static_cast<char>(Random::Next(256));
        if (!FailureOf(damaged).isEmpty())
            ++failures;
    }
    EXPECT_GT(failures, 0); // some damage must be noticed; none may crash
}

namespace {

// A polygon whose corners alternate between the top and the bottom edge of a 1000 x 1000
// picture: every edge crosses every row, which is what makes filling it expensive.
QByteArray ZigZag(int corners) {
    WmfBuilder wmf;
    wmf.Placeable(0, 0, 1000, 1000, 96);
    QByteArray points;
    Put16(points, corners);
    for (int i = 0; i < corners; ++i) {
        Put16(points, i * 4 % 1001);
        Put16(points, i % 2 ? 0 : 1000);
    }
    wmf.AddBytes(Polygon, points);
    return wmf.Finish();
}

// The same lying on its side, far wider than the picture: every edge crosses every column.
QByteArray SidewaysZigZag(int corners) {
    WmfBuilder wmf;
    wmf.Placeable(0, 0, 1000, 1000, 96);
    QByteArray points;
    Put16(points, corners);
    for (int i = 0; i < corners; ++i) {
        Put16(points, i % 2 ? -30000 : 30000);
        Put16(points, i * 1000 / corners);
    }
    wmf.AddBytes(Polygon, points);
    return wmf.Finish();
}

// A round outline with as many corners, each edge only a pixel or two long.
QByteArray Round(int corners) {
    WmfBuilder wmf;
    wmf.Placeable(0, 0, 1000, 1000, 96);
    QByteArray points;
    Put16(points, corners);
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * M_PI * i / corners;
        Put16(points, static_cast<int>(500 + 400 * std::cos(angle)));
        Put16(points, static_cast<int>(500 + 400 * std::sin(angle)));
    }
    wmf.AddBytes(Polygon, points);
    return wmf.Finish();
}

} // namespace

TEST(WmfPlayer, TheCostOfFillingManyCrossingEdgesIsRefusedBeforeItIsSpent) {
    const QString tooCostly = QStringLiteral("Das WMF-Bild ist zu aufwendig, um es zu zeichnen.");
    for (QSize size : {QSize(500, 500), QSize(1000, 1000)}) {
        for (int corners : {500, 4000}) {
            for (const QByteArray& file : {ZigZag(corners), SidewaysZigZag(corners)}) {
                try {
                    WmfPlayer(file).Render(size);
                    ADD_FAILURE() << corners << " corners at " << size.width() << " were drawn";
                } catch (const AppError& error) {
                    EXPECT_EQ(error.Message(), tooCostly);
                }
            }
        }
    }
    // As many corners on a plain outline cost little and are drawn.
    const QImage round = WmfPlayer(Round(4000)).Render(QSize(500, 500));
    EXPECT_EQ(round.pixelColor(250, 250), QColor(Qt::white));
    EXPECT_EQ(round.pixelColor(20, 250), QColor(Qt::white));
    int darkest = 255; // the outline, in the default black pen, crosses the row at x = 450
    for (int x = 445; x <= 455; ++x)
        darkest = std::min(darkest, round.pixelColor(x, 250).value());
    EXPECT_LT(darkest, 128);
}

TEST(WmfPlayer, IsDrawnStraightAtTheSizeItIsNeeded) {
    // The header claims 32767 x 3051 pixels: 100 megapixels, 400 MB to draw at its own size.
    WmfBuilder huge;
    huge.Placeable(0, 0, 32767, 3051, 96);
    SolidBrush(huge, Qt::red);
    huge.Add(SelectObject, {0});
    huge.Add(Rectangle, {3051, 16384, 0, 0});
    const WmfPlayer player(huge.Finish());
    EXPECT_EQ(player.PixelSize(), QSize(32767, 3051));
    const QImage board = player.Render(QSize(700, 500));
    EXPECT_EQ(board.size(), QSize(700, 500));
    EXPECT_EQ(board.pixelColor(340, 250), QColor(Qt::red));
    EXPECT_EQ(board.pixelColor(360, 250), QColor(Qt::white));
    // Drawn at its own size, it is shrunk to a size that can be held.
    const QImage own = player.Render();
    EXPECT_LE(qint64(own.width()) * own.height(), WmfPlayer::MaximumRenderPixels);
    EXPECT_NEAR(double(own.width()) / own.height(), 32767.0 / 3051.0, 0.01);
}
