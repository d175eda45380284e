// Timings of the board's whole-picture work: darkening the play area and cutting pieces.

#include "game/BoardGeometry.h"
#include "game/PictureTools.h"

#include <QImage>
#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
