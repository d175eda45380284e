// Start-up of the real program as a player meets it: the installed-style binary started under
// an X server of the benchmark's own, timed from exec to its first visible (painted) window,
// against a bare Qt window of the same size started the same way, alternating, with a sound
// server of its own as on a desktop. Also the resident memory after start, the libraries
// mapped at the first window, and the memory three seconds into a game of 64 pieces.
//
//   startup_bench_x [--benchmark_filter=...]      (TESSALY_BENCH_PAIRS sets the pairs, 11)

#include "PrivateXServer.h"
#include "WindowWatch.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = WindowWatch::Clock;

std::string folderOfThisProgram;

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

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

// The environment every measured program runs in: a throw-away home, its own runtime
// folder, the benchmark's X server, and the desktop's usual font and locale settings.
class Session {
public:
    Session() {
        runtime = home.path() + "/runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(home.path() + "/.config");
        if (!x.DisplayName().empty()) {
            setenv("DISPLAY", x.DisplayName().c_str(), 1);
            watch = std::make_unique<WindowWatch>(x.DisplayName());
        }
        setenv("HOME", home.path().toLocal8Bit().constData(), 1);
        setenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit().constData(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("PULSE_SERVER");
        unsetenv("WAYLAND_DISPLAY");
        StartSoundServer();
    }
    ~Session() {
        if (sound > 0) {
            kill(sound, SIGTERM);
            waitpid(sound, nullptr, 0);
        }
    }

    bool Ready() const { return watch && watch->Connected(); }
    WindowWatch& Watch() { return *watch; }
    QString Home() const { return home.path(); }

private:
    void StartSoundServer() {
        const char* arguments[] = {"pulseaudio",
                                   "-n",
                                   "--daemonize=no",
                                   "--exit-idle-time=-1",
                                   "--disable-shm",
                                   "--load=module-null-sink",
                                   "--load=module-native-protocol-unix",
                                   nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        const int failed = posix_spawnp(&sound, "pulseaudio", &quiet, nullptr,
                                        const_cast<char**>(arguments), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (failed != 0) {
            sound = -1;
            return;
        }
        for (int k = 0; k < 50 && !QFile::exists(runtime + "/pulse/native"); ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    QTemporaryDir home;
    QString runtime;
    PrivateXServer x;
    std::unique_ptr<WindowWatch> watch;
    pid_t sound = -1;
};

struct Start {
    double milliseconds = 0;
    long residentKb = 0;
    int libraries = 0;
    bool shown = false;
};

pid_t Spawn(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0)
        return -1;
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Starts the program, times exec to its first painted window of at least 400 x 300, reads
// its libraries at that moment and its resident memory a second later; leaves it running.
Start StartProgram(Session& session, const std::vector<std::string>& command, pid_t& pid) {
    Start start;
    session.Watch().Reset();
    const Clock::time_point begin = Clock::now();
    pid = Spawn(command);
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

Start MeasureOnce(Session& session, const std::vector<std::string>& command) {
    pid_t pid = -1;
    const Start start = StartProgram(session, command, pid);
    if (pid > 0)
        Stop(pid);
    return start;
}

int Pairs() {
    const char* pairs = std::getenv("TESSALY_BENCH_PAIRS");
    return pairs ? std::max(1, std::atoi(pairs)) : 11;
}

std::vector<std::string> Game() {
    return {folderOfThisProgram + "/tessaly"};
}
std::vector<std::string> BareWindow() {
    return {folderOfThisProgram + "/startup_bare_window"};
}

// Exec to the first visible window, the game against the bare window, alternating.
void StartupAgainstBareWindow(benchmark::State& state) {
    Session session;
    if (!session.Ready()) {
        state.SkipWithError("no X server (Xvfb)");
        return;
    }
    // One start of each first, so that both find the system's files in the page cache.
    MeasureOnce(session, BareWindow());
    MeasureOnce(session, Game());
    std::vector<double> game, bare, gameKb, bareKb, gameLibraries, bareLibraries;
    for (auto _ : state) {
        for (int pair = 0; pair < Pairs(); ++pair) {
            const Start b = MeasureOnce(session, BareWindow());
            const Start g = MeasureOnce(session, Game());
            if (!b.shown || !g.shown) {
                state.SkipWithError("a window did not show within 20 s");
                return;
            }
            bare.push_back(b.milliseconds);
            game.push_back(g.milliseconds);
            bareKb.push_back(double(b.residentKb));
            gameKb.push_back(double(g.residentKb));
            bareLibraries.push_back(b.libraries);
            gameLibraries.push_back(g.libraries);
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
}
BENCHMARK(StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Resident memory three seconds into a game of 64 pieces, opened as a picture given on the
// command line and started with the game start dialog's last size button.
void MemoryInGameOf64(benchmark::State& state) {
    Session session;
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
        std::vector<std::string> command = Game();
        command.push_back(picture.toStdString());
        pid_t pid = -1;
        const Start start = StartProgram(session, command, pid);
        const std::uint64_t dialog = start.shown
                                         ? session.Watch().WaitForMappedWindow(
                                               600, 200, Clock::now() + std::chrono::seconds(10))
                                         : 0;
        if (dialog == 0) {
            if (pid > 0)
                Stop(pid);
            state.SkipWithError("the game start dialog did not show");
            return;
        }
        session.Watch().WaitPainted(dialog, Clock::now() + std::chrono::seconds(10));
        const std::string window = std::to_string(dialog);
        const pid_t click = Spawn({"/usr/bin/xdotool", "mousemove", "--sync", "--window", window,
                                   "590", "199", "click", "1"});
        if (click > 0)
            waitpid(click, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::seconds(3));
        residentKb = StatusKilobytes(pid, "VmRSS:");
        Stop(pid);
        state.SetIterationTime(1.0);
    }
    state.counters["game64_rss_mb"] = double(residentKb) / 1024.0;
}
BENCHMARK(MemoryInGameOf64)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    folderOfThisProgram = std::string(path, n > 0 ? size_t(n) : 0);
    folderOfThisProgram = folderOfThisProgram.substr(0, folderOfThisProgram.rfind('/'));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
