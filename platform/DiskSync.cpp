#include "platform/DiskSync.h"

#include <cerrno>
#include <unistd.h>

namespace DiskSync {

bool Flush(QFileDevice& file) {
    const int descriptor = file.handle();
    if (descriptor < 0)
        return false;
    if (::fsync(descriptor) == 0)
        return true;
    // A file system that has nothing to sync answers EINVAL; the bytes are then as safe as
    // it keeps them.
    return errno == EINVAL;
}

} // namespace DiskSync
