#include "AudioEngine.h"

#include <algorithm>

namespace {

// What the mixer may spend on decoding ahead after each period of the output.
constexpr std::chrono::microseconds DecodeBudget{2000};

} // namespace

AudioEngine::AudioEngine() : mixer(table, volume) {}

AudioEngine::~AudioEngine() {
    Release();
}

bool AudioEngine::Init(std::unique_ptr<AudioOutput> newOutput) {
    AudioOutput* starting = nullptr;
    {
        std::lock_guard lock(mutex);
        if (open || !newOutput)
            return false;
        open = true;
        mixer.Reset();
        output = std::move(newOutput);
        starting = output.get();
    }
    // Outside the lock: an output may report its failure at once.
    starting->Start(*this);
    return true;
}

void AudioEngine::Release() {
    std::unique_ptr<AudioOutput> stopping;
    {
        std::lock_guard lock(mutex);
        stopping = std::move(output);
        open = false;
    }
    // The output's thread may report a failure meanwhile: stop it unlocked. Once Stop
    // returns, the output calls nothing of the engine any more.
    if (stopping)
        stopping->Stop();
    std::lock_guard lock(mutex);
    for (VoiceSlot& slot : table) {
        slot.voice.reset();
        slot.state.store(VoiceSlot::Empty);
    }
    handles.clear();
}

bool AudioEngine::IsOpen() const {
    std::lock_guard lock(mutex);
    return open;
}

std::uint32_t AudioEngine::CreateStream(const unsigned char* data, std::size_t size,
                                        std::uint32_t flags) {
    {
        std::lock_guard lock(mutex);
        if (!open)
            return 0;
    }
    // Opening parses, probes and decodes the first samples: done unlocked, on the caller's
    // thread, while the mix goes on.
    std::unique_ptr<Voice> voice =
        Voice::Open(data, size, (flags & Loop) != 0, (flags & AutoFree) != 0);
    if (!voice)
        return 0;
    std::lock_guard lock(mutex);
    if (!open)
        return 0;
    Reclaim();
    auto free = std::find_if(table.begin(), table.end(), [](const VoiceSlot& slot) {
        return slot.state.load(std::memory_order_acquire) == VoiceSlot::Empty;
    });
    if (free == table.end())
        return 0;
    do
        ++lastHandle;
    while (lastHandle == 0 || handles.count(lastHandle));
    free->voice = std::move(voice);
    free->handle = lastHandle;
    free->state.store(VoiceSlot::Live, std::memory_order_release);
    handles.emplace(lastHandle, std::size_t(free - table.begin()));
    output->Connect();
    return lastHandle;
}

bool AudioEngine::Play(std::uint32_t handle, bool restart) {
    std::lock_guard lock(mutex);
    VoiceSlot* slot = Find(handle);
    if (!slot)
        return false;
    std::atomic<std::uint64_t>& control = slot->voice->control;
    std::uint64_t now = control.load();
    std::uint64_t wanted;
    do {
        wanted = (now | Voice::Playing) & ~Voice::Ended;
        // An ended stream, or one asked to, starts again from its first sample.
        if (restart || (now & Voice::Ended))
            wanted += Voice::OneStart;
    } while (!control.compare_exchange_weak(now, wanted));
    if (output)
        output->Connect();
    return true;
}

bool AudioEngine::IsPlaying(std::uint32_t handle) const {
    std::lock_guard lock(mutex);
    const VoiceSlot* slot = Find(handle);
    return slot && (slot->voice->control.load() & Voice::Playing);
}

bool AudioEngine::FreeStream(std::uint32_t handle) {
    std::lock_guard lock(mutex);
    VoiceSlot* slot = Find(handle);
    if (!slot)
        return false;
    // The mixer fades the voice out if it sounds, then retires it; the handle is gone now.
    slot->voice->control.fetch_or(Voice::Freed);
    slot->voice->control.fetch_and(~Voice::Playing);
    handles.erase(handle);
    return true;
}

void AudioEngine::StopAll() {
    std::lock_guard lock(mutex);
    for (auto it = handles.begin(); it != handles.end();) {
        Voice& voice = *table[it->second].voice;
        voice.control.fetch_and(~Voice::Playing);
        if (voice.FreesItself()) {
            voice.control.fetch_or(Voice::Cut);
            it = handles.erase(it);
        } else {
            ++it;
        }
    }
}

std::size_t AudioEngine::StreamCount() const {
    std::lock_guard lock(mutex);
    Reclaim();
    return handles.size();
}

int AudioEngine::Volume() const {
    return volume.load();
}

bool AudioEngine::SetVolume(int newVolume) {
    if (newVolume < 0 || newVolume > 100)
        return false;
    volume.store(newVolume);
    return true;
}

float AudioEngine::Gain(int level) {
    return Mixer::Gain(level);
}

void AudioEngine::Render(float* out, std::size_t frames) {
    mixer.Render(out, frames);
}

void AudioEngine::DecodeAhead() {
    mixer.DecodeAhead(DecodeBudget);
}

void AudioEngine::OutputUnderrun() {
    mixer.Underrun();
}

void AudioEngine::OutputFailed() {
    mixer.RetireAll();
}

std::size_t AudioEngine::SilentFrames() const {
    return mixer.SilentFrames();
}

void AudioEngine::Reclaim() const {
    for (VoiceSlot& slot : table) {
        if (slot.state.load(std::memory_order_acquire) != VoiceSlot::Retired)
            continue;
        auto held = handles.find(slot.handle);
        if (held != handles.end() && &table[held->second] == &slot)
            handles.erase(held);
        slot.voice.reset();
        slot.state.store(VoiceSlot::Empty, std::memory_order_release);
    }
}

VoiceSlot* AudioEngine::Find(std::uint32_t handle) const {
    Reclaim();
    auto found = handles.find(handle);
    return found == handles.end() ? nullptr : &table[found->second];
}
