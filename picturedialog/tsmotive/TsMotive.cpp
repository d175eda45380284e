// The two entry points of the motif library: the number of motifs and the loading of one
// motif or its thumbnail into the caller's picture.

#define TSMOTIVE_EXPORT __attribute__((visibility("default")))

#include "picturedialog/MotifLibrary.h"

#include <QFile>
#include <QString>

#include <cmath>

namespace {

// The motifs are numbered 1..MotifCount and stored as motifNN.jpg in the resources.
constexpr int MotifCount = 24;
constexpr int ThumbnailBase = 100;
constexpr int ThumbnailHeight = 100;

QImage DecodeMotif(int number) {
    QFile file(QStringLiteral(":/tsmotive/motif%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QImage decoded = QImage::fromData(file.readAll(), "JPG");
    if (decoded.isNull())
        return {};
    return decoded.convertToFormat(QImage::Format_RGB888);
}

QImage Thumbnail(const QImage& motif) {
    const int width = static_cast<int>(
        std::lround(static_cast<double>(motif.width()) * ThumbnailHeight / motif.height()));
    return motif.scaled(width, ThumbnailHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

extern "C" TSMOTIVE_EXPORT int tsMotiveCount() {
    return MotifCount;
}

// Any id outside the two ranges leaves a null picture rather than a stale one.
extern "C" TSMOTIVE_EXPORT void LoadMotiv(QImage* picture, int id) {
    if (picture == nullptr)
        return;
    *picture = QImage();
    if (id >= 1 && id <= MotifCount) {
        *picture = DecodeMotif(id);
    } else if (id > ThumbnailBase && id <= ThumbnailBase + MotifCount) {
        const QImage motif = DecodeMotif(id - ThumbnailBase);
        if (!motif.isNull())
            *picture = Thumbnail(motif).convertToFormat(QImage::Format_RGB888);
    }
}
