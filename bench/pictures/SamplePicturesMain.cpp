// Writes the benchmark folder of twelve pictures (see SamplePictures::WriteBenchFolder),
// at photo sizes or scaled down, e.g. for seeds of the fuzz targets:
//     sample_pictures FOLDER [SCALE]

#include "SamplePictures.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // Qt's image plugins are found through the application
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: sample_pictures FOLDER [SCALE]\n");
        return 2;
    }
    const double scale = arguments.size() > 2 ? arguments[2].toDouble() : 1.0;
    for (const QString& path : SamplePictures::WriteBenchFolder(arguments[1], scale))
        std::printf("%s\n", qPrintable(path));
    return 0;
}
