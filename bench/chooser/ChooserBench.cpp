// Timings of the picture chooser and of the program's start-up.

#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TInfoForm.h"
#include "game/TFormPuzzle.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Everything main() creates before the event loop runs.
void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        TFormPuzzle formPuzzle;
        formPuzzle.FormCreate();
        TFormGreat formGreat;
        TInfoForm infoForm;
        TFormChangeMode formChangeMode;
        benchmark::DoNotOptimize(&formChangeMode);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
