// The first showing of the dialogs in the real program, as the player meets them: from the
// key or click that opens a dialog to its first painted window, each in a newly started
// program, so that nothing of the dialog has been made or cached before. The picture chooser
// is opened with Alt+M on a remembered folder of 0, 2,000 and 20,000 pictures. With
// TESSALY_BENCH_BASELINE naming another build, that build takes every other turn and the
// ratios to it are taken pair by pair. Part of startup_bench_x:
//
//   startup_bench_x --benchmark_filter='FirstShowing|Chooser'   (TESSALY_BENCH_PAIRS, 5)

#include "BenchSession.h"
#include "FakeInput.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>
#include <functional>
#include <thread>
#include <unistd.h>

namespace {

using Clock = WindowWatch::Clock;
using namespace std::chrono_literals;

// How a dialog is reached: the steps that lead up to it (not timed) and the key or click
// that opens it (timed), given the main window; the steps return the window the opening
// acts on.
struct Opening {
    int width;
    int height;
    std::function<std::uint64_t(BenchSession&, FakeInput&, std::uint64_t)> leadUp;
    std::function<void(FakeInput&, std::uint64_t)> open;
};

std::uint64_t MainWindow(BenchSession&, FakeInput&, std::uint64_t window) {
    return window;
}

// The statistics window, opened with F2 and painted.
std::uint64_t StatistWindow(BenchSession& session, FakeInput& input, std::uint64_t) {
    session.Watch().Reset();
    session.Watch().RememberScreen();
    input.Key("F2");
    const std::uint64_t statist = session.Watch().WaitForMappedWindow(900, 520, Clock::now() + 20s);
    if (statist == 0 || !session.Watch().WaitPaintedOver(statist, Clock::now() + 20s))
        return 0;
    std::this_thread::sleep_for(300ms);
    return statist;
}

std::function<void(FakeInput&, std::uint64_t)> Key(const char* name, bool alt) {
    return [name, alt](FakeInput& input, std::uint64_t) { input.Key(name, alt); };
}

std::function<void(FakeInput&, std::uint64_t)> Click(int x, int y) {
    return [x, y](FakeInput& input, std::uint64_t window) { input.Click(window, x, y); };
}

// Starts the program, waits until its main window is painted and has settled, leads up to
// the dialog and times its opening; -1 when something did not show within 20 s.
double TimeOpening(BenchSession& session, FakeInput& input, const std::vector<std::string>& command,
                   const Opening& opening) {
    WindowWatch& watch = session.Watch();
    watch.Reset();
    const pid_t pid = BenchSession::Spawn(command);
    if (pid <= 0)
        return -1;
    double milliseconds = -1;
    const std::uint64_t main = watch.WaitForMappedWindow(900, 700, Clock::now() + 20s);
    if (main != 0 && watch.WaitPainted(main, Clock::now() + 20s)) {
        std::this_thread::sleep_for(1s);
        // The mouse rests in the play area, away from the buttons and their hints.
        input.Focus(main, 450, 400);
        const std::uint64_t target = opening.leadUp(session, input, main);
        if (target != 0) {
            watch.Reset();
            watch.RememberScreen();
            const Clock::time_point begin = Clock::now();
            opening.open(input, target);
            const std::uint64_t dialog =
                watch.WaitForMappedWindow(opening.width, opening.height, Clock::now() + 20s);
            if (dialog != 0 && watch.WaitPaintedOver(dialog, Clock::now() + 20s))
                milliseconds =
                    std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        }
    }
    BenchSession::Stop(pid);
    return milliseconds;
}

// Times the opening in turns with the baseline build, when there is one, and reports the
// medians and the ratio taken pair by pair.
void Measure(
    benchmark::State& state, BenchSession& session, const Opening& opening,
    const std::function<void()>& beforeEachStart = [] {}) {
    FakeInput input(session.DisplayName());
    if (!session.Ready() || !input.Connected()) {
        state.SkipWithError("no X server (Xvfb) with its test extension");
        return;
    }
    const std::vector<std::string> baseline = BenchSession::Baseline();
    std::vector<double> times, baseTimes, ratios;
    for (auto _ : state) {
        for (int pair = 0; pair < BenchSession::Pairs(5); ++pair) {
            beforeEachStart();
            const double time = TimeOpening(session, input, BenchSession::Program(), opening);
            double baseTime = time;
            if (!baseline.empty()) {
                beforeEachStart();
                baseTime = TimeOpening(session, input, baseline, opening);
            }
            if (time < 0 || baseTime < 0) {
                state.SkipWithError("the dialog did not show within 20 s");
                return;
            }
            times.push_back(time);
            baseTimes.push_back(baseTime);
            ratios.push_back(time / baseTime);
        }
        state.SetIterationTime(Median(times) / 1000.0);
    }
    state.counters["ms"] = Median(times);
    state.counters["max_ms"] = *std::max_element(times.begin(), times.end());
    if (baseline.empty())
        return;
    state.counters["base_ms"] = Median(baseTimes);
    state.counters["ratio_to_base"] = Median(ratios);
}

void FirstShowing(benchmark::State& state, const Opening& opening) {
    BenchSession session;
    Measure(state, session, opening);
}

// The sizes tell the dialogs apart from the windows around them.
BENCHMARK_CAPTURE(FirstShowing, ChangeMode_AltS, Opening{660, 260, MainWindow, Key("s", true)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(FirstShowing, Statist_F2, Opening{900, 520, MainWindow, Key("F2", false)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(FirstShowing, Config_F3, Opening{320, 250, MainWindow, Key("F3", false)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(FirstShowing, Info_AltI, Opening{420, 300, MainWindow, Key("i", true)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// "Löschen" and "Drucken" of the statistics window.
BENCHMARK_CAPTURE(FirstShowing, StatistDelete, Opening{340, 220, StatistWindow, Click(154, 481)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(FirstShowing, StatistPrintView, Opening{480, 620, StatistWindow, Click(66, 481)})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A folder of `count` small JPEG files (hard links of one file, so that they cost no room).
QString PictureFolder(const BenchSession& session, int count) {
    const QString folder = session.Home() + QStringLiteral("/Bilder/%1/").arg(count);
    QDir().mkpath(folder);
    const QString first = folder + QStringLiteral("IMG_00001.JPG");
    QImage image(800, 600, QImage::Format_RGB888);
    image.fill(QColor(90, 140, 200));
    if (count > 0)
        image.save(first, "JPG", 80);
    for (int i = 2; i <= count; ++i) {
        const QString name = folder + QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        if (link(first.toLocal8Bit().constData(), name.toLocal8Bit().constData()) != 0)
            QFile::copy(first, name);
    }
    return folder;
}

// Alt+M to the visible chooser, its folder remembered from the last run.
void ChooserAfterAltM(benchmark::State& state) {
    BenchSession session;
    if (!session.Ready())
        return Measure(state, session, {});
    const QString folder = PictureFolder(session, int(state.range(0)));
    const QString settings = session.ConfigFolder() + QStringLiteral("/Tessaly/tessaly.ini");
    QDir().mkpath(QFileInfo(settings).path());
    Measure(state, session, Opening{720, 640, MainWindow, Key("m", true)}, [&] {
        QFile ini(settings);
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(QStringLiteral("[DIALOG]\r\nPath=%1\r\n").arg(folder).toUtf8());
    });
}
BENCHMARK(ChooserAfterAltM)
    ->Arg(0)
    ->Arg(2000)
    ->Arg(20000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
