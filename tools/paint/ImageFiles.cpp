#include "tools/paint/ImageFiles.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace Paint {

void Save(const QImage& image, const QString& path, const char* format, int quality) {
    if (!image.save(path, format, quality))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString SaveInto(const QImage& image, const QString& folder, const QString& name,
                 const char* format) {
    const QString path =
        QDir(folder).filePath(name + QLatin1Char('.') + QString::fromLatin1(format).toLower());
    Save(image.convertToFormat(QImage::Format_RGB888), path, format);
    return path;
}

void WriteJpeg(const QImage& image, const QString& path, int quality) {
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

} // namespace Paint
