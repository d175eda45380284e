#pragma once
// The motif library's thumbnails, decoded on a thread of their own while the chooser builds
// its window at its first showing, so that the two take the time of the longer of them
// rather than of both.

#include <QImage>
#include <thread>
#include <vector>

class MotifThumbnails {
public:
    // Starts decoding the thumbnails of motifs 1..count.
    explicit MotifThumbnails(int count);
    // Waits for the thread if Take was not called.
    ~MotifThumbnails();
    MotifThumbnails(const MotifThumbnails&) = delete;
    MotifThumbnails& operator=(const MotifThumbnails&) = delete;

    // The thumbnails of motifs 1..count in this order, once the thread has decoded them all.
    std::vector<QImage> Take();

private:
    std::vector<QImage> thumbnails;
    std::thread decoder;
};
