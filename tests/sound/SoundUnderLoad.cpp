// The sound on a busy machine: two busy threads per core for 20 seconds while the engine
// plays a music track and a cue every 300 ms, as a game does, through the sound server of
// sound-under-load.sh; what the server's null sink played is recorded from its monitor and
// searched for gaps of digital silence inside the music and for clicks (a step from one
// sample to the next larger than the sounds themselves ever make).
//   sound_under_load [SECONDS]
// Prints the largest gap and the largest step; exits with 1 when a criterion fails.

#include "Mp3Stream.h"
#include "TsAudioApi.h"
#include "platform/ArtResources.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sched.h>
#include <thread>
#include <vector>

namespace {

constexpr int Rate = 44100;
// A run of digital silence this long (3 ms) inside the music is a gap.
constexpr std::size_t GapFrames = Rate * 3 / 1000;
constexpr int Level = 50;

// Keeps a core busy until told to stop.
void Spin(const std::atomic<bool>& stop) {
    volatile double x = 1.0;
    while (!stop.load(std::memory_order_relaxed))
        for (int k = 0; k < 10000; ++k)
            x = x * 1.0000001 + 1e-9;
}

// Records 16-bit stereo from the sink's monitor into a file through the server's own
// recorder (parec): the server holds what the recorder has not fetched yet (seconds of it),
// so a recorder that falls behind under load loses nothing.
class Recorder {
public:
    Recorder(const char* source, const QString& file) : file(file) {
        recorder.setStandardOutputFile(file);
        recorder.setStandardErrorFile(QProcess::nullDevice());
        recorder.start("parec", {"-d", source, "--raw", "--format=s16le",
                                 QStringLiteral("--rate=%1").arg(Rate), "--channels=2"});
        if (!recorder.waitForStarted(5000))
            std::fprintf(stderr, "cannot record from %s\n", source);
    }
    bool Ok() const { return recorder.state() == QProcess::Running; }
    std::vector<std::int16_t> Stop() {
        recorder.terminate();
        recorder.waitForFinished(5000);
        QFile recorded(file);
        std::vector<std::int16_t> samples;
        if (!recorded.open(QIODevice::ReadOnly))
            return samples;
        const QByteArray bytes = recorded.readAll();
        samples.resize(std::size_t(bytes.size()) / 4 * 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        return samples;
    }

private:
    QString file;
    QProcess recorder;
};

// How the threads with this name are scheduled, for the log: the engine's thread asks for
// real-time priority and runs without it where that is refused; the threads that carry its
// sound to the server (Qt's connection, libpulse's "threaded-ml") are started from it.
QByteArray Scheduling(const QByteArray& name) {
    QByteArray found;
    const QStringList threads =
        QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& thread : threads) {
        QFile comm("/proc/self/task/" + thread + "/comm");
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        const int policy = sched_getscheduler(thread.toInt()) & ~SCHED_RESET_ON_FORK;
        found += found.isEmpty() ? "" : ", ";
        found += policy == SCHED_RR || policy == SCHED_FIFO ? "real-time" : "normal";
    }
    return found.isEmpty() ? "none" : found;
}

const unsigned char* Bytes(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// The largest step between neighbouring samples of one channel of the decoded sound,
// the step from silence to its first sample included.
float LargestStep(const QByteArray& mp3) {
    auto stream = Mp3Stream::Open(Bytes(mp3), std::size_t(mp3.size()));
    float largest = 0.0f;
    float previous[2] = {0.0f, 0.0f};
    std::vector<float> block(4096 * 2);
    while (stream) {
        const std::size_t got = stream->Read(block.data(), 4096);
        if (got == 0)
            break;
        for (std::size_t k = 0; k < got; ++k)
            for (std::size_t c = 0; c < 2; ++c) {
                const float x = block[2 * k + c];
                largest = std::max(largest, std::fabs(x - previous[c]));
                previous[c] = x;
            }
    }
    return largest;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20.0;
    const char* source =
        std::getenv("TESSALY_MONITOR") ? std::getenv("TESSALY_MONITOR") : "null.monitor";
    const QByteArray music = ArtResources::LoadMp3("MP3_108");
    std::vector<QByteArray> cues;
    for (int number : {103, 102, 104, 106})
        cues.push_back(ArtResources::LoadMp3(QStringLiteral("MP3_%1").arg(number)));

    Recorder recorder(source, QDir::home().filePath("sound-under-load.raw"));
    if (!recorder.Ok())
        return 1;

    std::atomic<bool> stopBusy{false};
    std::vector<std::thread> busy;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned k = 0; k < 2 * cores; ++k)
        busy.emplace_back(Spin, std::cref(stopBusy));

    BASS_Init(1, Rate, 0, 0, nullptr);
    BASS_SetVolume(Level);
    const std::uint32_t track =
        BASS_StreamCreateFile(-1, music.constData(), 0, std::uint32_t(music.size()), 0x84);
    BASS_ChannelPlay(track, 0);
    std::uint32_t cue = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (int n = 0;; ++n) {
        const auto due = begin + std::chrono::milliseconds(300 * n);
        if (due - begin > std::chrono::duration<double>(seconds))
            break;
        std::this_thread::sleep_until(due);
        // As the game does: the cue of a slot that still sounds is freed first.
        if (BASS_ChannelIsActive(cue) == 1)
            BASS_StreamFree(cue);
        const QByteArray& bytes = cues[std::size_t(n) % cues.size()];
        cue = BASS_StreamCreateFile(-1, bytes.constData(), 0, std::uint32_t(bytes.size()), 0x40080);
        BASS_ChannelPlay(cue, 0);
    }
    const QByteArray engineScheduling = Scheduling("tsaudio-output");
    const QByteArray connectionScheduling = Scheduling("threaded-ml");
    stopBusy.store(true);
    for (std::thread& thread : busy)
        thread.join();
    // The recording catches up with what the server has played so far.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const std::vector<std::int16_t> s = recorder.Stop();
    BASS_Free();

    const std::size_t frames = s.size() / 2;
    auto silent = [&s](std::size_t frame) { return s[2 * frame] == 0 && s[2 * frame + 1] == 0; };
    std::size_t first = 0;
    while (first < frames && silent(first))
        ++first;
    std::size_t last = frames;
    while (last > first && silent(last - 1))
        --last;
    // Only what was played under load counts: the music's end on stopping is left out.
    last = std::min(last, first + std::size_t(seconds * Rate));
    if (last - first < std::size_t(seconds * Rate * 0.9)) {
        std::printf("FAIL: only %.2f s of sound recorded\n", double(last - first) / Rate);
        return 1;
    }

    std::size_t largestGap = 0, gaps = 0, run = 0;
    for (std::size_t k = first; k < last; ++k) {
        if (silent(k)) {
            ++run;
            continue;
        }
        if (run >= GapFrames)
            ++gaps;
        largestGap = std::max(largestGap, run);
        run = 0;
    }

    // The loudest step the sounds themselves make: the music's and a cue's together, at the
    // level played, plus the rounding to 16 bits.
    float cueStep = 0.0f;
    for (const QByteArray& bytes : cues)
        cueStep = std::max(cueStep, LargestStep(bytes));
    const float gain = float(Level * Level) / 10000.0f;
    const double allowedStep = 32767.0 * gain * double(LargestStep(music) + cueStep) + 2.0;
    int largestStep = 0;
    std::size_t clicks = 0;
    for (std::size_t k = first + 1; k < last; ++k)
        for (int c = 0; c < 2; ++c) {
            const int step =
                std::abs(int(s[2 * k + std::size_t(c)]) - s[2 * (k - 1) + std::size_t(c)]);
            largestStep = std::max(largestStep, step);
            if (step > allowedStep)
                ++clicks;
        }

    std::printf("recorded %.2f s under load on %u cores (%u busy threads)\n",
                double(last - first) / Rate, cores, 2 * cores);
    std::printf("scheduling of the engine's thread: %s; of its connection's threads: %s\n",
                engineScheduling.constData(), connectionScheduling.constData());
    std::printf("largest gap of digital silence: %.2f ms; gaps of 3 ms or more: %zu\n",
                1000.0 * double(largestGap) / Rate, gaps);
    std::printf("largest step: %d (the sounds' own: %.0f); larger steps: %zu\n", largestStep,
                allowedStep, clicks);
    return gaps == 0 && clicks == 0 ? 0 : 1;
}
