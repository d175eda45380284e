#pragma once
// The mixing thread's half of the engine: sums the playing voices into the output's buffer,
// carries out what the callers asked for through each voice's control word, fades and
// retires voices, and decodes ahead within a time budget of its own.
//
// The callers and the mixer share a fixed table of slots and nothing else: a caller fills a
// slot and marks it live; the mixer marks it retired once it is done with the voice; the
// caller then frees it. The mixer never takes a lock, never allocates and never frees.

#include "Voice.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

struct VoiceSlot {
    enum State : int { Empty, Live, Retired };
    std::atomic<int> state{Empty};
    std::unique_ptr<Voice> voice; // set by a caller before the slot goes live
    std::uint32_t handle = 0;     // the callers' own
};

class Mixer {
public:
    static constexpr std::size_t Capacity = 128;
    using Table = std::array<VoiceSlot, Capacity>;

    static constexpr int Rate = 44100;
    // Music that is let go while it sounds fades out over 150 ms; any other sound is
    // faded over 5 ms, just enough not to click.
    static constexpr std::size_t MusicFadeFrames = Rate * 150 / 1000;
    static constexpr std::size_t ShortFadeFrames = Rate * 5 / 1000;
    // After the output ran dry, the sound comes back over 5 ms instead of with a jump.
    static constexpr std::size_t ReturnFrames = Rate * 5 / 1000;

    Mixer(Table& table, const std::atomic<int>& volume);

    // The factor the output level 0..100 gives the samples.
    static float Gain(int level);

    // Mixes `frames` stereo frames of every playing voice into out (interleaved).
    void Render(float* out, std::size_t frames);
    // Tops up the playing voices' decoded samples, stopping when `budget` is spent.
    void DecodeAhead(std::chrono::nanoseconds budget);
    // The output ran dry: what comes next fades in.
    void Underrun();
    // The output is gone: every voice ends and is retired.
    void RetireAll();
    // Frames rendered since a voice last made sound.
    std::size_t SilentFrames() const { return silentFrames; }
    // Back to the state of a new mixer, for an engine opened again.
    void Reset();

private:
    // Carries out the callers' wishes and mixes one voice; true when it made sound. The
    // voice may be retired afterwards and must not be touched again.
    bool MixVoice(VoiceSlot& slot, float* out, std::size_t frames);
    static void Retire(VoiceSlot& slot);

    Table& table;
    const std::atomic<int>& volume;
    std::size_t returnFrame = ReturnFrames;
    std::size_t silentFrames = 0;
    std::size_t nextToDecode = 0;
};
