#pragma once
// The world a start-up benchmark runs the real program in: a throw-away home with its own
// runtime folder, an X server and a sound server of its own, no print server, and the
// desktop's usual font and locale settings; with the helpers to start and stop programs.

#include "PrivateXServer.h"
#include "WindowWatch.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

class BenchSession {
public:
    BenchSession();
    ~BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;

    bool Ready() const { return watch && watch->Connected(); }
    WindowWatch& Watch() { return *watch; }
    const std::string& DisplayName() const { return x.DisplayName(); }
    QString Home() const { return home.path(); }
    // Where the program keeps its settings (tessaly.ini lies in its folder Tessaly).
    QString ConfigFolder() const { return home.path() + "/.config"; }

    // The folder of the running benchmark, where the build puts the programs it measures.
    static std::string ProgramFolder();
    // The program measured: TESSALY_BENCH_PROGRAM, or the game beside the benchmark.
    static std::vector<std::string> Program();
    // The program to compare it with in the same run (TESSALY_BENCH_BASELINE, for example
    // an earlier build of the game), or none.
    static std::vector<std::string> Baseline();

    // How many samples (or pairs) to take: TESSALY_BENCH_PAIRS, else `fallback`.
    static int Pairs(int fallback);

    // Starts the command with the session's environment; -1 when it cannot be started.
    static pid_t Spawn(const std::vector<std::string>& command);
    static void Stop(pid_t pid);

private:
    void StartSoundServer();

    QTemporaryDir home;
    QString runtime;
    PrivateXServer x;
    std::unique_ptr<WindowWatch> watch;
    pid_t sound = -1;
};

// The median of the values, 0 for none.
double Median(std::vector<double> values);
