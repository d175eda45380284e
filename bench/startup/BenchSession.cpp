#include "BenchSession.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

BenchSession::BenchSession() {
    runtime = home.path() + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(ConfigFolder());
    if (!x.DisplayName().empty()) {
        setenv("DISPLAY", x.DisplayName().c_str(), 1);
        watch = std::make_unique<WindowWatch>(x.DisplayName());
    }
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", ConfigFolder().toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
    // The machine's own print server is none of the benchmark's business.
    setenv("CUPS_SERVER", (runtime + "/no-cups.sock").toLocal8Bit().constData(), 1);
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("PULSE_SERVER");
    unsetenv("WAYLAND_DISPLAY");
    StartSoundServer();
}

BenchSession::~BenchSession() {
    if (sound > 0) {
        kill(sound, SIGTERM);
        waitpid(sound, nullptr, 0);
    }
}

void BenchSession::StartSoundServer() {
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
    const int failed =
        posix_spawnp(&sound, "pulseaudio", &quiet, nullptr, const_cast<char**>(arguments), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        sound = -1;
        return;
    }
    for (int k = 0; k < 50 && !QFile::exists(runtime + "/pulse/native"); ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

std::string BenchSession::ProgramFolder() {
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    const std::string program(path, n > 0 ? size_t(n) : 0);
    return program.substr(0, program.rfind('/'));
}

std::vector<std::string> BenchSession::Program() {
    const char* program = std::getenv("TESSALY_BENCH_PROGRAM");
    return {program && *program ? std::string(program) : ProgramFolder() + "/tessaly"};
}

std::vector<std::string> BenchSession::Baseline() {
    const char* baseline = std::getenv("TESSALY_BENCH_BASELINE");
    if (!baseline || !*baseline)
        return {};
    return {std::string(baseline)};
}

int BenchSession::Pairs(int fallback) {
    const char* pairs = std::getenv("TESSALY_BENCH_PAIRS");
    return pairs ? std::max(1, std::atoi(pairs)) : fallback;
}

pid_t BenchSession::Spawn(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0)
        return -1;
    return pid;
}

void BenchSession::Stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
