#pragma once
// One stream in the mix: its MP3 decoder, the decoded samples waiting to be mixed, and the
// control word through which the callers ask the mixer to play, restart or free it.
//
// A voice is made and filled by a caller; once it is handed to the mixer (see Mixer.h) only
// the mixing thread touches everything but the control word, and it never allocates,
// frees or waits there.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class Mp3Stream;

class Voice {
public:
    // Decoded frames a voice holds ready: about 280 ms, enough for the output's largest
    // request and then a whole fade-out without decoding.
    static constexpr std::size_t RingFrames = 12288;
    // What a new voice decodes before it is handed to the mixer.
    static constexpr std::size_t PrefillFrames = 2048;

    // The control word: what the callers want and what the mixer reports.
    static constexpr std::uint64_t Playing =
        1; // sounds (callers set it, the mixer clears it at the end)
    static constexpr std::uint64_t Ended = 2; // reached its end; the next start rewinds
    static constexpr std::uint64_t Freed = 4; // let go by the callers: the mixer fades it out
    static constexpr std::uint64_t Cut = 8;   // let go without a fade
    // Above these bits: how often a start from the first sample was asked for.
    static constexpr int StartShift = 8;
    static constexpr std::uint64_t OneStart = std::uint64_t(1) << StartShift;

    // Null when the bytes are no playable MP3. The bytes are read in place and must outlive
    // the voice.
    // A looping voice starts over at its end; one that frees itself is retired there.
    static std::unique_ptr<Voice> Open(const unsigned char* data, std::size_t size, bool loops,
                                       bool freesItself);
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    bool Loops() const { return loops; }
    bool FreesItself() const { return freesItself; }

    std::atomic<std::uint64_t> control{0};

    // ---- The mixing thread's side ----

    std::size_t Buffered() const { return buffered; }
    // True when the decoder has given its last sample (a looping voice never has).
    bool DecoderDone() const { return decoderDone; }
    // Decodes until `frames` frames (at most RingFrames) are ready or the sound ends; a
    // looping voice goes on from its first sample.
    void DecodeUntil(std::size_t frames);
    // Adds up to `frames` ready frames, scaled by the voice's fade, to out (interleaved
    // stereo) and returns how many there were.
    std::size_t MixInto(float* out, std::size_t frames);
    // Back to the first sample, nothing ready, no fade.
    void Rewind();
    // Fades to silence over `frames` frames.
    void FadeOut(std::size_t frames);
    bool FadingOut() const { return fadeFrames > 0; }
    bool Silent() const { return FadingOut() && fadeLeft == 0; }

    // The mixer's bookkeeping: the starts it has carried out, and whether the voice made
    // sound in the last block.
    std::uint64_t startsSeen = 0;
    bool audible = false;

private:
    Voice(std::unique_ptr<Mp3Stream> decoder, bool loops, bool freesItself);

    std::unique_ptr<Mp3Stream> decoder;
    std::vector<float> ring; // RingFrames interleaved stereo frames
    std::size_t readFrame = 0;
    std::size_t buffered = 0;
    bool decoderDone = false;
    bool restartedEmpty = false; // rewound at the end and nothing decoded since
    std::size_t fadeFrames = 0;  // 0 while no fade runs
    std::size_t fadeLeft = 0;
    bool loops;
    bool freesItself;
};
