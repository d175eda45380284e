// The settings file: whatever is read is written back and read again as the same values,
// writing it a second time changes nothing more, and every number read lies in its range.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "storage/Settings.h"

#include <QFile>
#include <algorithm>
#include <tuple>

namespace {

auto Values() {
    return std::make_tuple(PlayerName, Sound, Music, Volume, Grid, Statist, PlayMode, PuzzleSolved,
                           PuzzleSolvedTotal, MemorySolved, MemorySolvedTotal, PreviewEnabled,
                           LastFolder);
}

bool InRange() {
    const auto counted = [](int count) { return count >= 0; };
    return Volume >= 0 && Volume <= 100 &&
           std::all_of(PuzzleSolved.begin(), PuzzleSolved.end(), counted) &&
           std::all_of(MemorySolved.begin(), MemorySolved.end(), counted) &&
           counted(PuzzleSolvedTotal) && counted(MemorySolvedTotal);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    FuzzSupport::Check(file.open(QIODevice::ReadOnly), "saved settings cannot be read");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::WriteScratchFile(QStringLiteral("tessaly.ini"),
                                                       FuzzSupport::Bytes(data, size));
    ResetSettings();
    try {
        LoadSettings(path);
    } catch (const AppError&) {
        return 0;
    }
    FuzzSupport::Check(InRange(), "a number read outside its range");
    const auto loaded = Values();
    SaveSettings(path);
    const QByteArray once = Read(path);
    ResetSettings();
    LoadSettings(path);
    FuzzSupport::Check(Values() == loaded, "values changed by saving and loading again");
    SaveSettings(path);
    FuzzSupport::Check(Read(path) == once, "a second save changed the file");
    return 0;
}
