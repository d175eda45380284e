#include "Mp3Stream.h"

#include "Mp3InfoTag.h"

#include <algorithm>
#include <cstring>
#include <mpg123.h>
#include <mutex>

namespace {

constexpr std::size_t FrameBytes = sizeof(float) * Mp3Stream::Channels;

// A decoder that keeps answering "nothing yet" is given up after this many tries, so that
// damaged data can never hold the mixing thread in a loop.
constexpr int EmptyReadLimit = 64;

void InitLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

} // namespace

Mp3Stream::Mp3Stream(const unsigned char* data, std::size_t size) : data(data), size(size) {}

Mp3Stream::~Mp3Stream() {
    if (decoder) {
        mpg123_close(decoder);
        mpg123_delete(decoder);
    }
}

std::unique_ptr<Mp3Stream> Mp3Stream::Open(const unsigned char* data, std::size_t size) {
    if (!data || size == 0 || Mp3InfoTag::CutShort(data, size))
        return nullptr;
    InitLibrary();
    std::unique_ptr<Mp3Stream> stream(new Mp3Stream(data, size));
    int error = MPG123_OK;
    stream->decoder = mpg123_new(nullptr, &error);
    mpg123_handle* decoder = stream->decoder;
    if (!decoder)
        return nullptr;
    // Every rate and channel count is brought to the one output format the mixer sums.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    mpg123_format_none(decoder);
    if (mpg123_format(decoder, SampleRate, MPG123_STEREO, MPG123_ENC_FLOAT_32) != MPG123_OK ||
        mpg123_replace_reader_handle(decoder, &Mp3Stream::ReadBytes, &Mp3Stream::SeekBytes,
                                     nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder, stream.get()) != MPG123_OK)
        return nullptr;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder, &rate, &channels, &encoding) != MPG123_OK || rate != SampleRate ||
        channels != Channels || encoding != MPG123_ENC_FLOAT_32)
        return nullptr;
    // Only what decodes to sound is a stream; the probe is then undone.
    float probe[1152 * Channels];
    if (stream->Read(probe, 1152) == 0 || !stream->Rewind())
        return nullptr;
    return stream;
}

std::size_t Mp3Stream::Read(float* out, std::size_t frames) {
    std::size_t got = 0;
    int emptyReads = 0;
    while (got < frames) {
        std::size_t done = 0;
        const int result =
            mpg123_read(decoder, reinterpret_cast<unsigned char*>(out + got * Channels),
                        (frames - got) * FrameBytes, &done);
        got += done / FrameBytes;
        if (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
            // The format was fixed before opening, so a new one is the same again.
            if (done == 0 && ++emptyReads > EmptyReadLimit)
                break;
            continue;
        }
        break; // MPG123_DONE, or damage the decoder cannot get past
    }
    return got;
}

bool Mp3Stream::Rewind() {
    return mpg123_seek(decoder, 0, SEEK_SET) == 0;
}

ssize_t Mp3Stream::ReadBytes(void* self, void* buffer, std::size_t count) {
    auto* stream = static_cast<Mp3Stream*>(self);
    const std::size_t n = std::min(count, stream->size - stream->position);
    std::memcpy(buffer, stream->data + stream->position, n);
    stream->position += n;
    return static_cast<ssize_t>(n);
}

off_t Mp3Stream::SeekBytes(void* self, off_t offset, int whence) {
    auto* stream = static_cast<Mp3Stream*>(self);
    off_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<off_t>(stream->position);
    else if (whence == SEEK_END)
        base = static_cast<off_t>(stream->size);
    else if (whence != SEEK_SET)
        return -1;
    const off_t target = base + offset;
    if (target < 0 || target > static_cast<off_t>(stream->size))
        return -1;
    stream->position = static_cast<std::size_t>(target);
    return target;
}
