// The motif library's entry points are defined in libtsmotive.so; this unit keeps the
// binding's header compiled with the program's flags and chooses a motif's set.

#include "picturedialog/MotifLibrary.h"

#include "platform/ArtResources.h"
#include "platform/ArtScale.h"

#include <cmath>

namespace MotifLibrary {

int IdAtScale(int number, qreal ratio) {
    const int set = ArtScale::SetFor(ratio);
    return set == 1 ? number : set * 100 + number;
}

QImage Thumbnail(int number) {
    return Thumbnail(number, ArtResources::Ratio());
}

QImage Thumbnail(int number, qreal ratio) {
    QImage thumbnail;
    if (ArtScale::SetFor(ratio) == 1) {
        LoadMotiv(&thumbnail, 100 + number);
        return thumbnail;
    }
    // On a scaled screen the motif itself, at full size, is brought down to the strip.
    LoadMotiv(&thumbnail, number);
    if (thumbnail.isNull() || thumbnail.height() <= 0)
        return thumbnail;
    const int width = int(std::lround(100.0 * thumbnail.width() / thumbnail.height()));
    return ArtScale::ToScreen(thumbnail, QSize(width, 100), ratio);
}

} // namespace MotifLibrary
