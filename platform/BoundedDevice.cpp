#include "platform/BoundedDevice.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

BoundedDevice::BoundedDevice(int descriptor, qint64 length)
    : descriptor(descriptor), length(length) {
    QIODevice::open(QIODevice::ReadOnly);
}

BoundedDevice::~BoundedDevice() {
    ::close(descriptor);
}

qint64 BoundedDevice::ReadFully(int descriptor, char* into, qint64 count, qint64 offset) {
    qint64 done = 0;
    while (done < count) {
        const ssize_t got =
            ::pread(descriptor, into + done, static_cast<size_t>(count - done), offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? -1 : done;
        done += got;
    }
    return done;
}

qint64 BoundedDevice::readData(char* data, qint64 maxSize) {
    const qint64 at = pos();
    const qint64 count = std::min(maxSize, length - at);
    if (count <= 0)
        return at >= length ? -1 : 0;
    return ReadFully(descriptor, data, count, at);
}
