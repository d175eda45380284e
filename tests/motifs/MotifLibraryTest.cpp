// The motif library's contract: its count, the pictures and thumbnails it hands out, its
// behaviour on unknown ids, and the symbols it exports.

#include "picturedialog/MotifLibrary.h"
#include "picturedialog/tsmotive/MotifDecode.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <climits>
#include <cmath>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

QImage Load(int id) {
    QImage picture;
    LoadMotiv(&picture, id);
    return picture;
}

// Mean absolute difference per channel of two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(p[i] - q[i]);
    }
    return sum / (x.width() * x.height() * 3.0);
}

} // namespace

TEST(MotifLibrary, CountIsConstantAndFitsTheStrip) {
    const int count = tsMotiveCount();
    EXPECT_GE(count, 20);
    EXPECT_LE(count, 30);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tsMotiveCount(), count);
}

TEST(MotifLibrary, EveryMotifIsAColourPictureTheBoardAccepts) {
    for (int k = 1; k <= tsMotiveCount(); ++k) {
        SCOPED_TRACE(k);
        const QImage motif = Load(k);
        ASSERT_FALSE(motif.isNull());
        EXPECT_EQ(motif.format(), QImage::Format_RGB888);
        EXPECT_TRUE(motif.height() == 500 || motif.height() == 600);
        EXPECT_GE(motif.width(), 400);
        // Scaled to the board's 500 pixels height it must not exceed the board's 700 width.
        EXPECT_LE(std::lround(motif.width() * 500.0 / motif.height()), 700);
        EXPECT_FALSE(motif.allGray());
    }
}

TEST(MotifLibrary, MotifsDifferFromEachOther) {
    const QSize common(100, 75);
    for (int a = 1; a <= tsMotiveCount(); ++a) {
        const QImage first = Load(a).scaled(common);
        for (int b = a + 1; b <= tsMotiveCount(); ++b)
            EXPECT_GT(MeanDifference(first, Load(b).scaled(common)), 20) << a << " vs " << b;
    }
}

TEST(MotifLibrary, ThumbnailIsTheMotifAtAHundredPixelsHigh) {
    for (int k = 1; k <= tsMotiveCount(); ++k) {
        SCOPED_TRACE(k);
        const QImage motif = Load(k);
        const QImage thumbnail = Load(100 + k);
        ASSERT_FALSE(thumbnail.isNull());
        EXPECT_EQ(thumbnail.format(), QImage::Format_RGB888);
        EXPECT_EQ(thumbnail.height(), 100);
        EXPECT_NEAR(thumbnail.width(), motif.width() * 100.0 / motif.height(), 1.0);
        // The thumbnail shows its own motif, not a neighbour's.
        const QImage reduced =
            motif.scaled(thumbnail.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(reduced, thumbnail), 6);
    }
}

TEST(MotifLibrary, UnknownIdsLeaveANullPicture) {
    const int count = tsMotiveCount();
    for (int id : {0, -1, -101, count + 1, 100, 100 + count + 1, 200, 200 + count + 1, 300,
                   300 + count + 1, 1000, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(id);
        // Even a picture that held something before comes back empty, never stale.
        QImage picture(10, 10, QImage::Format_RGB888);
        picture.fill(Qt::red);
        LoadMotiv(&picture, id);
        EXPECT_TRUE(picture.isNull());
    }
    LoadMotiv(nullptr, 1); // must not crash
    // 200 + k and 300 + k are motif k for screens at 200 % and 300 %.
    QImage full;
    LoadMotiv(&full, 1);
    for (int scale : {2, 3}) {
        QImage picture;
        LoadMotiv(&picture, scale * 100 + 1);
        EXPECT_EQ(picture.size(), full.size() * scale) << scale;
    }
}

// The first motif, shown at start, comes packed ready to draw: it must be its JPEG exactly
// as the library decodes the others.
TEST(MotifLibrary, PackedFirstMotifIsItsJpegDecoded) {
    QFile file(QStringLiteral(":/tsmotive/motif01.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage decoded = MotifDecode::Decode(file.readAll());
    ASSERT_FALSE(decoded.isNull());
    const QImage packed = Load(1);
    EXPECT_EQ(packed.format(), decoded.format());
    EXPECT_EQ(packed, decoded);
    EXPECT_EQ(packed.dotsPerMeterX(), decoded.dotsPerMeterX());
}

TEST(MotifLibrary, ExportsExactlyTheTwoPlainCEntryPoints) {
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"),
                                    QStringLiteral(TSMOTIVE_FILE)});
    ASSERT_TRUE(nm.waitForFinished(30000));
    ASSERT_EQ(nm.exitCode(), 0) << nm.readAllStandardError().toStdString();
    std::set<std::string> names;
    for (const QString& line : QString::fromLocal8Bit(nm.readAllStandardOutput()).split('\n')) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (!fields.isEmpty())
            names.insert(fields.last().toStdString());
    }
    EXPECT_EQ(names, (std::set<std::string>{"LoadMotiv", "tsMotiveCount"}));

    // The loader finds them by their plain names; a C++-mangled name is not there.
    void* library = dlopen(TSMOTIVE_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_NE(dlsym(library, "tsMotiveCount"), nullptr);
    EXPECT_NE(dlsym(library, "LoadMotiv"), nullptr);
    EXPECT_EQ(dlsym(library, "_Z9LoadMotivP6QImagei"), nullptr);
    auto* count = reinterpret_cast<int (*)()>(dlsym(library, "tsMotiveCount"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count(), tsMotiveCount());
    dlclose(library);
}
