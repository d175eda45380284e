#include "HostileFiles.h"
#include "SamplePictures.h"
#include "TestPictures.h"

#include "platform/AppError.h"
#include "platform/JpegCodec.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

using namespace TestPictures;

namespace {

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

void ExpectNear(QColor actual, QColor expected, int tolerance = 6) {
    EXPECT_NEAR(actual.red(), expected.red(), tolerance);
    EXPECT_NEAR(actual.green(), expected.green(), tolerance);
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance);
}

const QString WorkRefusal = QStringLiteral(
    "Die JPEG-Daten verlangen zu viel Rechenarbeit: Ihre Teilbilder durchlaufen das ganze Bild "
    "zu oft.");

QString FailureOf(const QByteArray& data, QSize minimumSize = {}) {
    try {
        JpegCodec::Decode(data, minimumSize);
    } catch (const AppError& error) {
        return error.Message();
    }
    return {};
}

// Offset of the two size fields in the frame header (SOF0 ... SOF2).
qsizetype FrameSizeOffset(const QByteArray& jpeg) {
    for (qsizetype i = 0; i + 1 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2)
            return i + 5;
    }
    return -1;
}

QByteArray WithClaimedSize(QByteArray jpeg, int width, int height) {
    const qsizetype at = FrameSizeOffset(jpeg);
    jpeg[at] = static_cast<char>(height >> 8);
    jpeg[at + 1] = static_cast<char>(height & 0xFF);
    jpeg[at + 2] = static_cast<char>(width >> 8);
    jpeg[at + 3] = static_cast<char>(width & 0xFF);
    return jpeg;
}

QImage Quadrants() {
    QImage image(64, 48, QImage::Format_RGB888);
    image.fill(Qt::red);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            if (x >= 32)
                image.setPixelColor(x, y, y < 24 ? QColor(Qt::blue) : QColor(Qt::green));
    return image;
}

} // namespace

TEST(JpegCodec, EncodesAndDecodesColourAtFullSize) {
    const QByteArray jpeg = JpegCodec::Encode(Quadrants(), 95);
    EXPECT_EQ(JpegCodec::ReadSize(jpeg), QSize(64, 48));
    const QImage decoded = JpegCodec::Decode(jpeg);
    EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
    EXPECT_EQ(decoded.size(), QSize(64, 48));
    ExpectNear(At(decoded, 8, 8), Qt::red, 12);
    ExpectNear(At(decoded, 50, 8), Qt::blue, 12);
    ExpectNear(At(decoded, 50, 40), Qt::green, 12);
}

TEST(JpegCodec, ScalesWhileDecodingOnlyAsFarAsTheMinimumAllows) {
    const QByteArray jpeg = JpegCodec::Encode(Detailed(800, 600), 90);
    // 1/8 gives 100 x 75, too low for 100; 2/8 gives 200 x 150.
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(0, 100)).size(), QSize(200, 150));
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(100, 0)).size(), QSize(100, 75));
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(300, 1)).size(), QSize(300, 225));
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(700, 600)).size(), QSize(800, 600));
    // Asking for more than the picture has gives the full picture, never an enlargement.
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(5000, 5000)).size(), QSize(800, 600));
    EXPECT_EQ(JpegCodec::Decode(jpeg).size(), QSize(800, 600));
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(0, 0)).size(), QSize(800, 600));
}

TEST(JpegCodec, ScaledPictureKeepsItsColours) {
    const QImage scaled = JpegCodec::Decode(JpegCodec::Encode(Quadrants(), 95), QSize(8, 6));
    ASSERT_EQ(scaled.size(), QSize(8, 6));
    ExpectNear(At(scaled, 1, 1), Qt::red, 16);
    ExpectNear(At(scaled, 6, 1), Qt::blue, 16);
    ExpectNear(At(scaled, 6, 4), Qt::green, 16);
}

TEST(JpegCodec, GreyAndCmykPicturesComeOutAsRgb) {
    const QImage grey = JpegCodec::Decode(SolidJpeg(JpegSpace::Grey, 16, 16, {100}));
    EXPECT_EQ(grey.format(), QImage::Format_RGB888);
    ExpectNear(At(grey, 5, 5), QColor(100, 100, 100), 2);

    // Inverted as Adobe stores it: 255 = no ink. Full cyan and magenta, no black: blue.
    const QImage blue = JpegCodec::Decode(SolidJpeg(JpegSpace::Cmyk, 16, 16, {0, 0, 255, 255}));
    EXPECT_EQ(blue.format(), QImage::Format_RGB888);
    ExpectNear(At(blue, 5, 5), QColor(0, 0, 255), 8);
    const QImage darkYellow =
        JpegCodec::Decode(SolidJpeg(JpegSpace::Cmyk, 16, 16, {255, 255, 0, 128}));
    ExpectNear(At(darkYellow, 5, 5), QColor(128, 128, 0), 8);
}

TEST(JpegCodec, ReadsTheSizeFromADeviceWithoutTheWholeFile) {
    // Exif-like padding in front of the frame header pushes it past the first read.
    QByteArray jpeg = JpegCodec::Encode(Detailed(2400, 1600), 80);
    QByteArray padding;
    for (int i = 0; i < 3; ++i) {
        padding += QByteArray::fromHex("FFE1FFFF") + QByteArray(0xFFFF - 2, 'x');
    }
    jpeg.insert(2, padding);
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(JpegCodec::ReadSize(buffer), QSize(2400, 1600));
    EXPECT_LT(buffer.pos(), jpeg.size()); // the pixel data stayed unread
    EXPECT_EQ(JpegCodec::Decode(jpeg, QSize(1, 1)).size(), QSize(300, 200));
}

TEST(JpegCodec, BrokenDataGivesAGermanErrorInsteadOfACrash) {
    const QByteArray good = JpegCodec::Encode(Detailed(320, 240), 90);
    EXPECT_EQ(FailureOf({}), QStringLiteral("Die JPEG-Daten sind leer."));
    EXPECT_EQ(FailureOf(QByteArray(5000, '\x5a')),
              QStringLiteral("Die Daten sind kein gültiges JPEG-Bild."));
    EXPECT_EQ(FailureOf(good.left(good.size() / 2)),
              QStringLiteral("Die JPEG-Daten sind unvollständig."));
    EXPECT_EQ(FailureOf(good.left(good.size() / 2), QSize(10, 10)),
              QStringLiteral("Die JPEG-Daten sind unvollständig."));
    EXPECT_FALSE(FailureOf(good.left(40)).isEmpty()); // cut inside the header
    EXPECT_THROW(JpegCodec::ReadSize(good.left(40)), AppError);

    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    EXPECT_THROW(JpegCodec::ReadSize(empty), AppError);
}

TEST(JpegCodec, DamagedEntropyDataStillDecodesOrFailsCleanly) {
    QByteArray jpeg = JpegCodec::Encode(Detailed(320, 240), 90);
    for (qsizetype i = jpeg.size() / 3; i < jpeg.size() - 2; i += 97)
        jpeg[i] = static_cast<char>(jpeg[i] ^ 0x5A);
    const QString failure = FailureOf(jpeg);
    EXPECT_TRUE(failure.isEmpty() || failure.startsWith(QStringLiteral("Die")));
}

TEST(JpegCodec, RefusesHeadersClaimingGiganticPictures) {
    const QByteArray small = JpegCodec::Encode(Detailed(64, 64), 80);
    EXPECT_FALSE(FailureOf(WithClaimedSize(small, 65535, 65535)).isEmpty());
    const QByteArray hostile = WithClaimedSize(small, 60000, 60000);
    EXPECT_EQ(JpegCodec::ReadSize(hostile), QSize(60000, 60000)); // reporting is harmless
    EXPECT_EQ(
        FailureOf(hostile),
        QStringLiteral("Das Bild ist mit 60000 x 60000 Pixeln zu groß (höchstens 100 Megapixel)."));
    EXPECT_EQ(FailureOf(hostile, QSize(0, 500)), FailureOf(hostile)); // scaling is no way round
    // Below the limit but with hardly any data: ends as incomplete, quickly.
    const QByteArray hollow = WithClaimedSize(JpegCodec::Encode(Detailed(64, 64), 80), 5000, 5000);
    EXPECT_EQ(FailureOf(hollow), QStringLiteral("Die JPEG-Daten sind unvollständig."));
}

TEST(JpegCodec, ProgressivePicturesDecodeButEndlessScansAreRefused) {
    const QByteArray progressive = ProgressiveJpeg(Detailed(200, 120));
    EXPECT_EQ(JpegCodec::Decode(progressive).size(), QSize(200, 120));
    EXPECT_EQ(JpegCodec::Decode(progressive, QSize(50, 30)).size(), QSize(50, 30));

    // Repeat the first scan (DC only, complete in itself) hundreds of times: each
    // repetition costs a pass over the picture.
    const qsizetype scanStart = progressive.indexOf(QByteArray::fromHex("FFDA"));
    const int headerLength = (static_cast<unsigned char>(progressive[scanStart + 2]) << 8) |
                             static_cast<unsigned char>(progressive[scanStart + 3]);
    qsizetype scanEnd = scanStart + 2 + headerLength;
    for (;; ++scanEnd) {
        const auto next = static_cast<unsigned char>(progressive[scanEnd + 1]);
        if (static_cast<unsigned char>(progressive[scanEnd]) == 0xFF && next != 0 &&
            (next < 0xD0 || next > 0xD7))
            break;
    }
    const QByteArray scan = progressive.mid(scanStart, scanEnd - scanStart);
    QByteArray endless = progressive;
    for (int i = 0; i < 600; ++i)
        endless.insert(scanEnd, scan);
    EXPECT_EQ(FailureOf(endless), WorkRefusal);
}

// A few kilobytes of scans that each walk every block of a large picture: refused once the
// scans together have walked it more often than any real encoder's, at every scale, so
// that neither the preview nor the board pays for them.
TEST(JpegCodec, ScansThatWalkThePictureTooOftenAreRefused) {
    const QByteArray bomb = HostileFiles::ProgressiveBomb(2400, 2400, 120);
    ASSERT_LT(bomb.size(), 20 * 1024);
    EXPECT_EQ(JpegCodec::ReadSize(bomb), QSize(2400, 2400));
    EXPECT_EQ(FailureOf(bomb), WorkRefusal);
    EXPECT_EQ(FailureOf(bomb, QSize(140, 105)), WorkRefusal);
    // The same scans a reasonable number of times are an ordinary (if empty) picture.
    EXPECT_EQ(JpegCodec::Decode(HostileFiles::ProgressiveBomb(2400, 2400, 6)).size(),
              QSize(2400, 2400));
}

TEST(JpegCodec, EncodingRejectsAnEmptyPicture) {
    EXPECT_THROW(JpegCodec::Encode(QImage(), 100), AppError);
    const QByteArray thumbnail =
        JpegCodec::Encode(Detailed(90, 60).convertToFormat(QImage::Format_ARGB32), 100);
    EXPECT_EQ(JpegCodec::ReadSize(thumbnail), QSize(90, 60));
}

// A photo stored sideways or upside down comes out the way it was taken, at full size and
// at every reduced scale, and its size is read the right way up; a hostile Exif block is
// ignored and the picture loads as stored.
TEST(JpegCodec, ExifOrientationIsAppliedAtEveryScale) {
    const QImage shown = SamplePictures::Scene(QSize(320, 480), 0);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QByteArray jpeg = SamplePictures::WithExifOrientation(
            JpegCodec::Encode(SamplePictures::StoredFor(shown, orientation), 95), orientation,
            orientation % 2 == 0);
        EXPECT_EQ(JpegCodec::ReadSize(jpeg), shown.size()) << orientation;
        for (const QSize minimum : {QSize(), QSize(160, 240), QSize(40, 60)}) {
            const QImage decoded = JpegCodec::Decode(jpeg, minimum);
            ASSERT_EQ(decoded.width() * shown.height(), decoded.height() * shown.width())
                << orientation;
            EXPECT_GE(decoded.width(), minimum.width());
            const int w = decoded.width();
            const int h = decoded.height();
            // Red along the top, green down the left, neither at the bottom right.
            EXPECT_GT(decoded.pixelColor(w / 2, h / 40).red(), 180) << orientation;
            EXPECT_GT(decoded.pixelColor(w / 40, h / 2).green(), 150) << orientation;
            EXPECT_LT(decoded.pixelColor(w - 1 - w / 40, h - 1 - h / 40).red(), 180) << orientation;
        }
    }
    QByteArray hostile = SamplePictures::WithExifOrientation(JpegCodec::Encode(shown, 90), 6);
    hostile[2 + 4 + 10 + 3] = char(0xF0); // the directory's offset far beyond the block
    EXPECT_EQ(JpegCodec::ReadSize(hostile), shown.size());
    EXPECT_EQ(JpegCodec::Decode(hostile).size(), shown.size());
}
