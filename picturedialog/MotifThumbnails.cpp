#include "picturedialog/MotifThumbnails.h"

#include "picturedialog/MotifLibrary.h"

MotifThumbnails::MotifThumbnails(int count) : thumbnails(static_cast<std::size_t>(count)) {
    // Each picture is decoded into its own place, which nothing else touches until Take.
    decoder = std::thread([this] {
        for (std::size_t k = 0; k < thumbnails.size(); ++k)
            LoadMotiv(&thumbnails[k], 100 + static_cast<int>(k) + 1);
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
