#include "tools/paint/ImageFiles.h"

#include "tools/paint/Pixels.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace Paint {

namespace {

constexpr int LargeJpegQuality = 92;

// At scale 2 and 3 a large opaque picture (a window's background, a table top) is kept as
// JPEG of full colour resolution: its wood grain costs a fifth of the PNG's bytes, and at
// two or three device pixels per pixel the compression cannot be seen. Small pieces,
// keyed bitmaps and pictures with transparency stay PNG.
bool StoredAsJpeg(const QImage& image) {
    const QSize design = DesignSize(image);
    return Scale() > 1 && !image.hasAlphaChannel() && design.width() * design.height() >= 40000;
}

void WriteJpegFile(const QImage& image, const QString& path, int quality);

} // namespace

QString ScaledPath(const QString& path) {
    if (Scale() == 1)
        return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    QString extension = path.mid(dot);
    if (extension.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0)
        extension = QStringLiteral(".png");
    return path.left(dot) + QStringLiteral("@%1x").arg(Scale()) + extension;
}

namespace {

QString JpegPath(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".jpg");
}

} // namespace

QString Save(const QImage& image, const QString& path, const char* format, int quality) {
    // The ratio is implied by the name; the file itself keeps the pixels only.
    QImage plain = image;
    plain.setDevicePixelRatio(1);
    if (StoredAsJpeg(image)) {
        const QString target = JpegPath(ScaledPath(path));
        WriteJpegFile(plain, target, LargeJpegQuality);
        return target;
    }
    const QString target = ScaledPath(path);
    const char* written = target.endsWith(QLatin1String(".png")) ? "PNG" : format;
    if (!plain.save(target, written, quality))
        throw std::runtime_error("cannot write " + target.toStdString());
    return target;
}

QString SaveInto(const QImage& image, const QString& folder, const QString& name,
                 const char* format) {
    const QString path =
        QDir(folder).filePath(name + QLatin1Char('.') + QString::fromLatin1(format).toLower());
    return Save(image.convertToFormat(QImage::Format_RGB888), path, format);
}

void WriteJpeg(const QImage& image, const QString& path, int quality) {
    WriteJpegFile(image, ScaledPath(path), quality);
}

namespace {

void WriteJpegFile(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&info, &buffer, &bufferSize);

    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int component = 0; component < 3; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(buffer), static_cast<qint64>(bufferSize)) ==
            static_cast<qint64>(bufferSize);
    std::free(buffer);
    if (!written)
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

} // namespace Paint
