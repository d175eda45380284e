#pragma once
// What an output sees of the engine: the mix it pulls and the news it brings back. The
// sink module reaches the engine only through this interface, so it shares no symbols
// with the engine's library.

#include <cstddef>

class MixSource {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;

    // Mixes `frames` stereo frames of every playing stream into out, advancing them.
    virtual void Render(float* out, std::size_t frames) = 0;
    // Decodes ahead of the mix, within a small time budget; called after each Render.
    virtual void DecodeAhead() = 0;
    // The output ran dry: the next samples fade in instead of jumping.
    virtual void OutputUnderrun() = 0;
    // The device is gone (or could not be reached): every stream ends. Never blocks.
    virtual void OutputFailed() = 0;
    // Frames rendered since anything last sounded: an output may pause after a while.
    virtual std::size_t SilentFrames() const = 0;

protected:
    ~MixSource() = default;
};
