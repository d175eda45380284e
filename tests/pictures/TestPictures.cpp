#include "TestPictures.h"

#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QUuid>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace TestPictures {

namespace {

template <typename Fill>
QByteArray Compress(int width, int height, int components, J_COLOR_SPACE space, bool progressive,
                    Fill fillRow) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // only valid input here: a library error ends the test
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        fillRow(static_cast<int>(info.next_scanline), row.data());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(output), static_cast<qsizetype>(size));
    std::free(output);
    return result;
}

} // namespace

QByteArray SolidJpeg(JpegSpace space, int width, int height,
                     std::initializer_list<unsigned char> samples) {
    const std::vector<unsigned char> pixel(samples);
    const int components = space == JpegSpace::Grey ? 1 : 4;
    return Compress(width, height, components, space == JpegSpace::Grey ? JCS_GRAYSCALE : JCS_CMYK,
                    false, [&](int, unsigned char* row) {
                        for (int x = 0; x < width; ++x)
                            for (int c = 0; c < components; ++c)
                                row[x * components + c] = pixel[static_cast<size_t>(c)];
                    });
}

QByteArray ProgressiveJpeg(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    return Compress(rgb.width(), rgb.height(), 3, JCS_RGB, true, [&](int y, unsigned char* row) {
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3, row);
    });
}

QImage Detailed(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool checker = ((x / 16) + (y / 16)) % 2 == 0;
            line[x] = qRgb((x * 255) / width, (y * 255) / height, checker ? 200 : 40);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setPen(QPen(QColor::fromHsv((i * 37) % 360, 200, 220), 3 + i % 7));
        painter.drawEllipse(QPointF(width * (i % 8) / 8.0, height * (i / 8) / 5.0), width / 10.0,
                            height / 7.0);
    }
    return image;
}

QString WriteFile(const QString& name, const QByteArray& data) {
    const QString folder = TestHome::Path() + QStringLiteral("/pictures-") +
                           QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw std::runtime_error("cannot write test file");
    return path;
}

void Put16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& bytes, quint32 value) {
    Put16(bytes, static_cast<int>(value & 0xFFFF));
    Put16(bytes, static_cast<int>(value >> 16));
}

void WmfBuilder::Placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 inch) {
    placeable = true;
    bounds[0] = left;
    bounds[1] = top;
    bounds[2] = right;
    bounds[3] = bottom;
    unitsPerInch = inch;
}

void WmfBuilder::Add(quint16 function, std::initializer_list<int> words) {
    QByteArray parameters;
    for (int word : words)
        Put16(parameters, word);
    AddBytes(function, parameters);
}

void WmfBuilder::AddBytes(quint16 function, QByteArray parameters) {
    if (parameters.size() % 2)
        parameters.append('\0');
    Put32(records, static_cast<quint32>(3 + parameters.size() / 2));
    Put16(records, function);
    records += parameters;
}

QByteArray WmfBuilder::Finish(bool endRecord) const {
    QByteArray chain = records;
    if (endRecord) {
        Put32(chain, 3);
        Put16(chain, 0);
    }
    QByteArray file;
    if (placeable) {
        Put32(file, 0x9AC6CDD7);
        Put16(file, 0);
        for (qint16 value : bounds)
            Put16(file, value);
        Put16(file, unitsPerInch);
        Put32(file, 0);
        Put16(file, 0); // checksum: not checked by the player
    }
    Put16(file, 1); // in memory
    Put16(file, 9);
    Put16(file, 0x0300);
    Put32(file, static_cast<quint32>((18 + chain.size()) / 2));
    Put16(file, objectCount);
    Put32(file, 0);
    Put16(file, 0);
    return file + chain;
}

QByteArray Dib24(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const int stride = (rgb.width() * 3 + 3) & ~3;
    QByteArray dib;
    Put32(dib, 40);
    Put32(dib, static_cast<quint32>(rgb.width()));
    Put32(dib, static_cast<quint32>(rgb.height()));
    Put16(dib, 1);
    Put16(dib, 24);
    Put32(dib, 0);
    Put32(dib, static_cast<quint32>(stride * rgb.height()));
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, 0);
    Put32(dib, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        QByteArray row(stride, '\0');
        for (int x = 0; x < rgb.width(); ++x) {
            row[x * 3] = static_cast<char>(line[x * 3 + 2]);
            row[x * 3 + 1] = static_cast<char>(line[x * 3 + 1]);
            row[x * 3 + 2] = static_cast<char>(line[x * 3]);
        }
        dib += row;
    }
    return dib;
}

} // namespace TestPictures
