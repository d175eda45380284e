#include "Voice.h"

#include "Mp3Stream.h"

#include <algorithm>

namespace {

constexpr int Channels = Mp3Stream::Channels;

} // namespace

Voice::Voice(std::unique_ptr<Mp3Stream> decoder, bool loops, bool freesItself)
    : decoder(std::move(decoder)), ring(RingFrames * Channels, 0.0f), loops(loops),
      freesItself(freesItself) {}

Voice::~Voice() = default;

std::unique_ptr<Voice> Voice::Open(const unsigned char* data, std::size_t size, bool loops,
                                   bool freesItself) {
    std::unique_ptr<Mp3Stream> decoder = Mp3Stream::Open(data, size);
    if (!decoder)
        return nullptr;
    std::unique_ptr<Voice> voice(new Voice(std::move(decoder), loops, freesItself));
    voice->DecodeUntil(PrefillFrames);
    return voice;
}

void Voice::DecodeUntil(std::size_t frames) {
    frames = std::min(frames, RingFrames);
    while (buffered < frames && !decoderDone) {
        const std::size_t writeFrame = (readFrame + buffered) % RingFrames;
        const std::size_t wanted = std::min(frames - buffered, RingFrames - writeFrame);
        const std::size_t got = decoder->Read(ring.data() + writeFrame * Channels, wanted);
        buffered += got;
        if (got > 0)
            restartedEmpty = false;
        if (got == wanted)
            continue;
        // The end of the data: a looping voice starts over, unless it gave nothing right
        // after starting over (or cannot go back), which would only spin here.
        if (loops && !restartedEmpty && decoder->Rewind()) {
            restartedEmpty = true;
            continue;
        }
        decoderDone = true;
    }
}

std::size_t Voice::MixInto(float* out, std::size_t frames) {
    const std::size_t count = std::min(frames, buffered);
    std::size_t done = 0;
    while (done < count) {
        const std::size_t run = std::min(count - done, RingFrames - readFrame);
        const float* from = ring.data() + readFrame * Channels;
        float* to = out + done * Channels;
        if (fadeFrames == 0) {
            for (std::size_t k = 0; k < run * Channels; ++k)
                to[k] += from[k];
        } else {
            for (std::size_t k = 0; k < run; ++k) {
                // A squared ramp: the fade leaves gently and ends in exact silence.
                const float level = float(fadeLeft) / float(fadeFrames);
                const float gain = level * level;
                to[2 * k] += from[2 * k] * gain;
                to[2 * k + 1] += from[2 * k + 1] * gain;
                if (fadeLeft > 0)
                    --fadeLeft;
            }
        }
        readFrame = (readFrame + run) % RingFrames;
        buffered -= run;
        done += run;
    }
    return count;
}

void Voice::Rewind() {
    readFrame = 0;
    buffered = 0;
    restartedEmpty = false;
    decoderDone = !decoder->Rewind();
    fadeFrames = 0;
    fadeLeft = 0;
}

void Voice::FadeOut(std::size_t frames) {
    fadeFrames = std::max<std::size_t>(frames, 1);
    fadeLeft = frames;
}
