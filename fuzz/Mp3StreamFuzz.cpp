// Feeds arbitrary bytes to the audio engine as an MP3 stream: creation must refuse what it
// cannot play, and whatever it accepts must decode, loop and mix without harm.

#include "AudioEngine.h"
#include "ManualOutput.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static AudioEngine engine;
    static ManualOutput* output = nullptr;
    if (!output) {
        auto created = std::make_unique<ManualOutput>();
        output = created.get();
        engine.Init(std::move(created));
    }
    // The first byte picks the flags, as the game passes them for cues and music.
    const std::uint32_t flags = size > 0 && (data[0] & 1) ? 0x84u : 0x40080u;
    const std::uint32_t handle = engine.CreateStream(data, size, flags);
    if (handle == 0)
        return 0;
    engine.Play(handle, false);
    // Two seconds of mix at most: enough to reach the end of short input and to loop it.
    for (int block = 0; block < 20 && engine.IsPlaying(handle); ++block)
        output->Pull(4410);
    engine.Play(handle, true);
    output->Pull(1024);
    engine.FreeStream(handle);
    return 0;
}
