#pragma once
// One MP3 held in memory, decoded in place by libmpg123 to 44.1 kHz stereo float samples,
// gaplessly: the encoder's delay and padding are cut, so a track that loops joins its end
// to its start exactly.

#include <cstddef>
#include <memory>
#include <sys/types.h>

struct mpg123_handle_struct;

class Mp3Stream {
public:
    static constexpr long SampleRate = 44100;
    static constexpr int Channels = 2;

    // Null when the bytes are no MP3 that decodes to at least one sample: empty, cut
    // short of the length their info frame declares, or no MPEG audio at all. The bytes
    // are read in place and must outlive the stream.
    static std::unique_ptr<Mp3Stream> Open(const unsigned char* data, std::size_t size);
    ~Mp3Stream();
    Mp3Stream(const Mp3Stream&) = delete;
    Mp3Stream& operator=(const Mp3Stream&) = delete;

    // Decodes up to `frames` stereo frames into out (interleaved left, right); fewer only
    // when the stream has reached its end (or bytes it cannot decode).
    std::size_t Read(float* out, std::size_t frames);

    // Back to the first sample. False when the decoder cannot go back.
    bool Rewind();

private:
    Mp3Stream(const unsigned char* data, std::size_t size);
    static ssize_t ReadBytes(void* self, void* buffer, std::size_t count);
    static off_t SeekBytes(void* self, off_t offset, int whence);

    mpg123_handle_struct* decoder = nullptr;
    const unsigned char* data;
    std::size_t size;
    std::size_t position = 0;
};
