#include "tools/paint/Generator.h"

#include "tools/paint/Pixels.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace Paint {

int RunGenerator(int argc, char** argv, const char* usage,
                 const std::function<void(const QString& folder)>& paint) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot create " + folder.toStdString());
        // Every picture for screens at 100 %, 200 % and 300 %, from the same drawing.
        for (int scale : {1, 2, 3}) {
            SetScale(scale);
            paint(folder);
        }
        SetScale(1);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}

} // namespace Paint
