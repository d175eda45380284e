// The picture reader: reads one PNG, WebP, TIFF or GIF picture given on its input and
// writes its answer (see PictureReply) to its output. The game runs it for every such file,
// so that a decoder that crashes or never ends on a hostile file takes only this process
// with it.
//
//     tessaly-picture-reader FORMAT size
//     tessaly-picture-reader FORMAT picture MINIMUM-WIDTH MINIMUM-HEIGHT

#include "platform/PictureLimits.h"
#include "platform/picturereader/PictureDecoder.h"
#include "platform/picturereader/PictureReply.h"

#include <QByteArray>
#include <QImage>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int Success = 0;
constexpr int Undecodable = 1;
constexpr int Misused = 2;

// The whole input, or nothing when it is larger than any file the game sends.
std::optional<QByteArray> ReadInput() {
    QByteArray input;
    constexpr qsizetype Piece = 1024 * 1024;
    for (;;) {
        const qsizetype at = input.size();
        if (at > PictureReply::MaximumFileBytes)
            return std::nullopt;
        input.resize(at + Piece);
        const ssize_t got = ::read(STDIN_FILENO, input.data() + at, Piece);
        if (got < 0 && errno == EINTR) {
            input.resize(at);
            continue;
        }
        if (got < 0)
            return std::nullopt;
        input.resize(at + got);
        if (got == 0)
            return input;
    }
}

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

// A whole decimal number from 0 to the largest number of pixels of a picture.
std::optional<int> Number(const char* text) {
    const size_t length = std::strlen(text);
    if (length == 0 || length > 9)
        return std::nullopt;
    qint64 value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value <= PictureLimits::MaximumPixels ? std::optional<int>(static_cast<int>(value))
                                                 : std::nullopt;
}

int Usage() {
    std::fprintf(stderr, "usage: tessaly-picture-reader png|webp|tiff|gif size\n"
                         "       tessaly-picture-reader png|webp|tiff|gif picture WIDTH HEIGHT\n");
    return Misused;
}

} // namespace

int main(int argc, char** argv) {
    // The reader lives no longer than the game that started it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc < 3 || !KnownFormat(argv[1]))
        return Usage();
    const bool sizeOnly = std::strcmp(argv[2], "size") == 0;
    QSize minimumSize;
    if (sizeOnly) {
        if (argc != 3)
            return Usage();
    } else {
        const std::optional<int> width = argc == 5 ? Number(argv[3]) : std::nullopt;
        const std::optional<int> height = argc == 5 ? Number(argv[4]) : std::nullopt;
        if (std::strcmp(argv[2], "picture") != 0 || !width || !height)
            return Usage();
        minimumSize = QSize(*width, *height);
    }

    const std::optional<QByteArray> input = ReadInput();
    if (!input)
        return Undecodable;
    PictureDecoder decoder(*input, argv[1]);
    const QSize header = decoder.HeaderSize();
    if (sizeOnly || !PictureLimits::IsAcceptable(header.width(), header.height()))
        return Write(PictureReply::Prelude(header, QSize())) ? Success : Undecodable;
    const QImage pixels = decoder.Decode(minimumSize);
    if (pixels.isNull())
        return Undecodable;
    return Write(PictureReply::Prelude(header, pixels.size())) && WritePixels(pixels) ? Success
                                                                                      : Undecodable;
}
