// Start-up of the game to its first painted window, with the sound server there and without
// one, in the same run, with the resident memory then; and what sound adds to the game's
// memory and how often a game with music wakes the process. Each measurement is a
// fresh process (this program started again in its child role), as a real start is.

#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "sound/Bass_Dynamic.h"
#include "sound/SoundCues.h"
#include "storage/Settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

const char* ChildRole = "--startup-child";
QString programPath;

// Quits the event loop when the window has been painted for the first time.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
};

// Voluntary context switches of all the process's threads: how often it went to sleep
// and was woken again.
long WakeUps() {
    long total = 0;
    const QStringList threads =
        QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& thread : threads) {
        QFile status("/proc/self/task/" + thread + "/status");
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(24).trimmed().toLong();
    }
    return total;
}

long RssKilobytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// The child: the program's own start-up order, timed from the first line of main to the
// first paint; then, when asked, a game with its music for three seconds and the memory.
int RunChild(int argc, char** argv, bool sound, bool play) {
    const auto begin = std::chrono::steady_clock::now();
    if (sound)
        BindBass();
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    auto form = std::make_unique<TFormPuzzle>();
    // The window is covered by its panels, which are painted in its place.
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    if (!form->FormCreate())
        return 1;
    form->show();
    app.exec();
    app.removeEventFilter(&watcher);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("startup_ms %.3f\n", ms);
    std::printf("rss_start_kb %ld\n", RssKilobytes());
    if (play) {
        PlayMode = ModeStandard;
        GameSize = 1;
        form->StartPuzzle();
        // The wake-ups of ten seconds of the game from its second on, while its music plays.
        long wakeUps = 0;
        QTimer::singleShot(1000, &app, [&wakeUps] { wakeUps = WakeUps(); });
        // exit(), not quit(): quitting would first ask to close the window.
        QTimer::singleShot(11000, &app, [&wakeUps] {
            wakeUps = WakeUps() - wakeUps;
            QCoreApplication::exit(0);
        });
        app.exec();
        std::printf("music_playing %d\n", MusicPlaying() ? 1 : 0);
        std::printf("rss_kb %ld\n", RssKilobytes());
        std::printf("wakeups_per_s %.1f\n", double(wakeUps) / 10.0);
    }
    form.reset();
    UnbindBass();
    return 0;
}

// A private sound server for the measurements with one.
class SoundServer {
public:
    explicit SoundServer(const QString& runtime) {
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime);
        server.setProcessEnvironment(env);
        server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm",
                      "--load=module-null-sink", "--load=module-native-protocol-unix"});
        server.waitForStarted();
        for (int k = 0; k < 50 && !QFile::exists(runtime + "/pulse/native"); ++k)
            QThread::msleep(100);
        QThread::msleep(300);
    }
    ~SoundServer() {
        server.terminate();
        server.waitForFinished(3000);
    }

private:
    QProcess server;
};

struct ChildResult {
    double startupMs = 0;
    long rssStartKb = 0;
    long rssKb = 0;
    double wakeUpsPerSecond = 0;
    bool musicPlaying = false;
};

ChildResult RunOnce(const QString& home, const QString& runtime, const char* role) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("PULSE_SERVER");
    child.setProcessEnvironment(env);
    child.start(programPath, {ChildRole, role});
    child.waitForFinished(60000);
    ChildResult result;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        if (parts[0] == "startup_ms")
            result.startupMs = parts[1].toDouble();
        else if (parts[0] == "rss_kb")
            result.rssKb = parts[1].toLong();
        else if (parts[0] == "rss_start_kb")
            result.rssStartKb = parts[1].toLong();
        else if (parts[0] == "wakeups_per_s")
            result.wakeUpsPerSecond = parts[1].toDouble();
        else if (parts[0] == "music_playing")
            result.musicPlaying = parts[1] == "1";
    }
    return result;
}

void StartupToWindow(benchmark::State& state, bool withServer) {
    QTemporaryDir home;
    const QString runtime = home.path() + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::unique_ptr<SoundServer> server;
    if (withServer)
        server = std::make_unique<SoundServer>(runtime);
    RunOnce(home.path(), runtime, "startup"); // the first start fills the caches
    std::vector<long> rss;
    for (auto _ : state) {
        const ChildResult result = RunOnce(home.path(), runtime, "startup");
        state.SetIterationTime(result.startupMs / 1000.0);
        rss.push_back(result.rssStartKb);
    }
    // The resident memory once the window is painted, the median of the starts.
    std::sort(rss.begin(), rss.end());
    state.counters["rss_start_mb"] = rss.empty() ? 0.0 : double(rss[rss.size() / 2]) / 1024.0;
}

void StartupWithServer(benchmark::State& state) {
    StartupToWindow(state, true);
}
void StartupWithoutServer(benchmark::State& state) {
    StartupToWindow(state, false);
}
BENCHMARK(StartupWithServer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(StartupWithoutServer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// The game's memory eleven seconds into a game: with its music playing through the server,
// against the same game without any engine bound.
void MemoryWithSound(benchmark::State& state) {
    QTemporaryDir home;
    const QString runtime = home.path() + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SoundServer server(runtime);
    ChildResult silent, sounding;
    for (auto _ : state) {
        silent = RunOnce(home.path(), runtime, "silent-game");
        sounding = RunOnce(home.path(), runtime, "game");
        state.SetIterationTime(1.0);
    }
    state.counters["rss_silent_mb"] = double(silent.rssKb) / 1024.0;
    state.counters["rss_sound_mb"] = double(sounding.rssKb) / 1024.0;
    state.counters["rss_growth_mb"] = double(sounding.rssKb - silent.rssKb) / 1024.0;
    state.counters["music_playing"] = sounding.musicPlaying ? 1 : 0;
    state.counters["wakeups_per_s"] = sounding.wakeUpsPerSecond;
}
BENCHMARK(MemoryWithSound)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], ChildRole) == 0) {
        const std::string role = argv[2];
        return RunChild(argc, argv, role != "silent-game", role != "startup");
    }
    {
        // The program's path, for starting it again in the child role.
        char path[4096] = {};
        const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
        programPath = QString::fromLocal8Bit(path, n > 0 ? int(n) : 0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
