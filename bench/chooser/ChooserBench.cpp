// Timings of the picture chooser and of the program's start-up: the first showing of a
// remembered folder of 2,000 JPEG files, the preview of a 6000 x 4000 photo, showing 30
// favorites (whose pictures are such photos), and what start-up creates: the main window,
// and the chooser when it is first needed.

#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "picturedialog/FavoritesStore.h"
#include "picturedialog/PictureFileModel.h"
#include "picturedialog/TOpenDialogForm.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "widgets/OnDemandWindows.h"
#include "widgets/WDCheckBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

QString home;

QString BenchFolder(const QString& name) {
    const QString path = home + QStringLiteral("/bench/") + name + QStringLiteral("/");
    QDir().mkpath(path);
    return path;
}

// A 6000 x 4000 photo-like picture with detail and grain everywhere, so that the file has
// the size of a real camera's (a flat picture would compress to almost nothing).
QString LargePhoto() {
    static const QString path = [] {
        const QString file = BenchFolder(QStringLiteral("photo")) + QStringLiteral("Kamera.jpg");
        QImage image(6000, 4000, QImage::Format_RGB888);
        quint32 noise = 12345;
        for (int y = 0; y < image.height(); ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int grain = static_cast<int>((noise >> 16) % 17) - 8;
                const double wave =
                    std::sin(x * 0.013) * std::cos(y * 0.017) + std::sin(x * 0.31 + y * 0.07) * 0.3;
                line[3 * x] = static_cast<uchar>(std::clamp(128 + int(90 * wave) + grain, 0, 255));
                line[3 * x + 1] =
                    static_cast<uchar>(std::clamp((x / 9 + y / 7) % 256 + grain, 0, 255));
                line[3 * x + 2] =
                    static_cast<uchar>(std::clamp(((x ^ y) & 0xFF) / 2 + 60 + grain, 0, 255));
            }
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(JpegCodec::Encode(image, 90));
        return file;
    }();
    return path;
}

// 2,000 camera-named JPEG files of a few kilobytes each.
QString TwoThousandPictures() {
    static const QString folder = [] {
        const QString path = BenchFolder(QStringLiteral("Urlaub"));
        QImage image(800, 600, QImage::Format_RGB888);
        image.fill(QColor(90, 140, 200));
        const QByteArray bytes = JpegCodec::Encode(image, 80);
        for (int i = 1; i <= 2000; ++i) {
            QFile out(path + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
        }
        return path;
    }();
    return folder;
}

// 30 favorites of 6000 x 4000 photos, with their thumbnails.
void ThirtyFavorites() {
    static const bool made = [] {
        const QString photo = LargePhoto();
        const QString folder = BenchFolder(QStringLiteral("Favoriten-Fotos"));
        const FavoritesStore store(FavoritesDir);
        FavoritesList list;
        for (int i = 1; i <= 30; ++i) {
            const QString picture = folder + QStringLiteral("Foto%1.jpg").arg(i);
            QFile::copy(photo, picture);
            const QString name = list.FreeThumbnailName(picture);
            store.MakeThumbnail(picture, name);
            list.Append(picture, name);
        }
        store.Save(list);
        return true;
    }();
    (void)made;
}

void NoFavorites() {
    QFile::remove(FavoritesDir + QStringLiteral("Favorite.dat"));
}

// A large folder's rows come from a thread; they are there once it has handed them over.
void WaitForRows(const TOpenDialogForm& chooser) {
    while (chooser.ListingFiles())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The first showing of a new chooser with the folder remembered: the tree is walked to it,
// the strips are filled and the 2,000 files listed.
void FirstShowingOfTwoThousandFiles(benchmark::State& state) {
    NoFavorites();
    const QString folder = TwoThousandPictures();
    for (auto _ : state) {
        state.PauseTiming();
        LastFolder = folder;
        auto chooser = std::make_unique<TOpenDialogForm>();
        chooser->setWindowModality(Qt::NonModal);
        state.ResumeTiming();
        chooser->show(); // FormShow, and the first paint below
        QCoreApplication::processEvents();
        WaitForRows(*chooser);
        state.PauseTiming();
        if (chooser->FilePaths.size() != 2000)
            state.SkipWithError("not all files listed");
        chooser.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstShowingOfTwoThousandFiles)->Unit(benchmark::kMillisecond);

// Listing the folder alone, as a click on its node does.
void ListTwoThousandFiles(benchmark::State& state) {
    NoFavorites();
    const QString folder = TwoThousandPictures();
    TOpenDialogForm chooser;
    chooser.Prepare();
    for (auto _ : state) {
        chooser.ShowFolderFiles(folder);
        WaitForRows(chooser);
        // The visible rows are formatted when the list is drawn.
        QAbstractItemModel* model = chooser.ListView1->model();
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                benchmark::DoNotOptimize(model->index(row, column).data());
    }
}
BENCHMARK(ListTwoThousandFiles)->Unit(benchmark::kMillisecond);

void FillMotifStrip(benchmark::State& state) {
    NoFavorites();
    TOpenDialogForm chooser;
    chooser.Prepare();
    for (auto _ : state)
        chooser.FillMotifStrip();
}
BENCHMARK(FillMotifStrip)->Unit(benchmark::kMillisecond);

void PreviewOfA6000x4000Photo(benchmark::State& state) {
    NoFavorites();
    const QString photo = LargePhoto();
    TOpenDialogForm chooser;
    chooser.Prepare();
    chooser.CheckBoxView->SetChecked(true);
    for (auto _ : state)
        chooser.ShowPreview(photo);
    if (chooser.Image1->pixmap().isNull())
        state.SkipWithError("no preview");
    state.counters["bytes"] = static_cast<double>(QFileInfo(photo).size());
}
BENCHMARK(PreviewOfA6000x4000Photo)->Unit(benchmark::kMillisecond);

// For comparison: what one of the favorites' pictures costs to decode in full.
void DecodeA6000x4000PhotoInFull(benchmark::State& state) {
    const QString photo = LargePhoto();
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureFile::Load(photo, PictureFile::Kind::Jpeg));
}
BENCHMARK(DecodeA6000x4000PhotoInFull)->Unit(benchmark::kMillisecond);

// Loading, cleaning and showing 30 favorites of 6000 x 4000 photos.
void ShowThirtyFavorites(benchmark::State& state) {
    ThirtyFavorites();
    TOpenDialogForm chooser;
    chooser.Prepare();
    if (chooser.Favorites().Count() != 30)
        state.SkipWithError("favorites missing");
    for (auto _ : state)
        chooser.ShowFavorites();
}
BENCHMARK(ShowThirtyFavorites)->Unit(benchmark::kMillisecond);

void LoadThirtyFavorites(benchmark::State& state) {
    ThirtyFavorites();
    const FavoritesStore store(FavoritesDir);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Load());
}
BENCHMARK(LoadThirtyFavorites)->Unit(benchmark::kMillisecond);

// Everything main() creates before the event loop runs: the main window, while the dialogs
// wait for their first use.
void StartUp(benchmark::State& state) {
    ThirtyFavorites();
    for (auto _ : state) {
        TFormPuzzle formPuzzle;
        formPuzzle.FormCreate();
        const OnDemandWindows dialogs;
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

// What the chooser costs when it is made at its first use, before it is shown.
void CreateChooser(benchmark::State& state) {
    ThirtyFavorites();
    for (auto _ : state) {
        TOpenDialogForm chooser;
        benchmark::DoNotOptimize(&chooser);
    }
}
BENCHMARK(CreateChooser)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporary;
    home = temporary.path();
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    {
        // The folders the main window sets up at start-up.
        TFormPuzzle formPuzzle;
        formPuzzle.FormCreate();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
