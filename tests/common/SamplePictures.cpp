#include "SamplePictures.h"

#include "platform/ExifOrientation.h"
#include "platform/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace SamplePictures {

QImage Scene(QSize size, int grain, bool alpha) {
    QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    const int w = size.width();
    const int h = size.height();
    quint32 noise = 12345;
    const auto grainAt = [&noise, grain] {
        noise = noise * 1664525u + 1013904223u;
        return grain == 0 ? 0 : static_cast<int>((noise >> 16) % (2 * grain + 1)) - grain;
    };
    const auto clamp = [](int value) { return std::clamp(value, 0, 255); };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double wave = std::sin(x * 13.0 / w) * std::cos(y * 17.0 / h) +
                                std::sin((x + y) * 0.0021) + std::sin(x * 0.31 + y * 0.07) * 0.3;
            int r = clamp(110 + int(wave * 40) + grainAt());
            int g = clamp(60 + (x * 120) / std::max(1, w) + int(wave * 20) + grainAt());
            int b = clamp(90 + (y * 140) / std::max(1, h) + grainAt());
            if (y < h / 10) {
                r = 230;
                g = 20;
                b = 20;
            } else if (x < w / 10) {
                r = 20;
                g = 200;
                b = 30;
            }
            const int a =
                alpha && x > w / 2 ? 255 - (x - w / 2) * 255 / std::max(1, w - w / 2) : 255;
            if (alpha)
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = qRgba(r, g, b, a);
            else {
                uchar* pixel = image.scanLine(y) + x * 3;
                pixel[0] = static_cast<uchar>(r);
                pixel[1] = static_cast<uchar>(g);
                pixel[2] = static_cast<uchar>(b);
            }
        }
    }
    return image;
}

QImage StoredFor(const QImage& shown, int orientation) {
    // Every orientation undoes itself but the two quarter turns, which undo each other.
    const int inverse = orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
    return ExifOrientation::Apply(shown, inverse);
}

QByteArray ExifBlock(int orientation, bool bigEndian) {
    QByteArray block("Exif\0\0", 6);
    const auto put16 = [&block, bigEndian](int value) {
        if (bigEndian) {
            block += char((value >> 8) & 0xFF);
            block += char(value & 0xFF);
        } else {
            block += char(value & 0xFF);
            block += char((value >> 8) & 0xFF);
        }
    };
    const auto put32 = [&put16, bigEndian](quint32 value) {
        if (bigEndian) {
            put16(int(value >> 16));
            put16(int(value & 0xFFFF));
        } else {
            put16(int(value & 0xFFFF));
            put16(int(value >> 16));
        }
    };
    block += bigEndian ? "MM" : "II";
    put16(42);
    put32(8); // the first directory follows the header
    put16(2); // two entries: a resolution unit before the orientation
    put16(0x0128);
    put16(3);
    put32(1);
    put16(2);
    put16(0);
    put16(0x0112);
    put16(3);
    put32(1);
    put16(orientation);
    put16(0);
    put32(0); // no further directory
    return block;
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian) {
    const QByteArray block = ExifBlock(orientation, bigEndian);
    QByteArray segment = QByteArray::fromHex("FFE1");
    const int length = static_cast<int>(block.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += block;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray Encoded(const QImage& picture, const char* format, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    if (progressive)
        writer.setProgressiveScanWrite(true);
    writer.write(picture);
    return bytes;
}

namespace {

// The palette: a 6 x 6 x 6 colour cube, then 40 greys.
int PaletteIndex(QRgb colour) {
    const auto level = [](int value) { return (value * 5 + 127) / 255; };
    return 36 * level(qRed(colour)) + 6 * level(qGreen(colour)) + level(qBlue(colour));
}

QByteArray Palette() {
    QByteArray palette;
    for (int i = 0; i < 216; ++i) {
        palette += char((i / 36) * 51);
        palette += char(((i / 6) % 6) * 51);
        palette += char((i % 6) * 51);
    }
    for (int i = 0; i < 40; ++i)
        palette += QByteArray(3, char(i * 255 / 39));
    return palette;
}

void Put16(QByteArray& bytes, int value) {
    bytes += char(value & 0xFF);
    bytes += char((value >> 8) & 0xFF);
}

// LZW data that uses no strings at all: every pixel is its own 9-bit code, and a clear code
// comes often enough that the code width never grows.
QByteArray PlainLzw(const QImage& frame) {
    constexpr int Clear = 256;
    constexpr int End = 257;
    QByteArray packed;
    quint32 pending = 0;
    int pendingBits = 0;
    const auto putCode = [&](int code) {
        pending |= quint32(code) << pendingBits;
        pendingBits += 9;
        while (pendingBits >= 8) {
            packed += char(pending & 0xFF);
            pending >>= 8;
            pendingBits -= 8;
        }
    };
    putCode(Clear);
    int sinceClear = 0;
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (sinceClear == 250) {
                putCode(Clear);
                sinceClear = 0;
            }
            putCode(PaletteIndex(line[x]));
            ++sinceClear;
        }
    }
    putCode(End);
    if (pendingBits > 0)
        packed += char(pending & 0xFF);
    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray chunk = packed.mid(at, 255);
        blocks += char(chunk.size());
        blocks += chunk;
    }
    return blocks + QByteArray(1, 0);
}

} // namespace

QByteArray Gif(const QList<QImage>& frames) {
    if (frames.isEmpty())
        return {};
    const QSize size = frames.first().size();
    QByteArray gif("GIF89a");
    Put16(gif, size.width());
    Put16(gif, size.height());
    gif += char(0xF7); // a global palette of 256 colours
    gif += char(0);
    gif += char(0);
    gif += Palette();
    gif += QByteArray::fromHex("21FF0B") + "NETSCAPE2.0" +
           QByteArray::fromHex("03010000"
                               "00");
    for (const QImage& frame : frames) {
        gif += QByteArray::fromHex("21F904"
                                   "04"
                                   "3200"
                                   "00"
                                   "00"); // half a second each
        gif += char(0x2C);
        Put16(gif, 0);
        Put16(gif, 0);
        Put16(gif, size.width());
        Put16(gif, size.height());
        gif += char(0);
        gif += char(8);
        gif += PlainLzw(frame.scaled(size));
    }
    return gif + char(0x3B);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList WriteBenchFolder(const QString& folder, double scale) {
    QDir().mkpath(folder);
    const auto sized = [scale](int w, int h) {
        return QSize(std::max(1, int(std::lround(w * scale))),
                     std::max(1, int(std::lround(h * scale))));
    };
    const auto jpeg = [](const QImage& picture) { return JpegCodec::Encode(picture, 90); };
    const auto sideways = [&](int orientation) {
        return WithExifOrientation(jpeg(StoredFor(Scene(sized(3000, 4000)), orientation)),
                                   orientation);
    };
    struct Item {
        const char* name;
        std::function<QByteArray()> make;
    };
    const Item items[] = {
        {"01-kamera-3x2.jpg", [&] { return jpeg(Scene(sized(6000, 4000))); }},
        {"02-handy-16x9.jpg", [&] { return jpeg(Scene(sized(4000, 2250))); }},
        {"03-kompakt-4x3.jpg", [&] { return jpeg(Scene(sized(4000, 3000))); }},
        {"04-quadrat-1x1.jpg", [&] { return jpeg(Scene(sized(3000, 3000))); }},
        {"05-hochkant-exif6.jpg", [&] { return sideways(6); }},
        {"06-hochkant-exif8.jpg", [&] { return sideways(8); }},
        {"07-kopfueber-exif3.jpg",
         [&] { return WithExifOrientation(jpeg(StoredFor(Scene(sized(4000, 3000)), 3)), 3); }},
        {"08-progressiv.jpg", [&] { return Encoded(Scene(sized(4000, 3000)), "jpeg", true); }},
        {"09-bildschirm-alpha.png",
         [&] { return Encoded(Scene(sized(2560, 1600), 0, true), "png"); }},
        {"10-web.webp", [&] { return Encoded(Scene(sized(2400, 1800)), "webp"); }},
        {"11-scan-a4.tiff", [&] { return Encoded(Scene(sized(2480, 3508), 2), "tiff"); }},
        {"12-animiert.gif",
         [&] {
             const QSize size = sized(800, 600);
             return Gif({Scene(size, 0), Scene(size, 0).mirrored(true, false)});
         }},
    };
    QStringList paths;
    for (const Item& item : items) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(item.name));
        if (!QFile::exists(path))
            WriteFile(path, item.make());
        paths << path;
    }
    return paths;
}

} // namespace SamplePictures
