// The two entry points of the motif library: the number of motifs and the loading of one
// motif or its thumbnail into the caller's picture.

#define TSMOTIVE_EXPORT __attribute__((visibility("default")))

#include "picturedialog/MotifLibrary.h"
#include "picturedialog/tsmotive/MotifDecode.h"
#include "platform/PackedPictures.h"

#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QString>

#include <algorithm>
#include <cmath>

// The motifs painted for screens at 200 % and 300 %, embedded by the build apart from the
// others and registered when the first of them is asked for.
extern "C" const unsigned char tsmotive_scaled[];
// The motif the main window shows at start, packed by the build ready to draw.
extern "C" const unsigned char tsmotive_pictures[];

namespace {

// The motifs are numbered 1..MotifCount and stored as motifNN.jpg in the resources.
constexpr int MotifCount = 24;
constexpr int ThumbnailBase = 100;
constexpr int ThumbnailHeight = 100;

QString MotifResource(int number, int scale = 1) {
    return QStringLiteral(":/tsmotive/motif%1%2.jpg")
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString());
}

QImage DecodeMotif(int number, int scale = 1) {
    if (scale > 1) {
        static const bool registered = QResource::registerResource(tsmotive_scaled);
        if (!registered)
            return DecodeMotif(number);
    }
    if (scale == 1) {
        const QImage packed = PackedPictures::Find(tsmotive_pictures, MotifResource(number));
        if (!packed.isNull())
            return packed;
    }
    QFile file(MotifResource(number, scale));
    if (!file.open(QIODevice::ReadOnly))
        return scale > 1 ? DecodeMotif(number) : QImage();
    return MotifDecode::Decode(file.readAll());
}

// 2 when the decoder can hand over the motif at exactly half its size and that still
// covers `wanted`, else 1. Half size saves the decoder much of its work, and smoothing down
// from there looks the same as from the full picture (a quarter would show the difference
// on the finely detailed motifs).
int Reduction(QSize full, QSize wanted) {
    const QSize half((full.width() + 1) / 2, (full.height() + 1) / 2);
    const bool exact = full.width() / half.width() == 2 && full.height() / half.height() == 2;
    return exact && half.width() >= wanted.width() && half.height() >= wanted.height() ? 2 : 1;
}

// The thumbnail is decoded at a reduced scale and smoothed down to its size, so that the
// picture chooser's strip fills quickly.
QImage DecodeThumbnail(int number) {
    QImageReader reader(MotifResource(number), "JPG");
    reader.setAutoDetectImageFormat(false);
    const QSize full = reader.size();
    if (!full.isValid() || full.height() <= 0)
        return {};
    const int width = static_cast<int>(
        std::lround(static_cast<double>(full.width()) * ThumbnailHeight / full.height()));
    const QSize thumbnail(std::max(width, 1), ThumbnailHeight);
    const int d = Reduction(full, thumbnail);
    if (d > 1)
        reader.setScaledSize(QSize((full.width() + d - 1) / d, (full.height() + d - 1) / d));
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return {};
    return decoded.scaled(thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
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
    } else if (id > 200 && id <= 200 + MotifCount) {
        *picture = DecodeMotif(id - 200, 2);
    } else if (id > 300 && id <= 300 + MotifCount) {
        *picture = DecodeMotif(id - 300, 3);
    } else if (id > ThumbnailBase && id <= ThumbnailBase + MotifCount) {
        *picture = DecodeThumbnail(id - ThumbnailBase);
    }
}
