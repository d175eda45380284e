// Helper of the end-to-end tests, which see the program only from outside:
//   e2e_probe picture <file> <width> <height>   writes a JPEG of one colour (200, 40, 160)
//   e2e_probe size <file>                       prints a picture's size as WIDTHxHEIGHT
//   e2e_probe run <window id> <y>               prints "<left> <length>" of the longest run
//                                               of that colour in row y of the window

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

const QColor PictureColour(200, 40, 160);

bool IsPictureColour(QRgb pixel) {
    return std::abs(qRed(pixel) - PictureColour.red()) < 24 &&
           std::abs(qGreen(pixel) - PictureColour.green()) < 24 &&
           std::abs(qBlue(pixel) - PictureColour.blue()) < 24;
}

int Picture(const QString& file, int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(PictureColour);
    return image.save(file, "JPG", 95) ? 0 : 1;
}

int Size(const QString& file) {
    const QSize size = QImageReader(file).size();
    if (!size.isValid())
        return 1;
    std::printf("%dx%d\n", size.width(), size.height());
    return 0;
}

int Run(WId window, int y) {
    const QImage grabbed = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    if (grabbed.isNull() || y < 0 || y >= grabbed.height())
        return 1;
    int bestLeft = -1;
    int bestLength = 0;
    for (int x = 0; x < grabbed.width();) {
        if (!IsPictureColour(grabbed.pixel(x, y))) {
            ++x;
            continue;
        }
        const int left = x;
        while (x < grabbed.width() && IsPictureColour(grabbed.pixel(x, y)))
            ++x;
        if (x - left > bestLength) {
            bestLength = x - left;
            bestLeft = left;
        }
    }
    std::printf("%d %d\n", bestLeft, bestLength);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == "picture" && argc == 5) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return Picture(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (command == "size" && argc == 3) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return Size(QString::fromLocal8Bit(argv[2]));
    }
    if (command == "run" && argc == 4) {
        QGuiApplication app(argc, argv);
        return Run(static_cast<WId>(std::strtoull(argv[2], nullptr, 10)), std::atoi(argv[3]));
    }
    std::fprintf(stderr,
                 "usage: e2e_probe picture <file> <w> <h> | size <file> | run <window> <y>\n");
    return 2;
}
