#include "HostileFiles.h"
#include "SamplePictures.h"
#include "TestPictures.h"

#include "platform/AppError.h"
#include "platform/FileNames.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/PictureReaderProcess.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QScopeGuard>
#include <cerrno>
#include <csignal>

#include <gtest/gtest.h>

using namespace TestPictures;
using Kind = PictureFile::Kind;

namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString FailureOf(const QString& path, Kind kind, bool sizeOnly = false) {
    try {
        if (sizeOnly)
            PictureFile::ReadSize(path, kind);
        else
            PictureFile::Load(path, kind);
    } catch (const AppError& error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(PictureFile, KindComesFromTheLowerCasedExtension) {
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("/a/b.BMP"), Kind::Jpeg), Kind::Bitmap);
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("foto.Jpg")), Kind::Jpeg);
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("foto.jpeg")), Kind::Jpeg);
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("clip.wmf")), Kind::Metafile);
    // Anything else keeps the kind of the previous load.
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("bild.xyz"), Kind::Metafile), Kind::Metafile);
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("ohne")), Kind::Bitmap);
    EXPECT_EQ(PictureFile::KindOf(QStringLiteral("wmf")), Kind::Bitmap);
}

TEST(PictureFile, ReadsSizesAndLoadsEveryKindAsRgb) {
    const QImage picture = Detailed(640, 480);
    const QString bmp = WriteFile(QStringLiteral("bild.bmp"), Encoded(picture, "BMP"));
    const QString jpg = WriteFile(QStringLiteral("bild.jpg"), JpegCodec::Encode(picture, 90));
    WmfBuilder metafile;
    metafile.Placeable(0, 0, 1500, 1000, 300); // 480 x 320 pixels
    const QString wmf = WriteFile(QStringLiteral("bild.wmf"), metafile.Finish());

    EXPECT_EQ(PictureFile::ReadSize(bmp, Kind::Bitmap), QSize(640, 480));
    EXPECT_EQ(PictureFile::ReadSize(jpg, Kind::Jpeg), QSize(640, 480));
    EXPECT_EQ(PictureFile::ReadSize(wmf, Kind::Metafile), QSize(480, 320));

    const QImage fromBmp = PictureFile::Load(bmp, Kind::Bitmap);
    EXPECT_EQ(fromBmp.format(), QImage::Format_RGB888);
    EXPECT_EQ(fromBmp, picture.convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(PictureFile::Load(jpg, Kind::Jpeg).format(), QImage::Format_RGB888);
    const QImage fromWmf = PictureFile::Load(wmf, Kind::Metafile);
    EXPECT_EQ(fromWmf.size(), QSize(480, 320));
    EXPECT_EQ(fromWmf.pixelColor(100, 100), QColor(Qt::white));
}

TEST(PictureFile, OnlyJpegsShrinkToTheMinimumSize) {
    const QImage picture = Detailed(1600, 1200);
    const QString jpg = WriteFile(QStringLiteral("gross.jpg"), JpegCodec::Encode(picture, 85));
    const QString bmp = WriteFile(QStringLiteral("gross.bmp"), Encoded(picture, "BMP"));
    EXPECT_EQ(PictureFile::Load(jpg, Kind::Jpeg, QSize(0, 500)).size(), QSize(800, 600));
    EXPECT_EQ(PictureFile::Load(jpg, Kind::Jpeg, QSize(667, 500)).size(), QSize(800, 600));
    EXPECT_EQ(PictureFile::Load(jpg, Kind::Jpeg, QSize(120, 90)).size(), QSize(200, 150));
    EXPECT_EQ(PictureFile::Load(bmp, Kind::Bitmap, QSize(0, 500)).size(), QSize(1600, 1200));
}

TEST(PictureFile, ErrorsNameTheFile) {
    const QString missing = QDir::tempPath() + QStringLiteral("/gibt-es-nicht.jpg");
    EXPECT_EQ(FailureOf(missing, Kind::Jpeg),
              QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(missing));
    EXPECT_EQ(FailureOf(missing, Kind::Jpeg, true),
              QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(missing));

    for (Kind kind : {Kind::Bitmap, Kind::Jpeg, Kind::Metafile}) {
        const QString empty = WriteFile(QStringLiteral("leer.bin"), {});
        const QString garbage = WriteFile(QStringLiteral("müll.bin"), QByteArray(4096, '\x37'));
        const QString prefix = QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden.");
        EXPECT_TRUE(FailureOf(empty, kind).startsWith(prefix.arg(empty)));
        EXPECT_TRUE(FailureOf(empty, kind, true).startsWith(prefix.arg(empty)));
        EXPECT_TRUE(FailureOf(garbage, kind).startsWith(prefix.arg(garbage)));
        EXPECT_TRUE(FailureOf(garbage, kind, true).startsWith(prefix.arg(garbage)));
    }
}

TEST(PictureFile, TruncatedAndMislabelledFilesAreRefused) {
    const QImage picture = Detailed(320, 240);
    const QByteArray jpeg = JpegCodec::Encode(picture, 90);
    const QString cut = WriteFile(QStringLiteral("halb.jpg"), jpeg.left(jpeg.size() / 2));
    EXPECT_EQ(PictureFile::ReadSize(cut, Kind::Jpeg), QSize(320, 240)); // the header is there
    EXPECT_TRUE(FailureOf(cut, Kind::Jpeg).endsWith(QStringLiteral("unvollständig.")));

    const QByteArray bmpBytes = Encoded(picture, "BMP");
    const QString cutBmp = WriteFile(QStringLiteral("halb.bmp"), bmpBytes.left(100));
    EXPECT_TRUE(FailureOf(cutBmp, Kind::Bitmap).endsWith(QStringLiteral("unvollständig.")));

    // A PNG or JPEG behind a ".bmp" name is not handed to another decoder.
    const QString png = WriteFile(QStringLiteral("echt-png.bmp"), Encoded(picture, "PNG"));
    EXPECT_FALSE(FailureOf(png, Kind::Bitmap).isEmpty());
    const QString jpgAsBmp = WriteFile(QStringLiteral("echt-jpg.bmp"), jpeg);
    EXPECT_FALSE(FailureOf(jpgAsBmp, Kind::Bitmap, true).isEmpty());
}

TEST(PictureFile, BitmapHeadersClaimingGiganticPicturesAreRefused) {
    QByteArray bmp = Encoded(Detailed(8, 8), "BMP");
    // Width and height of the info header at offsets 18 and 22.
    for (int offset : {18, 22}) {
        bmp[offset] = static_cast<char>(0xFF);
        bmp[offset + 1] = static_cast<char>(0xFF);
        bmp[offset + 2] = 0;
        bmp[offset + 3] = 0;
    }
    const QString path = WriteFile(QStringLiteral("riesig.bmp"), bmp);
    EXPECT_FALSE(FailureOf(path, Kind::Bitmap, true).isEmpty());
    EXPECT_FALSE(FailureOf(path, Kind::Bitmap).isEmpty());
}

TEST(PictureFile, JpegHeadersClaimingGiganticPicturesAreRefusedAtTheSizeCheck) {
    QByteArray jpeg = JpegCodec::Encode(Detailed(16, 16), 80);
    const qsizetype frame = jpeg.indexOf(QByteArray::fromHex("FFC0")) + 5;
    jpeg[frame] = jpeg[frame + 2] = static_cast<char>(0xEA); // 60000 x 60000
    jpeg[frame + 1] = jpeg[frame + 3] = static_cast<char>(0x60);
    const QString path = WriteFile(QStringLiteral("riesig.jpg"), jpeg);
    const QString tooLarge = QStringLiteral("(höchstens 100 Megapixel).");
    EXPECT_TRUE(FailureOf(path, Kind::Jpeg, true).endsWith(tooLarge));
    EXPECT_TRUE(FailureOf(path, Kind::Jpeg).endsWith(tooLarge));
}

namespace {

// A 24-bit BMP with a 40-byte info header; `height` < 0 stores the rows top-down.
QByteArray Bitmap24(int width, int height, const QByteArray& pixels) {
    QByteArray bmp = "BM";
    Put32(bmp, static_cast<quint32>(54 + pixels.size()));
    Put32(bmp, 0);
    Put32(bmp, 54);
    Put32(bmp, 40);
    Put32(bmp, static_cast<quint32>(width));
    Put32(bmp, static_cast<quint32>(height));
    Put16(bmp, 1);
    Put16(bmp, 24);
    for (int i = 0; i < 6; ++i)
        Put32(bmp, 0);
    return bmp + pixels;
}

} // namespace

TEST(PictureFile, TopDownBitmapsLoadTheRightWayUp) {
    // Two rows of three pixels, stored top row first (each row padded to 12 bytes).
    QByteArray rows;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) // blue, green, red
            for (int value : {80 * x, 100 * y, 50})
                rows += static_cast<char>(value);
        rows += QByteArray(3, '\0');
    }
    const QString path = WriteFile(QStringLiteral("oben.bmp"), Bitmap24(3, -2, rows));
    EXPECT_EQ(PictureFile::ReadSize(path, Kind::Bitmap), QSize(3, 2));
    const QImage image = PictureFile::Load(path, Kind::Bitmap);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(50, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(50, 100, 160));

    // Cut short, it is refused like a bottom-up file.
    const QString cut = WriteFile(QStringLiteral("oben-halb.bmp"), Bitmap24(3, -2, rows.left(20)));
    EXPECT_TRUE(FailureOf(cut, Kind::Bitmap).endsWith(QStringLiteral("unvollständig.")));
}

TEST(PictureFile, HostileBitmapHeadersAreRefusedWithoutArithmeticOverflow) {
    const QString invalid = QStringLiteral("Die Daten sind kein gültiges BMP-Bild.");
    // Sizes whose row bytes times rows overflow 64 bits, and a height of INT_MIN, which
    // has no positive counterpart.
    QByteArray huge = Bitmap24(0x7FFFFFFF, 0x7FFFFFFF, QByteArray(4, '\0'));
    huge[28] = 32; // bits per pixel
    const QString overflow = WriteFile(QStringLiteral("ueberlauf.bmp"), huge);
    const QString intMin =
        WriteFile(QStringLiteral("intmin.bmp"), Bitmap24(4, INT_MIN, QByteArray(4, '\0')));
    // No signature at all, but a header size and sizes that would overflow.
    const QString unsigned_ =
        WriteFile(QStringLiteral("ohne-signatur.bmp"),
                  QByteArray::fromHex("1a000000000000000000820000"
                                      "7c0000000005000000040000007c00000005000000"));
    for (bool sizeOnly : {true, false}) {
        EXPECT_TRUE(FailureOf(overflow, Kind::Bitmap, sizeOnly)
                        .endsWith(QStringLiteral("(höchstens 100 Megapixel).")));
        EXPECT_TRUE(FailureOf(intMin, Kind::Bitmap, sizeOnly).endsWith(invalid));
        EXPECT_TRUE(FailureOf(unsigned_, Kind::Bitmap, sizeOnly).endsWith(invalid));
    }
}

TEST(PictureFile, MetafilesAreDrawnAtTheSizeAskedFor) {
    WmfBuilder metafile;
    metafile.Placeable(0, 0, 30000, 3000, 96); // 31 megapixels
    const QString wmf = WriteFile(QStringLiteral("breit.wmf"), metafile.Finish());
    EXPECT_EQ(PictureFile::ReadSize(wmf, Kind::Metafile), QSize(30000, 3000));
    EXPECT_EQ(PictureFile::Load(wmf, Kind::Metafile, QSize(700, 500)).size(), QSize(700, 500));
}

// A FIFO or a device behind a picture's name is refused at once: opening a FIFO would wait
// for a writer for ever, and a device such as /dev/zero would be read until memory runs out
// (the test links /dev/null, which is refused for the same reason and ends by itself).
TEST(PictureFile, FifosAndDeviceLinksAreRefusedWithoutWaitingOrReading) {
    const QString folder = QFileInfo(WriteFile("platzhalter", "x")).path() + "/";
    const QString fifo = folder + "x.jpg";
    ASSERT_TRUE(HostileFiles::MakeFifo(fifo));
    ASSERT_TRUE(QFile::link("/dev/null", folder + "x.wmf"));
    for (Kind kind : {Kind::Jpeg, Kind::Bitmap, Kind::Metafile, Kind::Png}) {
        QString sizeFailure;
        QString loadFailure;
        EXPECT_TRUE(HostileFiles::FinishesWithoutWaitingFor(fifo, [&] {
            sizeFailure = FailureOf(fifo, kind, true);
            loadFailure = FailureOf(fifo, kind);
        })) << static_cast<int>(kind);
        EXPECT_TRUE(sizeFailure.contains("keine gewöhnliche Datei")) << sizeFailure.toStdString();
        EXPECT_TRUE(loadFailure.contains("keine gewöhnliche Datei")) << loadFailure.toStdString();
        const QString device = FailureOf(folder + "x.wmf", kind);
        EXPECT_TRUE(device.contains("keine gewöhnliche Datei")) << device.toStdString();
    }
}

// A name that is not UTF-8 is opened by its own bytes, and named in messages with the
// replacement character.
TEST(PictureFile, NamesThatAreNotUtf8AreOpenedByTheirBytes) {
    const QString folder = QFileInfo(WriteFile("platzhalter", "x")).path();
    const QString path =
        HostileFiles::WriteRawName(folder, "caf\xE9.jpg", JpegCodec::Encode(Detailed(64, 48), 90));
    EXPECT_EQ(PictureFile::ReadSize(path, Kind::Jpeg), QSize(64, 48));
    EXPECT_EQ(PictureFile::Load(path, Kind::Jpeg).size(), QSize(64, 48));
    const QString broken =
        HostileFiles::WriteRawName(folder, "kaputt\xFF.jpg", QByteArray("kein Bild"));
    EXPECT_TRUE(FailureOf(broken, Kind::Jpeg).contains(QStringLiteral("kaputt\uFFFD.jpg")));
}

namespace {

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= static_cast<uchar>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The PNG with another size in its header (and the header's checksum made to match).
QByteArray PngClaiming(QByteArray png, quint32 width, quint32 height) {
    QByteArray chunk = "IHDR";
    for (quint32 value : {width, height})
        for (int shift : {24, 16, 8, 0})
            chunk += char((value >> shift) & 0xFF);
    chunk += png.mid(8 + 4 + 4 + 8, 5);
    png.replace(8 + 4, chunk.size(), chunk);
    const quint32 crc = Crc32(chunk);
    for (int i = 0; i < 4; ++i)
        png[8 + 4 + chunk.size() + i] = char((crc >> (24 - 8 * i)) & 0xFF);
    return png;
}

} // namespace

// PNG, WebP, TIFF and GIF come through Qt's readers: sizes from the header alone (a file cut
// after its header still tells its size), pictures the right way up as 24-bit colour, a
// GIF's first frame, transparent parts on white; a file of another kind behind the name
// and a size beyond the limit are refused with a message.
TEST(PictureFile, PngWebpTiffAndGifReadTheirSizesFromTheHeaderAndLoadTheRightWayUp) {
    const QImage scene = SamplePictures::Scene(QSize(160, 120), 0);
    const QString png = WriteFile("bild.png", SamplePictures::Encoded(scene, "png"));
    const QString webp = WriteFile("bild.webp", SamplePictures::Encoded(scene, "webp"));
    const QString gif =
        WriteFile("bild.gif", SamplePictures::Gif({scene, scene.mirrored(true, false)}));
    // A TIFF whose header says its pixels lie turned: it shows as 120 x 160.
    const QImage portrait = SamplePictures::Scene(QSize(120, 160), 0);
    QByteArray tiffBytes;
    {
        QBuffer buffer(&tiffBytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "tiff");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        ASSERT_TRUE(writer.write(SamplePictures::StoredFor(portrait, 6)));
    }
    const QString tiff = WriteFile("bild.tiff", tiffBytes);

    for (const auto& [path, kind, size] : {std::tuple{png, Kind::Png, QSize(160, 120)},
                                           std::tuple{webp, Kind::WebP, QSize(160, 120)},
                                           std::tuple{gif, Kind::Gif, QSize(160, 120)},
                                           std::tuple{tiff, Kind::Tiff, QSize(120, 160)}}) {
        EXPECT_EQ(PictureFile::ReadSize(path, kind), size) << path.toStdString();
        const QImage picture = PictureFile::Load(path, kind);
        EXPECT_EQ(picture.format(), QImage::Format_RGB888);
        ASSERT_EQ(picture.size(), size) << path.toStdString();
        EXPECT_GT(picture.pixelColor(size.width() / 2, 2).red(), 180) << path.toStdString();
        EXPECT_GT(picture.pixelColor(2, size.height() / 2).green(), 150) << path.toStdString();
        EXPECT_LE(PictureFile::Load(path, kind, QSize(40, 0)).width(), size.width());
    }

    const QByteArray pngBytes = SamplePictures::Encoded(scene, "png");
    // Cut a little way into the pixel data: everything before it is header.
    const QString header = WriteFile("kopf.png", pngBytes.left(pngBytes.indexOf("IDAT") + 20));
    EXPECT_EQ(PictureFile::ReadSize(header, Kind::Png), QSize(160, 120));
    EXPECT_TRUE(FailureOf(header, Kind::Png).contains("kopf.png"));

    const QString alpha =
        WriteFile("alpha.png",
                  SamplePictures::Encoded(SamplePictures::Scene(QSize(100, 80), 0, true), "png"));
    EXPECT_GT(PictureFile::Load(alpha, Kind::Png).pixelColor(99, 40).lightness(), 240);

    const QString mislabelled = WriteFile("falsch.png", JpegCodec::Encode(scene, 90));
    EXPECT_TRUE(FailureOf(mislabelled, Kind::Png, true).contains("kein gültiges PNG-Bild"));
    const QString huge = WriteFile("riesig.png", PngClaiming(pngBytes, 20000, 20000));
    EXPECT_TRUE(FailureOf(huge, Kind::Png, true).contains("20000 x 20000"))
        << FailureOf(huge, Kind::Png, true).toStdString();
}

// A TIFF on which the system's decoder writes outside its own memory is refused with the
// message of a damaged picture, and this process goes on: the decoder runs in the picture
// reader's process. In the sanitizer build the reader dies of the overflow; here it may not
// notice it.
TEST(PictureFile, TiffThatOverflowsTheSystemDecoderIsRefusedAndThisProcessLivesOn) {
    const QByteArray hostile = HostileFiles::TiffOverflowingItsDecoder();
    ASSERT_FALSE(hostile.isEmpty());
    const QString path = WriteFile("ueberlauf.tiff", hostile);
    const QString failure = FailureOf(path, Kind::Tiff);
    EXPECT_TRUE(failure.contains("ueberlauf.tiff") &&
                failure.contains("Die TIFF-Daten sind beschädigt oder unvollständig."))
        << failure.toStdString();
}

namespace {

// A stand-in for the picture reader: a shell script that behaves as `body` says.
QString FakeReader(const QString& name, const QByteArray& body) {
    const QString path = QFileInfo(WriteFile(name, "#!/bin/sh\n" + body + "\n")).filePath();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

// Whatever the reader does wrong costs only its own process and ends in the message of a
// damaged picture: a reader that never answers is killed at the time limit (and reaped),
// one that dies of a signal, one that answers half and one that says more than it was asked.
TEST(PictureFile, ReaderThatHangsCrashesOrAnswersWronglyEndsInTheDamagedMessage) {
    const QString real = PictureReaderProcess::Program();
    const auto restore = qScopeGuard([&] { PictureReaderProcess::UseProgram(real); });
    const QString png =
        WriteFile("opfer.png", SamplePictures::Encoded(SamplePictures::Scene({40, 30}, 0), "png"));
    const QString pidFile = QFileInfo(png).path() + "/reader.pid";
    const QString prelude = "printf 'TSPR\\050\\0\\0\\0\\036\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0'";
    for (const auto& [name, body] :
         {std::pair{"haengt", QString("echo $$ > '%1'; exec sleep 60").arg(pidFile)},
          std::pair{"stirbt", QString("cat > /dev/null; kill -SEGV $$")},
          std::pair{"halb", QString("cat > /dev/null; printf 'TSPR\\050\\0'")},
          std::pair{"mehr", QString("cat > /dev/null; %1; printf x").arg(prelude)}}) {
        PictureReaderProcess::UseProgram(FakeReader(name, body.toUtf8()));
        PictureFile::ForgetLastPicture();
        QElapsedTimer clock;
        clock.start();
        const QString failure = FailureOf(png, Kind::Png, true);
        EXPECT_LT(clock.elapsed(), 30'000) << name;
        EXPECT_TRUE(failure.contains("opfer.png") &&
                    failure.contains("Die PNG-Daten sind beschädigt oder unvollständig."))
            << name << ": " << failure.toStdString();
    }
    QFile pid(pidFile);
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    EXPECT_NE(::kill(static_cast<pid_t>(pid.readAll().trimmed().toLongLong()), 0), 0);
    EXPECT_EQ(errno, ESRCH);
    // The same file through the real reader tells its size.
    PictureReaderProcess::UseProgram(real);
    EXPECT_EQ(PictureFile::ReadSize(png, Kind::Png), QSize(40, 30));
}
