#include "platform/ExifOrientation.h"
#include "SamplePictures.h"

#include <QtEndian>
#include <gtest/gtest.h>

// All eight values in both byte orders; damaged and hostile blocks show the pixels as stored.
TEST(ExifOrientation, ReadsAllEightValuesAndIgnoresHostileBlocks) {
    for (int orientation = 1; orientation <= 8; ++orientation)
        for (bool bigEndian : {false, true})
            EXPECT_EQ(ExifOrientation::Read(SamplePictures::ExifBlock(orientation, bigEndian)),
                      orientation);

    const QByteArray good = SamplePictures::ExifBlock(6);
    auto patched = [&good](int at, QByteArray bytes) {
        QByteArray copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    // The block: signature 0-5, byte order 6-7, 42 at 8, directory offset at 10, entry
    // count at 14, a resolution entry at 16, the orientation entry at 28 (type at 30,
    // value count at 32, value at 36), the next directory's offset at 40.
    const QByteArray hostile[] = {
        QByteArray(),
        good.left(20),                                // cut inside the directory
        patched(0, QByteArray("Exif\0x", 6)),         // no Exif signature
        patched(6, "XX"),                             // no byte order
        patched(8, QByteArray::fromHex("2B00")),      // not 42
        patched(10, QByteArray::fromHex("F0FFFFFF")), // directory far beyond the end
        patched(14, QByteArray::fromHex("FFFF")),     // more entries than the block holds
        patched(10, QByteArray::fromHex("04000000")), // directory inside the header
        patched(30, QByteArray::fromHex("0400")),     // orientation as a LONG
        patched(32, QByteArray::fromHex("02000000")), // two values
        patched(36, QByteArray::fromHex("0900")),     // no such orientation
        patched(36, QByteArray::fromHex("0000")),
    };
    // A next directory that leads back to the first is never followed.
    EXPECT_EQ(ExifOrientation::Read(patched(40, QByteArray::fromHex("08000000"))), 6);
    for (const QByteArray& block : hostile)
        EXPECT_EQ(ExifOrientation::Read(block), ExifOrientation::AsStored)
            << block.toHex().toStdString();
}

// Each orientation turns and mirrors the stored pixels so that the marked corner lands
// where the picture was taken with it.
TEST(ExifOrientation, TurnsTheStoredPixelsTheWayTheyWereTaken) {
    QImage shown(3, 2, QImage::Format_RGB888);
    shown.fill(Qt::white);
    shown.setPixelColor(0, 0, Qt::red);   // top left
    shown.setPixelColor(2, 0, Qt::green); // top right
    shown.setPixelColor(0, 1, Qt::blue);  // bottom left
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QImage stored = SamplePictures::StoredFor(shown, orientation);
        EXPECT_EQ(stored.size(), ExifOrientation::Oriented(shown.size(), orientation));
        EXPECT_EQ(ExifOrientation::Apply(stored, orientation), shown) << orientation;
    }
    // Where the picture's top left corner lies in the stored pixels, as the eight values
    // define it (stored 3 x 2 for 1 to 4, 2 x 3 for 5 to 8).
    const QPoint topLeftStoredAt[] = {{0, 0}, {2, 0}, {2, 1}, {0, 1},
                                      {0, 0}, {0, 2}, {1, 2}, {1, 0}};
    for (int orientation = 1; orientation <= 8; ++orientation)
        EXPECT_EQ(SamplePictures::StoredFor(shown, orientation)
                      .pixelColor(topLeftStoredAt[orientation - 1]),
                  QColor(Qt::red))
            << orientation;
}
