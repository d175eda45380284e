#pragma once
// The audio engine: streams of MP3 bytes with their handles, the output level, and the
// mixing of every playing stream into one 44.1 kHz stereo signal for its output.

#include "AudioOutput.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

class Mp3Stream;

class AudioEngine {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;
    // Stream flags (the values of the exported interface).
    static constexpr std::uint32_t Loop = 0x4;
    static constexpr std::uint32_t AutoFree = 0x40000;

    AudioEngine();
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Opens the engine on an output, which starts pulling. False if it is already open.
    bool Init(std::unique_ptr<AudioOutput> output);
    // Stops the output and frees every stream; the engine can then be opened again.
    void Release();
    bool IsOpen() const;

    // A new stream, not yet playing; 0 when the engine is not open, its output failed or
    // the bytes are no playable MP3. Handles are never 0 and never issued twice.
    std::uint32_t CreateStream(const unsigned char* data, std::size_t size, std::uint32_t flags);
    bool Play(std::uint32_t handle, bool restart);
    bool IsPlaying(std::uint32_t handle) const;
    bool FreeStream(std::uint32_t handle);
    // Stops every stream; those that would free themselves at their end are freed.
    void StopAll();
    // Number of streams that exist (playing or not).
    std::size_t StreamCount() const;

    // The output level 0..100, applied to the mix.
    int Volume() const;
    bool SetVolume(int volume);
    // The factor the level gives the samples: its square, as the ear hears loudness
    // roughly by the logarithm of the amplitude (50 is a quarter, -12 dB).
    static float Gain(int volume);

    // The output's call: mixes `frames` stereo frames of every playing stream into out,
    // advancing them. Streams that end stop, loop or free themselves as their flags say.
    void Render(float* out, std::size_t frames);

    // The output's call when its device is gone (or could not be opened): every stream
    // ends and no new one can be created until the engine is released and opened again.
    void OutputFailed();

private:
    struct Stream;
    void RenderBlock(float* out, std::size_t frames);

    mutable std::mutex mutex;
    std::unordered_map<std::uint32_t, std::unique_ptr<Stream>> streams;
    std::unique_ptr<AudioOutput> output;
    std::uint32_t lastHandle = 0;
    std::atomic<int> volume{100};
    bool open = false;
    bool failed = false;
    std::vector<float> scratch;
};
