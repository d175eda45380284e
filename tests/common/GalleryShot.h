#pragma once
// Saving a window of a developer gallery as a PNG file, with a line saying where it went.

#include <QDir>
#include <QString>
#include <QWidget>
#include <cstdio>

namespace GalleryShot {

// Grabs the window into <folder>/<name>.png; false when the file could not be written.
inline bool Save(QWidget* window, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = window->grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
}

} // namespace GalleryShot
