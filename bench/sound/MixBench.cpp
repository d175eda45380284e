// The engine's work on its own thread: decoding and mixing eight looping streams, given as
// the share of one core that real-time playback takes; and the creation of a cue's stream,
// which the game does on its window's thread.

#include "AudioEngine.h"
#include "ManualOutput.h"
#include "platform/ArtResources.h"

#include <QByteArray>
#include <QString>
#include <benchmark/benchmark.h>
#include <memory>
#include <time.h>

namespace {

constexpr std::size_t BlockFrames = 1024;

const unsigned char* Bytes(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

void MixEightStreams(benchmark::State& state) {
    AudioEngine engine;
    auto created = std::make_unique<ManualOutput>();
    ManualOutput& output = *created;
    engine.Init(std::move(created));
    // The three tracks and five cues, all looping so that eight keep playing.
    std::vector<QByteArray> sounds;
    for (int number : {108, 109, 110, 101, 102, 104, 105, 107})
        sounds.push_back(ArtResources::LoadMp3(QStringLiteral("MP3_%1").arg(number)));
    for (const QByteArray& sound : sounds)
        engine.Play(engine.CreateStream(Bytes(sound), std::size_t(sound.size()), AudioEngine::Loop),
                    false);
    timespec start{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    for (auto _ : state)
        benchmark::DoNotOptimize(output.Pull(BlockFrames).data());
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    // Each block is 1024 / 44100 s of sound; the processor time the blocks take against
    // the sound they make is the share of one core that playing them takes.
    const double cpuSeconds =
        double(end.tv_sec - start.tv_sec) + 1e-9 * double(end.tv_nsec - start.tv_nsec);
    const double soundSeconds = double(state.iterations()) * double(BlockFrames) / 44100.0;
    state.counters["core_percent"] = 100.0 * cpuSeconds / soundSeconds;
}
BENCHMARK(MixEightStreams)->Unit(benchmark::kMicrosecond);

void CreateCueStream(benchmark::State& state) {
    AudioEngine engine;
    engine.Init(std::make_unique<ManualOutput>());
    const QByteArray cue = ArtResources::LoadMp3(QStringLiteral("MP3_104"));
    for (auto _ : state) {
        const std::uint32_t handle =
            engine.CreateStream(Bytes(cue), std::size_t(cue.size()), 0x40080);
        engine.FreeStream(handle);
    }
}
BENCHMARK(CreateCueStream)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
