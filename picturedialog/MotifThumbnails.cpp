#include "picturedialog/MotifThumbnails.h"

#include "picturedialog/MotifLibrary.h"
#include "platform/ArtResources.h"

MotifThumbnails::MotifThumbnails(int count) : thumbnails(static_cast<std::size_t>(count)) {
    // Each picture is decoded into its own place, which nothing else touches until Take.
    // The screen's ratio is asked here, on the window's thread.
    decoder = std::thread([this, ratio = ArtResources::Ratio()] {
        for (std::size_t k = 0; k < thumbnails.size(); ++k)
            thumbnails[k] = MotifLibrary::Thumbnail(static_cast<int>(k) + 1, ratio);
    });
}

MotifThumbnails::~MotifThumbnails() {
    if (decoder.joinable())
        decoder.join();
}

std::vector<QImage> MotifThumbnails::Take() {
    if (decoder.joinable())
        decoder.join();
    return std::move(thumbnails);
}
