#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace FuzzSupport {

QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void EnsureApplication() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: destroying it at exit would free the font caches' thread storage
    // before the main thread's own caches, which the leak check then reports.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

QString ScratchFolder() {
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        const QString memory = QStringLiteral("/dev/shm");
        const QString base = QDir(memory).exists() ? memory : QDir::tempPath();
        return std::make_unique<QTemporaryDir>(base + QStringLiteral("/tessaly-fuzz-XXXXXX"));
    }();
    return folder->path();
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the scratch file");
    Check(file.write(bytes) == bytes.size(), "cannot write the scratch file");
    return path;
}

void Check(bool condition, const char* message) {
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", message);
    std::abort();
}

} // namespace FuzzSupport
