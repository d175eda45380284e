// Compares two folders of gallery renders pixel for pixel: every PNG below the first
// folder must exist below the second with the same size and the same colour in every
// pixel, except in the rectangles given with --ignore (parts that show the machine's own
// folders or the time of the run). Prints one line per picture, with the bounding box of
// the differing pixels, and exits with 1 when any differs or is missing.
//   render_compare <before folder> <after folder> [--ignore NAME=X,Y,W,H ...]

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QMultiHash>
#include <QRect>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_compare <before folder> <after folder> "
                             "[--ignore NAME=X,Y,W,H ...]\n");
        return 2;
    }
    QMultiHash<QString, QRect> ignored;
    for (int i = 3; i + 1 < argc; i += 2) {
        const QStringList parts = QString::fromLocal8Bit(argv[i + 1]).split(QLatin1Char('='));
        const QStringList numbers = parts.value(1).split(QLatin1Char(','));
        if (QByteArray(argv[i]) != "--ignore" || numbers.size() != 4) {
            std::fprintf(stderr, "render_compare: cannot read %s %s\n", argv[i], argv[i + 1]);
            return 2;
        }
        ignored.insert(parts[0], QRect(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(),
                                       numbers[3].toInt()));
    }
    const QDir before(QString::fromLocal8Bit(argv[1]));
    const QDir after(QString::fromLocal8Bit(argv[2]));
    int compared = 0;
    int differing = 0;
    QDirIterator files(before.path(), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QStringList names;
    while (files.hasNext())
        names << before.relativeFilePath(files.next());
    names.sort();
    for (const QString& name : names) {
        const QImage a = QImage(before.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(after.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        ++compared;
        if (b.isNull() || a.size() != b.size()) {
            ++differing;
            std::printf("DIFFERS %s: %s\n", qPrintable(name),
                        b.isNull() ? "missing" : "other size");
            continue;
        }
        const QList<QRect> skip = ignored.values(name);
        long pixels = 0;
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if (la[x] == lb[x] || std::any_of(skip.begin(), skip.end(),
                                                  [&](const QRect& r) { return r.contains(x, y); }))
                    continue;
                ++pixels;
                box |= QRect(x, y, 1, 1);
            }
        }
        if (pixels > 0) {
            ++differing;
            std::printf("DIFFERS %s: %ld pixels in %d,%d,%d,%d\n", qPrintable(name), pixels,
                        box.x(), box.y(), box.width(), box.height());
        } else {
            std::printf("same    %s\n", qPrintable(name));
        }
    }
    std::printf("%d pictures compared, %d differ\n", compared, differing);
    return differing == 0 && compared > 0 ? 0 : 1;
}
