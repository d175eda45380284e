#include "Mixer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Channels = 2;

// Sums above this level are bent smoothly towards full scale instead of being cut off:
// two loud sounds at once then grow denser, never harsh.
constexpr float KneeLevel = 0.85f;

float Limit(float x) {
    const float magnitude = std::fabs(x);
    if (magnitude <= KneeLevel)
        return x;
    const float room = 1.0f - KneeLevel;
    const float bent = KneeLevel + room * std::tanh((magnitude - KneeLevel) / room);
    return std::copysign(bent, x);
}

} // namespace

// The square of the level, as the ear hears loudness roughly by the logarithm of the
// amplitude (50 is a quarter, -12 dB).
float Mixer::Gain(int level) {
    const float fraction = float(std::clamp(level, 0, 100)) / 100.0f;
    return fraction * fraction;
}

Mixer::Mixer(Table& table, const std::atomic<int>& volume) : table(table), volume(volume) {}

void Mixer::Render(float* out, std::size_t frames) {
    std::fill(out, out + frames * Channels, 0.0f);
    bool sounding = false;
    for (VoiceSlot& slot : table) {
        if (slot.state.load(std::memory_order_acquire) != VoiceSlot::Live)
            continue;
        if (MixVoice(slot, out, frames))
            sounding = true;
    }
    silentFrames = sounding ? 0 : silentFrames + frames;

    const float gain = Gain(volume.load(std::memory_order_relaxed));
    for (std::size_t k = 0; k < frames; ++k) {
        float frameGain = gain;
        if (returnFrame < ReturnFrames) {
            frameGain *= float(returnFrame) / float(ReturnFrames);
            ++returnFrame;
        }
        out[2 * k] = Limit(out[2 * k] * frameGain);
        out[2 * k + 1] = Limit(out[2 * k + 1] * frameGain);
    }
}

bool Mixer::MixVoice(VoiceSlot& slot, float* out, std::size_t frames) {
    Voice& voice = *slot.voice;
    const std::uint64_t control = voice.control.load();
    if (control & (Voice::Freed | Voice::Cut)) {
        if (!voice.audible || (control & Voice::Cut)) {
            Retire(slot);
            return false;
        }
        // A freed voice is never decoded again (its bytes may be gone): it fades out
        // over what it holds ready, which decoding ahead keeps longer than a fade.
        const std::size_t fade = voice.Loops() ? MusicFadeFrames : ShortFadeFrames;
        if (!voice.FadingOut())
            voice.FadeOut(std::min(fade, voice.Buffered()));
    } else if (!(control & Voice::Playing)) {
        voice.audible = false;
        return false;
    } else if ((control >> Voice::StartShift) != voice.startsSeen) {
        voice.startsSeen = control >> Voice::StartShift;
        voice.Rewind();
    }

    std::size_t done = 0;
    while (done < frames && !(voice.FadingOut() && voice.Silent())) {
        if (voice.Buffered() == 0 && !voice.FadingOut())
            voice.DecodeUntil(frames - done);
        const std::size_t got = voice.MixInto(out + done * Channels, frames - done);
        if (got == 0)
            break;
        done += got;
    }
    const bool sounded = done > 0;
    voice.audible = sounded;

    if (voice.FadingOut()) {
        if (voice.Silent() || done < frames)
            Retire(slot);
        return sounded;
    }
    if (done == frames)
        return sounded;
    // The end of the sound. Unless a caller has changed the voice meanwhile (a start or a
    // free, carried out in the next block), it stops, or is retired if it frees itself.
    std::uint64_t expected = control;
    if (voice.control.compare_exchange_strong(expected,
                                              (control & ~Voice::Playing) | Voice::Ended) &&
        voice.FreesItself())
        Retire(slot);
    return sounded;
}

void Mixer::DecodeAhead(std::chrono::nanoseconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    for (std::size_t n = 0; n < Capacity; ++n) {
        const std::size_t index = (nextToDecode + n) % Capacity;
        VoiceSlot& slot = table[index];
        if (slot.state.load(std::memory_order_acquire) != VoiceSlot::Live)
            continue;
        Voice& voice = *slot.voice;
        const std::uint64_t control = voice.control.load();
        // Voices that do not play, are let go, or are to start over (they rewind when next
        // mixed) need nothing decoded now.
        if (!(control & Voice::Playing) || (control & (Voice::Freed | Voice::Cut)) ||
            (control >> Voice::StartShift) != voice.startsSeen)
            continue;
        voice.DecodeUntil(Voice::RingFrames);
        if (std::chrono::steady_clock::now() >= deadline) {
            nextToDecode = index + 1;
            return;
        }
    }
}

void Mixer::Underrun() {
    returnFrame = 0;
}

void Mixer::RetireAll() {
    for (VoiceSlot& slot : table) {
        if (slot.state.load(std::memory_order_acquire) != VoiceSlot::Live)
            continue;
        slot.voice->control.fetch_and(~Voice::Playing);
        Retire(slot);
    }
}

void Mixer::Reset() {
    returnFrame = ReturnFrames;
    silentFrames = 0;
    nextToDecode = 0;
}

void Mixer::Retire(VoiceSlot& slot) {
    slot.state.store(VoiceSlot::Retired, std::memory_order_release);
}
