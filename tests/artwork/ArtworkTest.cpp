// The embedded artwork: every picture the windows ask for is there, has the size the
// layout relies on, is in colour, and the glyphs and cursors carry their transparency.

#include "platform/ArtDecode.h"
#include "platform/ArtResources.h"
#include "platform/PackedPictures.h"

#include <QFile>
#include <QPixmap>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The build's pack of the pictures for 100 %.
extern "C" const unsigned char tessaly_pictures[];

namespace {

// Share of pixels whose channels differ noticeably: 0 for a greyscale picture.
double ColourShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 coloured = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            if (high - low > 12)
                ++coloured;
        }
    }
    return double(coloured) / (qint64(rgb.width()) * rgb.height());
}

// Mean absolute difference per channel of two pictures of the same size.
double Difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

double MeanBrightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

struct JpgCase {
    int number;
    QSize size;
};

std::vector<JpgCase> AllJpgs() {
    std::vector<JpgCase> cases{{100, {864, 620}}, {200, {100, 100}}, {301, {10, 10}},
                               {302, {10, 10}},   {303, {10, 10}},   {304, {10, 10}},
                               {305, {580, 10}},  {306, {580, 10}},  {307, {10, 580}},
                               {308, {10, 580}},  {309, {600, 5}},   {310, {5, 600}}};
    for (int number = 101; number <= 130; ++number)
        cases.push_back({number, {100, 100}});
    return cases;
}

const QStringList GlyphNames{"TB_OPEN",   "TB_START", "TB_TIP",  "TB_PAUSE", "TB_STATIST",
                             "TB_CONFIG", "TB_INFO",  "TB_HELP", "TB_CLOSE"};

} // namespace

TEST(Artwork, EveryJpgHasItsSizeAndIsInColour) {
    for (const JpgCase& jpg : AllJpgs()) {
        SCOPED_TRACE(jpg.number);
        const QImage image = ArtResources::LoadJpg(jpg.number);
        EXPECT_EQ(image.size(), jpg.size);
        EXPECT_GT(ColourShare(image), 0.3);
        // The JPEG itself holds three colour components, not one grey channel.
        QFile file(QStringLiteral(":/jpg/%1.jpg").arg(jpg.number));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int frame =
            bytes.indexOf("\xFF\xC0") >= 0 ? bytes.indexOf("\xFF\xC0") : bytes.indexOf("\xFF\xC2");
        ASSERT_GE(frame, 0);
        EXPECT_EQ(static_cast<int>(bytes[frame + 9]), 3);
    }
}

TEST(Artwork, MemoryCardsAreAllDifferentAndTheBackStandsApart) {
    std::vector<QImage> faces;
    for (int number = 101; number <= 130; ++number)
        faces.push_back(ArtResources::LoadJpg(number));
    for (size_t i = 0; i < faces.size(); ++i)
        for (size_t j = i + 1; j < faces.size(); ++j)
            EXPECT_GT(Difference(faces[i], faces[j]), 8.0) << 101 + i << " vs " << 101 + j;

    // Faces are light, the back is dark wood: a turned card is never mistaken for a back.
    const QImage back = ArtResources::LoadJpg(200);
    const double backBrightness = MeanBrightness(back.copy(10, 10, 80, 80));
    for (size_t i = 0; i < faces.size(); ++i)
        EXPECT_GT(MeanBrightness(faces[i].copy(10, 10, 80, 80)), backBrightness + 60) << 101 + i;
}

TEST(Artwork, GridLinesAreLighterThanTheDarkenedBoardTheyCross) {
    // The board shows the background darkened by 25; a groove must still be seen on it.
    const QImage background = ArtResources::LoadJpg(100);
    const double board = MeanBrightness(background.copy(300, 10, 500, 500)) - 25;
    EXPECT_GT(MeanBrightness(ArtResources::LoadJpg(309)), board + 10);
    EXPECT_GT(MeanBrightness(ArtResources::LoadJpg(310)), board + 10);
}

TEST(Artwork, WindowFramePiecesFitTheWindow) {
    const struct {
        const char* name;
        QSize size;
    } pieces[] = {
        {"TOP", {900, 62}}, {"LEFT", {18, 620}}, {"RIGHT", {18, 620}}, {"BOTTOM", {900, 18}}};
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece.name);
        const QImage image = ArtResources::LoadArt(QLatin1String(piece.name));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), piece.size);
        EXPECT_GT(ColourShare(image), 0.3);
    }
    // The light texts of the status panel need a dark ground.
    const QImage top = ArtResources::LoadArt(QStringLiteral("TOP"));
    EXPECT_LT(MeanBrightness(top.copy(552, 25, 320, 25)), 70);
    // The title is engraved in dark brown (114, 72, 27) and needs a lighter plaque.
    EXPECT_GT(MeanBrightness(top.copy(379, 21, 145, 31)), qGray(114, 72, 27) + 40);
}

TEST(Artwork, ToolbarGlyphsAre24BitWithTheKeyColourAtTheTopLeft) {
    for (const QString& name : GlyphNames) {
        SCOPED_TRACE(name.toStdString());
        const QImage glyph = ArtResources::LoadSkin(name);
        ASSERT_FALSE(glyph.isNull());
        EXPECT_EQ(glyph.size(), QSize(24, 24));
        const QRgb key = glyph.pixel(0, 0);
        EXPECT_EQ(key, qRgb(255, 0, 255));

        // There is a glyph: light strokes with a dark outline, and no half-keyed pink
        // fringe (a colour key has no partial transparency).
        int light = 0, dark = 0, keyed = 0, pinkish = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const QRgb pixel = glyph.pixel(x, y);
                if (pixel == key) {
                    ++keyed;
                    continue;
                }
                if (qGray(pixel) > 190)
                    ++light;
                if (qGray(pixel) < 60)
                    ++dark;
                if (qRed(pixel) > 150 && qBlue(pixel) > 150 && qGreen(pixel) < 100)
                    ++pinkish;
            }
        }
        EXPECT_GT(light, 25);
        EXPECT_GT(dark, 15);
        EXPECT_GT(keyed, 150);
        EXPECT_EQ(pinkish, 0);

        QFile file(QStringLiteral(":/skin/%1.bmp").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        ASSERT_EQ(header.left(2), QByteArray("BM"));
        EXPECT_EQ(static_cast<int>(header[28]), 24) << "bits per pixel";
    }
}

TEST(Artwork, HandCursorsAreTransparentWithTheFingersAtTheHotSpot) {
    for (const char* name : {"CUR_101", "CUR_102"}) {
        SCOPED_TRACE(name);
        const QImage image(QStringLiteral(":/cursor/%1.png").arg(QLatin1String(name)));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(32, 32));
        ASSERT_TRUE(image.hasAlphaChannel());
        int clear = 0, nearHotSpot = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                if (alpha == 0)
                    ++clear;
                if (alpha > 200 && x + y < 14)
                    ++nearHotSpot;
            }
        }
        EXPECT_GT(clear, 200);
        EXPECT_GT(nearHotSpot, 4);

        const QCursor cursor = ArtResources::LoadCursor(QLatin1String(name));
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    }
}

// The build packs the pictures for 100 % ready to draw: each must be exactly the image the
// loader would have decoded from its file, and the first window's are handed out in place.
TEST(Artwork, PackedPicturesAreTheirFilesAsTheLoaderDecodesThem) {
    const QStringList names = PackedPictures::Names(tessaly_pictures);
    EXPECT_GT(names.size(), 100);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QImage decoded = ArtDecode::Decode(name, file.readAll());
        const QImage packed = PackedPictures::Find(tessaly_pictures, name);
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(packed.format(), decoded.format());
        EXPECT_EQ(packed, decoded);
        EXPECT_EQ(packed.dotsPerMeterX(), decoded.dotsPerMeterX());
        EXPECT_EQ(packed.dotsPerMeterY(), decoded.dotsPerMeterY());
    }
    for (const QString& name : {QStringLiteral("TOP"), QStringLiteral("WOOD_DARK")})
        EXPECT_EQ(ArtResources::LoadArt(name).constBits(),
                  PackedPictures::Find(tessaly_pictures, ":/art/" + name + ".png").constBits());
    EXPECT_EQ(ArtResources::LoadJpg(100).constBits(),
              PackedPictures::Find(tessaly_pictures, ":/jpg/100.jpg").constBits());
}
