// motifgen: paints every motif of the motif library and writes them as motifNN.jpg.
// Usage: motifgen <output folder> [contact sheet .png] [only motif number]

#include "Motifs.h"

#include "platform/Random.h"
#include "tools/paint/ImageFiles.h"
#include "tools/paint/Pixels.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

namespace {

constexpr int JpegQuality = 88;
constexpr int ScaledJpegQuality = 80;

QImage ContactSheet(const std::vector<QImage>& pictures) {
    const int columns = 4;
    const int cellWidth = 360;
    const int cellHeight = 260;
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::white);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage& picture = pictures[i];
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const QImage small = picture.scaled(cellWidth - 10, cellHeight - 24, Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation);
        painter.drawImage(column * cellWidth + 5, row * cellHeight + 20, small);
        painter.drawText(column * cellWidth + 5, row * cellHeight + 15, QString::number(i + 1));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    // Painting needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: motifgen <output folder> [sheet.png] [number]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int only = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    std::vector<QImage> pictures;
    const auto catalogue = Motifs::Catalogue();
    // Each motif for screens at 100 %, 200 % and 300 % (motifNN@2x.jpg, motifNN@3x.jpg),
    // painted again at each scale from the same seed.
    for (int scale : {1, 2, 3})
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            Paint::SetScale(scale);
            const int number = static_cast<int>(i) + 1;
            if (only != 0 && only != number)
                continue;
            Random::FixSeed(catalogue[i].seed);
            const QImage picture = catalogue[i].paint().convertToFormat(QImage::Format_RGB888);
            const QString file = Paint::ScaledPath(folder.filePath(
                QStringLiteral("motif%1.jpg").arg(number, 2, 10, QLatin1Char('0'))));
            // Two or three device pixels per pixel hide a stronger compression.
            if (!picture.save(file, "JPG", scale == 1 ? JpegQuality : ScaledJpegQuality)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%2d %-12s %dx%d\n", number, catalogue[i].name, picture.width(),
                        picture.height());
            if (scale == 1)
                pictures.push_back(picture);
        }
    if (argc > 2 && !ContactSheet(pictures).save(QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
