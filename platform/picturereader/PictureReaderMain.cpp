// The picture reader: reads one PNG, WebP, TIFF or GIF picture file, which the game has
// opened and gives it as its input, no further than the length the game saw, and writes its
// answer (see PictureReply) to its output. The game runs it for every such file, so that a
// decoder that crashes or never ends on a hostile file takes only this process with it.
//
//     tessaly-picture-reader FORMAT LENGTH size
//     tessaly-picture-reader FORMAT LENGTH picture MINIMUM-WIDTH MINIMUM-HEIGHT

#include "platform/BoundedDevice.h"
#include "platform/PictureLimits.h"
#include "platform/picturereader/PictureDecoder.h"
#include "platform/picturereader/PictureReply.h"

#include <QByteArray>
#include <QImage>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Success = 0;
constexpr int Undecodable = 1;
constexpr int Misused = 2;

bool Write(const char* data, qint64 count) {
    while (count > 0) {
        const ssize_t done = ::write(STDOUT_FILENO, data, static_cast<size_t>(count));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        count -= done;
    }
    return true;
}

bool Write(const QByteArray& bytes) {
    return Write(bytes.constData(), bytes.size());
}

bool WritePixels(const QImage& pixels) {
    const qint64 rowBytes = qint64(pixels.width()) * 3;
    if (pixels.bytesPerLine() == rowBytes)
        return Write(reinterpret_cast<const char*>(pixels.constBits()), rowBytes * pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        if (!Write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes))
            return false;
    return true;
}

bool KnownFormat(const char* format) {
    for (const char* known : {"png", "webp", "tiff", "gif"})
        if (std::strcmp(format, known) == 0)
            return true;
    return false;
}

// A whole decimal number from 0 to `maximum`.
std::optional<qint64> Number(const char* text, qint64 maximum) {
    const size_t length = std::strlen(text);
    if (length == 0 || length > 12)
        return std::nullopt;
    qint64 value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value <= maximum ? std::optional<qint64>(value) : std::nullopt;
}

// The input is the picture file itself, opened by the game.
bool InputIsRegularFile() {
    struct stat input {};
    return ::fstat(STDIN_FILENO, &input) == 0 && S_ISREG(input.st_mode);
}

int Usage() {
    std::fprintf(stderr, "usage: tessaly-picture-reader png|webp|tiff|gif LENGTH size\n"
                         "       tessaly-picture-reader png|webp|tiff|gif LENGTH picture WIDTH "
                         "HEIGHT\n"
                         "with the picture file as the input, read no further than LENGTH\n");
    return Misused;
}

} // namespace

int main(int argc, char** argv) {
    // The reader lives no longer than the game that started it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc < 4 || !KnownFormat(argv[1]))
        return Usage();
    const std::optional<qint64> length = Number(argv[2], PictureReply::MaximumFileBytes);
    const bool sizeOnly = std::strcmp(argv[3], "size") == 0;
    QSize minimumSize;
    if (sizeOnly) {
        if (argc != 4)
            return Usage();
    } else {
        const std::optional<qint64> width =
            argc == 6 ? Number(argv[4], PictureLimits::MaximumPixels) : std::nullopt;
        const std::optional<qint64> height =
            argc == 6 ? Number(argv[5], PictureLimits::MaximumPixels) : std::nullopt;
        if (std::strcmp(argv[3], "picture") != 0 || !width || !height)
            return Usage();
        minimumSize = QSize(static_cast<int>(*width), static_cast<int>(*height));
    }
    if (!length || !InputIsRegularFile())
        return Usage();

    PictureDecoder decoder(std::make_unique<BoundedDevice>(STDIN_FILENO, *length), argv[1]);
    const QSize header = decoder.HeaderSize();
    if (sizeOnly || !PictureLimits::IsAcceptable(header.width(), header.height()))
        return Write(PictureReply::Prelude(header, QSize())) ? Success : Undecodable;
    const QImage pixels = decoder.Decode(minimumSize);
    if (pixels.isNull())
        return Undecodable;
    return Write(PictureReply::Prelude(header, pixels.size())) && WritePixels(pixels) ? Success
                                                                                      : Undecodable;
}
