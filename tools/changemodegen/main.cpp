// changemodegen: paints the artwork of the game start dialog into a folder as PNG files.
// Usage: changemodegen <folder>   (normally <repo>/resources/art)

#include "BackgroundPainter.h"
#include "IllustrationPainter.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

bool Save(const QString& folder, const QString& name, const QImage& image) {
    const QString path = folder + "/" + name + ".png";
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts and painting need a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: changemodegen <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const IllustrationPainter illustrations;
    const bool ok = Save(folder, "CHANGEMODE_BACK", BackgroundPainter().Paint()) &&
                    Save(folder, "CHANGEMODE_STANDARD", illustrations.Standard()) &&
                    Save(folder, "CHANGEMODE_KASKADE", illustrations.Kaskade()) &&
                    Save(folder, "CHANGEMODE_MEMORY", illustrations.Memory());
    return ok ? 0 : 1;
}
