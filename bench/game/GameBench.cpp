// Timings of the board's whole-picture work: darkening the play area and cutting pieces;
// and of dragging a piece, from the mouse move to the painted frame. Run it with
// QT_SCALE_FACTOR=2 to time the same at 200 % (the "ratio" column says which).

#include "game/BoardGeometry.h"
#include "game/PictureTools.h"
#include "game/TFormPuzzle.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "platform/JpegCodec.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

QImage Noise(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int i = 0; i < image.width() * 3; ++i)
            line[i] = static_cast<uchar>((i * 7 + y * 13) & 0xFF);
    }
    return image;
}

void AdjustBrightnessPlayArea(benchmark::State& state) {
    const QImage source = Noise(QSize(864, 620));
    for (auto _ : state) {
        QImage copy = source.copy();
        PictureTools::AdjustBrightness(copy, -25);
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(AdjustBrightnessPlayArea)->Unit(benchmark::kMicrosecond);

void CutSixtyFourPieces(benchmark::State& state) {
    const QImage board = Noise(QSize(667, 500));
    for (auto _ : state) {
        const QSize piece = BoardGeometry::PieceSize(board.size(), 8);
        for (const QPoint& origin : BoardGeometry::PieceOrigins(board.size(), 8)) {
            const QImage cut = board.copy(QRect(origin, piece));
            const QImage resting = PictureTools::WithShadow(cut, 1);
            const QImage raised = PictureTools::WithShadow(cut, 2);
            benchmark::DoNotOptimize(raised.constBits());
            benchmark::DoNotOptimize(resting.constBits());
        }
    }
}
BENCHMARK(CutSixtyFourPieces)->Unit(benchmark::kMicrosecond);

// A detailed 6000 x 4000 photo-like picture, written once.
QString LargeJpeg() {
    static const QString path = [] {
        const QString file = QDir::tempPath() + "/tessaly-bench-6000x4000.jpg";
        if (QFile::exists(file))
            return file;
        QImage image(6000, 4000, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                const double wave = std::sin(x * 0.013) * std::cos(y * 0.021);
                line[3 * x] = static_cast<uchar>(128 + 100 * wave + ((x * y) & 15));
                line[3 * x + 1] = static_cast<uchar>((x / 7 + y / 5) & 0xFF);
                line[3 * x + 2] = static_cast<uchar>((x ^ y) & 0xFF);
            }
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(JpegCodec::Encode(image, 90));
        return file;
    }();
    return path;
}

// What Qt's own reader needs to load the whole picture at full size.
void QImageLoadsFullSize(benchmark::State& state) {
    const QString file = LargeJpeg();
    for (auto _ : state) {
        QImage image(file);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(QImageLoadsFullSize)->Unit(benchmark::kMillisecond);

// From the file to the framed board and preview of the main window.
void OpenLargeJpegOntoTheBoard(benchmark::State& state) {
    TFormPuzzle form;
    form.PaintBackground();
    PictureFile = LargeJpeg();
    for (auto _ : state) {
        PictureFile::ForgetLastPicture();
        benchmark::DoNotOptimize(form.LoadPictureFile());
    }
}
BENCHMARK(OpenLargeJpegOntoTheBoard)->Unit(benchmark::kMillisecond);

// A held piece of a 64-piece game follows the mouse: one move event, then the frame that
// shows it at its new place is painted (the piece, the board and the table it uncovers).
void DragPieceFrame(benchmark::State& state) {
    TFormPuzzle form;
    form.PaintBackground();
    form.LoadMotif(1);
    form.move(0, 0);
    form.show();
    PlayMode = ModeStandard;
    GameSize = 6;
    form.CutPieces();
    QCoreApplication::processEvents();
    TPuzzleCrap* piece = Pieces[1];
    piece->raise();
    const QPointF grab(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, grab, piece->mapToGlobal(grab), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(piece, &press);
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the board and the strip beside it, a few pixels a move.
        const int along = step % 400;
        const QPoint target(100 + (along < 200 ? along : 400 - along) * 3, 300 + step % 7);
        ++step;
        const QPointF global = form.PanelBack->mapToGlobal(QPointF(target));
        QMouseEvent move(QEvent::MouseMove, piece->mapFromGlobal(global), global, Qt::LeftButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(piece, &move);
        QCoreApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatio();
    QMouseEvent release(QEvent::MouseButtonRelease, grab, piece->mapToGlobal(grab), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(piece, &release);
    form.FreePieces();
}
BENCHMARK(DragPieceFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
