// Timings of the pictures players really have: the benchmark folder of twelve photos,
// screenshots and web pictures, each from the player's choice in the chooser to the game
// start dialog (with the centre taken where the picture is too wide), and the decode of a
// 24-megapixel PNG and of a board-sized one onto the board, by the picture reader and, for
// comparison, in the benchmark's own process.
//
//     photo_bench [--benchmark_filter=...]      (the pictures are made once, in the temp folder)

#include "SamplePictures.h"
#include "dialogs/TFormChangeMode.h"
#include "game/BoardGeometry.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/VarUnit.h"
#include "picturedialog/PictureSizeCheck.h"
#include "platform/PictureFile.h"
#include "platform/PictureReaderProcess.h"
#include "platform/RegularFile.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "platform/picturereader/PictureDecoder.h"
#include "widgets/WDConfirmDialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString BenchFolder() {
    return QDir::tempPath() + QStringLiteral("/tessaly-bench-photos/");
}

const QStringList& BenchPictures() {
    static const QStringList paths = SamplePictures::WriteBenchFolder(BenchFolder());
    return paths;
}

QString Png24Megapixels() {
    static const QString path = [] {
        const QString file = BenchFolder() + QStringLiteral("png-6000x4000.png");
        if (!QFile::exists(file))
            SamplePictures::WriteFile(
                file, SamplePictures::Encoded(SamplePictures::Scene(QSize(6000, 4000)), "png"));
        return file;
    }();
    return path;
}

// A PNG as large as the board shows it.
QString PngOfTheBoard() {
    static const QString path = [] {
        const QString file = BenchFolder() + QStringLiteral("png-700x500.png");
        if (!QFile::exists(file))
            SamplePictures::WriteFile(
                file, SamplePictures::Encoded(SamplePictures::Scene(QSize(700, 500)), "png"));
        return file;
    }();
    return path;
}

// The decode the board needs: at least W x 500 of the whole picture, as the game does it
// (the header read, then the picture, each by the picture reader in a process of its own).
void OntoTheBoard(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        PictureFile::ForgetLastPicture();
        const QSize size = PictureFile::ReadSize(path, PictureFile::Kind::Png);
        const QImage picture =
            PictureFile::Load(path, PictureFile::Kind::Png, BoardGeometry::DecodeSize(size));
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

// The same decode in this process, without the reader's process: what starting it (twice)
// and handing the pixels across costs is the difference.
void OntoTheBoardInProcess(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        RegularFile file(path);
        const QSize size = PictureDecoder(file.Device(), "png").HeaderSize();
        PictureDecoder decoder(file.Device(), "png");
        const QImage picture = decoder.Decode(BoardGeometry::DecodeSize(size));
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void Png24MegapixelsOntoTheBoard(benchmark::State& state) {
    OntoTheBoard(state, Png24Megapixels());
}
BENCHMARK(Png24MegapixelsOntoTheBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

void Png24MegapixelsOntoTheBoardInProcess(benchmark::State& state) {
    OntoTheBoardInProcess(state, Png24Megapixels());
}
BENCHMARK(Png24MegapixelsOntoTheBoardInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void PngOfTheBoardOntoTheBoard(benchmark::State& state) {
    OntoTheBoard(state, PngOfTheBoard());
}
BENCHMARK(PngOfTheBoardOntoTheBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

void PngOfTheBoardOntoTheBoardInProcess(benchmark::State& state) {
    OntoTheBoardInProcess(state, PngOfTheBoard());
}
BENCHMARK(PngOfTheBoardOntoTheBoardInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void Send(QWidget* window, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
}

// The main window and the game start dialog as the program has them.
struct Windows {
    TFormPuzzle form;
    TFormChangeMode changeMode;
    Windows() {
        FormChangeMode = &changeMode;
        form.PaintBackground();
        form.show();
    }
    ~Windows() { FormChangeMode = nullptr; }
};

// What the chooser's "Öffnen" and the main window do with the picture: the size check and
// the trial decode, then OpenPictureFile up to the game start dialog. A question about the
// format is answered "Ja" at once; the game start dialog is timed and closed.
void ChoiceToGameStartDialog(benchmark::State& state) {
    static Windows windows;
    const QString path = BenchPictures().at(static_cast<int>(state.range(0)));
    state.SetLabel(QFileInfo(path).fileName().toStdString());
    double lastMilliseconds = 0;
    bool accepted = false;
    for (auto _ : state) {
        PictureFile::ForgetLastPicture();
        accepted = false;
        QElapsedTimer clock;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (qobject_cast<TWDConfirmForm*>(modal)) {
                Send(modal, Qt::Key_Return);
            } else if (modal == &windows.changeMode) {
                state.SetIterationTime(clock.nsecsElapsed() / 1e9);
                lastMilliseconds = clock.nsecsElapsed() / 1e6;
                accepted = true;
                Send(modal, Qt::Key_Escape);
            }
        });
        poll.start();
        clock.start();
        if (PictureSizeCheck::CheckMinimumSize(path)) {
            PictureSizeCheck::TryDecode(path);
            windows.form.OpenPictureFile(path);
        }
        poll.stop();
        if (!accepted)
            state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.counters["accepted"] = accepted ? 1 : 0;
    state.counters["board_w"] = accepted ? windows.form.Image1->width() : 0;
    state.counters["board_h"] = accepted ? windows.form.Image1->height() : 0;
    state.counters["last_ms"] = lastMilliseconds;
}
BENCHMARK(ChoiceToGameStartDialog)
    ->DenseRange(0, 11)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    PictureReaderProcess::UseProgram(QStringLiteral(TESSALY_PICTURE_READER));
    benchmark::Initialize(&argc, argv);
    BenchPictures();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
