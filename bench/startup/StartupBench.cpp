// Start-up of the real program as a player meets it: the installed-style binary started under
// an X server of the benchmark's own, timed from exec to its first visible (painted) window,
// against a bare Qt window of the same size started the same way, alternating, with a sound
// server of its own as on a desktop. Also the resident memory after start, the libraries
// mapped at the first window, and the memory three seconds into a game of 64 pieces. With
// TESSALY_BENCH_BASELINE naming another build of the game, that build takes its turn in the
// same alternation, and the ratios to it are taken pair by pair.
//
//   startup_bench_x [--benchmark_filter=...]      (TESSALY_BENCH_PAIRS sets the pairs, 11)
//
// The first showings of the dialogs are measured by the same program (DialogBench.cpp).

#include "BenchSession.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace {

using Clock = WindowWatch::Clock;

long StatusKilobytes(pid_t pid, const char* field) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return 0;
}

int MappedLibraries(pid_t pid) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    QSet<QByteArray> libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libraries.insert(line.mid(slash));
    }
    return int(libraries.size());
}

struct Start {
    double milliseconds = 0;
    long residentKb = 0;
    int libraries = 0;
    bool shown = false;
};

// Starts the program, times exec to its first painted window of at least 400 x 300, reads
// its libraries at that moment and its resident memory a second later; leaves it running.
Start StartProgram(BenchSession& session, const std::vector<std::string>& command, pid_t& pid) {
    Start start;
    session.Watch().Reset();
    const Clock::time_point begin = Clock::now();
    pid = BenchSession::Spawn(command);
    if (pid <= 0)
        return start;
    const Clock::time_point deadline = begin + std::chrono::seconds(20);
    const std::uint64_t window = session.Watch().WaitForMappedWindow(400, 300, deadline);
    if (window == 0 || !session.Watch().WaitPainted(window, deadline))
        return start;
    start.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    start.libraries = MappedLibraries(pid);
    start.shown = true;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    start.residentKb = StatusKilobytes(pid, "VmRSS:");
    return start;
}

Start MeasureOnce(BenchSession& session, const std::vector<std::string>& command) {
    pid_t pid = -1;
    const Start start = StartProgram(session, command, pid);
    if (pid > 0)
        BenchSession::Stop(pid);
    return start;
}

std::vector<std::string> BareWindow() {
    return {BenchSession::ProgramFolder() + "/startup_bare_window"};
}

// Exec to the first visible window, the game against the bare window (and the baseline
// build, when there is one), alternating.
void StartupAgainstBareWindow(benchmark::State& state) {
    BenchSession session;
    if (!session.Ready()) {
        state.SkipWithError("no X server (Xvfb)");
        return;
    }
    const std::vector<std::string> baseline = BenchSession::Baseline();
    // One start of each first, so that all find the system's files in the page cache.
    MeasureOnce(session, BareWindow());
    MeasureOnce(session, BenchSession::Program());
    if (!baseline.empty())
        MeasureOnce(session, baseline);
    std::vector<double> game, bare, gameKb, bareKb, gameLibraries, bareLibraries;
    std::vector<double> base, baseKb, baseLibraries, toBaseTime, toBaseKb;
    for (auto _ : state) {
        for (int pair = 0; pair < BenchSession::Pairs(11); ++pair) {
            const Start b = MeasureOnce(session, BareWindow());
            const Start g = MeasureOnce(session, BenchSession::Program());
            const Start o = baseline.empty() ? g : MeasureOnce(session, baseline);
            if (!b.shown || !g.shown || !o.shown) {
                state.SkipWithError("a window did not show within 20 s");
                return;
            }
            bare.push_back(b.milliseconds);
            game.push_back(g.milliseconds);
            bareKb.push_back(double(b.residentKb));
            gameKb.push_back(double(g.residentKb));
            bareLibraries.push_back(b.libraries);
            gameLibraries.push_back(g.libraries);
            base.push_back(o.milliseconds);
            baseKb.push_back(double(o.residentKb));
            baseLibraries.push_back(o.libraries);
            toBaseTime.push_back(g.milliseconds / o.milliseconds);
            toBaseKb.push_back(double(g.residentKb) / double(o.residentKb));
        }
        state.SetIterationTime(Median(game) / 1000.0);
    }
    state.counters["game_ms"] = Median(game);
    state.counters["bare_ms"] = Median(bare);
    state.counters["ratio_time"] = Median(game) / Median(bare);
    state.counters["game_rss_mb"] = Median(gameKb) / 1024.0;
    state.counters["bare_rss_mb"] = Median(bareKb) / 1024.0;
    state.counters["ratio_rss"] = Median(gameKb) / Median(bareKb);
    state.counters["game_libs"] = Median(gameLibraries);
    state.counters["bare_libs"] = Median(bareLibraries);
    if (baseline.empty())
        return;
    state.counters["base_ms"] = Median(base);
    state.counters["base_rss_mb"] = Median(baseKb) / 1024.0;
    state.counters["base_libs"] = Median(baseLibraries);
    state.counters["base_ratio_time"] = Median(base) / Median(bare);
    state.counters["game_to_base_time"] = Median(toBaseTime);
    state.counters["game_to_base_rss"] = Median(toBaseKb);
}
BENCHMARK(StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Resident memory three seconds into a game of 64 pieces, opened as a picture given on the
// command line and started with the game start dialog's last size button.
void MemoryInGameOf64(benchmark::State& state) {
    BenchSession session;
    if (!session.Ready()) {
        state.SkipWithError("no X server (Xvfb)");
        return;
    }
    const QString picture = session.Home() + "/picture.jpg";
    QImage image(700, 500, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x % 256, y % 256, (x + y) % 256));
    image.save(picture, "JPG", 90);

    long residentKb = 0;
    for (auto _ : state) {
        std::vector<std::string> command = BenchSession::Program();
        command.push_back(picture.toStdString());
        pid_t pid = -1;
        const Start start = StartProgram(session, command, pid);
        const std::uint64_t dialog = start.shown
                                         ? session.Watch().WaitForMappedWindow(
                                               600, 200, Clock::now() + std::chrono::seconds(10))
                                         : 0;
        if (dialog == 0) {
            if (pid > 0)
                BenchSession::Stop(pid);
            state.SkipWithError("the game start dialog did not show");
            return;
        }
        session.Watch().WaitPainted(dialog, Clock::now() + std::chrono::seconds(10));
        const std::string window = std::to_string(dialog);
        const pid_t click = BenchSession::Spawn({"/usr/bin/xdotool", "mousemove", "--sync",
                                                 "--window", window, "590", "199", "click", "1"});
        if (click > 0)
            waitpid(click, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::seconds(3));
        residentKb = StatusKilobytes(pid, "VmRSS:");
        BenchSession::Stop(pid);
        state.SetIterationTime(1.0);
    }
    state.counters["game64_rss_mb"] = double(residentKb) / 1024.0;
}
BENCHMARK(MemoryInGameOf64)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
