#pragma once
// The audio engine: streams of MP3 bytes with their handles, the output level, and the
// mixing of every playing stream into one 44.1 kHz stereo signal for its output.
//
// The callers' functions may block each other briefly; the output's functions (Render and
// the ones below it) never wait for a caller: they run on the output's thread, which a busy
// window must never starve (see Mixer.h).

#include "AudioOutput.h"
#include "MixSource.h"
#include "Mixer.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

class AudioEngine final : public MixSource {
public:
    // Stream flags (the values of the exported interface).
    static constexpr std::uint32_t Loop = 0x4;
    static constexpr std::uint32_t AutoFree = 0x40000;
    // Streams that can exist at once; more are refused.
    static constexpr std::size_t MaxStreams = Mixer::Capacity;

    AudioEngine();
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Opens the engine on an output, which connects to its device when there is first
    // something to play. False if the engine is already open.
    bool Init(std::unique_ptr<AudioOutput> output);
    // Stops the output and frees every stream; the engine can then be opened again.
    void Release();
    bool IsOpen() const;

    // A new stream, not yet playing; 0 when the engine is not open, too many streams exist
    // or the bytes are no playable MP3. Handles are never 0 and never issued twice. An
    // output that is not connected (any more) is asked to connect.
    std::uint32_t CreateStream(const unsigned char* data, std::size_t size, std::uint32_t flags);
    bool Play(std::uint32_t handle, bool restart);
    bool IsPlaying(std::uint32_t handle) const;
    // Frees the stream at once; if it sounds, the mixer fades it out (music over 150 ms).
    bool FreeStream(std::uint32_t handle);
    // Stops every stream at once; those that would free themselves at their end are freed.
    void StopAll();
    // Number of streams that exist (playing or not).
    std::size_t StreamCount() const;

    // The output level 0..100, applied to the mix.
    int Volume() const;
    bool SetVolume(int volume);
    // The factor the level gives the samples: its square, as the ear hears loudness
    // roughly by the logarithm of the amplitude (50 is a quarter, -12 dB).
    static float Gain(int volume);

    // ---- The output's side, on its own thread ----

    // Mixes `frames` stereo frames of every playing stream into out, advancing them.
    // Streams that end stop, loop or free themselves as their flags say.
    void Render(float* out, std::size_t frames) override;
    // Decodes ahead of the mix, within a small time budget; called after each Render.
    void DecodeAhead() override;
    // The output ran dry: the next samples fade in instead of jumping.
    void OutputUnderrun() override;
    // The device is gone (or could not be reached): every stream ends. A stream created
    // afterwards asks the output to connect again.
    void OutputFailed() override;
    // Frames rendered since anything last sounded: an output may pause after a while.
    std::size_t SilentFrames() const override;

private:
    // Frees the voices the mixer has retired. Called with the lock held.
    void Reclaim() const;
    // The slot of a stream the callers still hold, or null. Called with the lock held.
    VoiceSlot* Find(std::uint32_t handle) const;

    mutable std::mutex mutex;
    mutable Mixer::Table table;
    mutable std::unordered_map<std::uint32_t, std::size_t> handles; // handle -> slot
    std::unique_ptr<AudioOutput> output;
    std::uint32_t lastHandle = 0;
    std::atomic<int> volume{100};
    bool open = false;
    Mixer mixer;
};
