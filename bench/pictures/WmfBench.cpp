// Timings of drawing hostile metafiles at the board's size: each must be drawn or refused as
// too costly within about half a second, however small the file.

#include "platform/AppError.h"
#include "platform/WmfPlayer.h"

#include <QByteArray>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

void Put16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& bytes, quint32 value) {
    Put16(bytes, static_cast<int>(value & 0xFFFF));
    Put16(bytes, static_cast<int>(value >> 16));
}

void Record(QByteArray& records, quint16 function, const QByteArray& parameters) {
    Put32(records, static_cast<quint32>(3 + parameters.size() / 2));
    Put16(records, function);
    records += parameters;
}

// A placeable 1000 x 1000 metafile around the records.
QByteArray Metafile(const QByteArray& records) {
    QByteArray file;
    Put32(file, 0x9AC6CDD7);
    for (int value : {0, 0, 0, 1000, 1000, 96})
        Put16(file, value);
    Put32(file, 0);
    Put16(file, 0);
    for (int value : {1, 9, 0x300})
        Put16(file, value);
    Put32(file, 0);
    Put16(file, 8);
    Put32(file, 0);
    Put16(file, 0);
    file += records;
    Record(file, 0, {});
    return file;
}

QByteArray Polygon(int corners, const std::function<QPoint(int)>& corner) {
    QByteArray parameters;
    Put16(parameters, corners);
    for (int i = 0; i < corners; ++i) {
        Put16(parameters, corner(i).x());
        Put16(parameters, corner(i).y());
    }
    QByteArray records;
    Record(records, 0x0324, parameters);
    return records;
}

QByteArray ZigZag(int corners) {
    return Polygon(corners,
                   [corners](int i) { return QPoint(i * 1000 / corners, i % 2 ? 0 : 1000); });
}

QByteArray Repeated(const QByteArray& records, int times) {
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += records;
    return all;
}

void DrawAtBoardSize(benchmark::State& state, const QByteArray& file) {
    const WmfPlayer player(file);
    bool refused = false;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(player.Render(QSize(500, 500)));
        } catch (const AppError&) {
            refused = true;
        }
    }
    state.SetLabel(refused ? "refused as too costly" : "drawn");
}

void ZigZagPolygon(benchmark::State& state) {
    DrawAtBoardSize(state, Metafile(ZigZag(static_cast<int>(state.range(0)))));
}
BENCHMARK(ZigZagPolygon)
    ->Arg(20)
    ->Arg(60)
    ->Arg(140)
    ->Arg(500)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);

void ManyZigZagPolygons(benchmark::State& state) {
    DrawAtBoardSize(state, Metafile(Repeated(ZigZag(static_cast<int>(state.range(0))), 50)));
}
BENCHMARK(ManyZigZagPolygons)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

void MillionTinyTriangles(benchmark::State& state) {
    const QByteArray triangle =
        Polygon(3, [](int i) { return QPoint(10 + 2 * (i > 0), 10 + 2 * (i > 1)); });
    DrawAtBoardSize(state, Metafile(Repeated(triangle, 1'000'000)));
}
BENCHMARK(MillionTinyTriangles)->Unit(benchmark::kMillisecond);

void FullSizeEllipses(benchmark::State& state) {
    QByteArray ellipse;
    QByteArray parameters;
    for (int value : {1000, 1000, 0, 0})
        Put16(parameters, value);
    Record(ellipse, 0x0418, parameters);
    DrawAtBoardSize(state, Metafile(Repeated(ellipse, 2000)));
}
BENCHMARK(FullSizeEllipses)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
