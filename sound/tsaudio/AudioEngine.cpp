#include "AudioEngine.h"

#include "Mp3Stream.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t BlockFrames = 1024;

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

struct AudioEngine::Stream {
    std::unique_ptr<Mp3Stream> decoder;
    std::uint32_t flags = 0;
    bool playing = false;
    bool ended = false;
};

AudioEngine::AudioEngine() : scratch(BlockFrames * Channels) {}

AudioEngine::~AudioEngine() {
    Release();
}

bool AudioEngine::Init(std::unique_ptr<AudioOutput> newOutput) {
    {
        std::lock_guard lock(mutex);
        if (open || !newOutput)
            return false;
        open = true;
        failed = false;
        output = std::move(newOutput);
    }
    // Outside the lock: an output may report its failure at once.
    output->Start(*this);
    return true;
}

void AudioEngine::Release() {
    std::unique_ptr<AudioOutput> stopping;
    {
        std::lock_guard lock(mutex);
        stopping = std::move(output);
        open = false;
    }
    // The output thread may be waiting for the lock inside Render: stop it unlocked.
    if (stopping)
        stopping->Stop();
    std::unordered_map<std::uint32_t, std::unique_ptr<Stream>> freed;
    {
        std::lock_guard lock(mutex);
        freed.swap(streams);
        failed = false;
    }
}

bool AudioEngine::IsOpen() const {
    std::lock_guard lock(mutex);
    return open;
}

std::uint32_t AudioEngine::CreateStream(const unsigned char* data, std::size_t size,
                                        std::uint32_t flags) {
    {
        std::lock_guard lock(mutex);
        if (!open || failed)
            return 0;
    }
    // Opening parses and probes the data: done unlocked, the mix goes on meanwhile.
    auto stream = std::make_unique<Stream>();
    stream->decoder = Mp3Stream::Open(data, size);
    if (!stream->decoder)
        return 0;
    stream->flags = flags;
    std::lock_guard lock(mutex);
    if (!open || failed)
        return 0;
    do
        ++lastHandle;
    while (lastHandle == 0 || streams.count(lastHandle));
    streams.emplace(lastHandle, std::move(stream));
    return lastHandle;
}

bool AudioEngine::Play(std::uint32_t handle, bool restart) {
    std::lock_guard lock(mutex);
    auto found = streams.find(handle);
    if (found == streams.end())
        return false;
    Stream& stream = *found->second;
    if (restart || stream.ended) {
        if (!stream.decoder->Rewind())
            return false;
        stream.ended = false;
    }
    stream.playing = true;
    return true;
}

bool AudioEngine::IsPlaying(std::uint32_t handle) const {
    std::lock_guard lock(mutex);
    auto found = streams.find(handle);
    return found != streams.end() && found->second->playing;
}

bool AudioEngine::FreeStream(std::uint32_t handle) {
    std::unique_ptr<Stream> freed;
    std::lock_guard lock(mutex);
    auto found = streams.find(handle);
    if (found == streams.end())
        return false;
    freed = std::move(found->second);
    streams.erase(found);
    return true;
}

void AudioEngine::StopAll() {
    std::lock_guard lock(mutex);
    for (auto it = streams.begin(); it != streams.end();) {
        it->second->playing = false;
        if (it->second->flags & AutoFree)
            it = streams.erase(it);
        else
            ++it;
    }
}

std::size_t AudioEngine::StreamCount() const {
    std::lock_guard lock(mutex);
    return streams.size();
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
    const float fraction = std::clamp(level, 0, 100) / 100.0f;
    return fraction * fraction;
}

void AudioEngine::Render(float* out, std::size_t frames) {
    while (frames > 0) {
        const std::size_t block = std::min(frames, BlockFrames);
        RenderBlock(out, block);
        out += block * Channels;
        frames -= block;
    }
}

void AudioEngine::RenderBlock(float* out, std::size_t frames) {
    std::fill(out, out + frames * Channels, 0.0f);
    std::vector<std::unique_ptr<Stream>> finished;
    {
        std::lock_guard lock(mutex);
        for (auto it = streams.begin(); it != streams.end();) {
            Stream& stream = *it->second;
            std::size_t filled = 0;
            bool rewound = false;
            while (stream.playing && filled < frames) {
                const std::size_t got =
                    stream.decoder->Read(scratch.data() + filled * Channels, frames - filled);
                filled += got;
                if (filled == frames)
                    break;
                // The end of the data: a looping stream starts over, unless it gave nothing
                // right after starting over (or cannot go back), which would only spin here.
                if ((stream.flags & Loop) && (got > 0 || !rewound) && stream.decoder->Rewind()) {
                    rewound = true;
                    continue;
                }
                stream.playing = false;
                stream.ended = true;
            }
            for (std::size_t k = 0; k < filled * Channels; ++k)
                out[k] += scratch[k];
            if (stream.ended && (stream.flags & AutoFree)) {
                finished.push_back(std::move(it->second));
                it = streams.erase(it);
            } else {
                ++it;
            }
        }
    }
    const float gain = Gain(volume.load());
    for (std::size_t k = 0; k < frames * Channels; ++k)
        out[k] = Limit(out[k] * gain);
}

void AudioEngine::OutputFailed() {
    std::lock_guard lock(mutex);
    failed = true;
    streams.clear();
}
