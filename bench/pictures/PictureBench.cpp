// Timings of opening a large photo onto the board: Qt's full-size load against our path of
// header size, DCT-scaled decode and smooth scaling to the board and the preview.

#include "platform/Arithmetic.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int BoardHeight = 500;
constexpr int PreviewSide = 120;

// A 6000 x 4000 photo-like picture with detail everywhere, so that the file has a realistic
// size (a flat picture would compress to almost nothing and flatter every decoder). Grain is
// the amplitude of per-pixel sensor noise: 8 for a photo taken in good light, 32 for a
// grainy one, whose Huffman data (which every decoder must read in full) is twice as large.
QString LargePhoto(int grainAmplitude) {
    const QString path = QDir::tempPath() +
                         QStringLiteral("/tessaly-bench-6000x4000-grain%1.jpg").arg(grainAmplitude);
    if (QFile::exists(path))
        return path;
    QImage image(6000, 4000, QImage::Format_RGB888);
    quint32 noise = 12345;
    const auto grain = [&noise, grainAmplitude] {
        noise = noise * 1664525u + 1013904223u;
        return static_cast<int>((noise >> 16) % (2 * grainAmplitude + 1)) - grainAmplitude;
    };
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const double wave = std::sin(x * 0.013) * std::cos(y * 0.017) +
                                std::sin((x + y) * 0.0021) + std::sin(x * 0.31 + y * 0.07) * 0.3 +
                                std::sin(x * 0.9) * std::sin(y * 1.3) * 0.2;
            line[x * 3] = static_cast<uchar>(std::clamp(128 + int(wave * 50) + grain(), 0, 255));
            line[x * 3 + 1] =
                static_cast<uchar>(std::clamp((x * 255) / 6000 + int(wave * 20) + grain(), 0, 255));
            line[x * 3 + 2] = static_cast<uchar>(std::clamp((y * 255) / 4000 + grain(), 0, 255));
        }
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(JpegCodec::Encode(image, 90));
    return path;
}

void QtFullSizeLoad(benchmark::State& state) {
    const QString path = LargePhoto(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QImage image(path);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["file_MB"] = static_cast<double>(QFile(path).size()) / 1e6;
}
BENCHMARK(QtFullSizeLoad)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

void OurFullSizeDecode(benchmark::State& state) {
    const QString path = LargePhoto(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QImage image = PictureFile::Load(path, PictureFile::Kind::Jpeg);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(OurFullSizeDecode)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

// What opening the photo costs the game: the size check, the decode at the smallest n/8
// that still covers the board, the board at exactly W x 500 and the 120-pixel preview.
void OurBoardAndPreview(benchmark::State& state) {
    const QString path = LargePhoto(static_cast<int>(state.range(0)));
    const auto kind = PictureFile::KindOf(path);
    for (auto _ : state) {
        const QSize size = PictureFile::ReadSize(path, kind);
        const int width = Arithmetic::ScaleRounded(size.width(), BoardHeight, size.height());
        const QImage picture = PictureFile::Load(path, kind, QSize(width, BoardHeight));
        const QImage board =
            picture.scaled(width, BoardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QSize preview =
            size.height() < size.width()
                ? QSize(PreviewSide,
                        Arithmetic::ScaleRounded(size.height(), PreviewSide, size.width()))
                : QSize(Arithmetic::ScaleRounded(size.width(), PreviewSide, size.height()),
                        PreviewSide);
        const QImage thumbnail =
            picture.scaled(preview, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(board.constBits());
        benchmark::DoNotOptimize(thumbnail.constBits());
    }
}
BENCHMARK(OurBoardAndPreview)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // Qt's image plugins are found through the application
    benchmark::Initialize(&argc, argv);
    LargePhoto(8);
    LargePhoto(32);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
