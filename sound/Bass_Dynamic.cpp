#include "Bass_Dynamic.h"

#include "sound/DLLLoader/TDLLLoader.h"

#include <QBuffer>
#include <QFile>
#include <memory>

namespace {

// The program carries the engine's library image; mapping it links its exports, which
// forward to libtsaudio.so, so the program itself never links the engine.
const char* const CarriedImage = ":/lib/tsaudio.dll";

std::unique_ptr<TDLLLoader> loader;

template <typename Function> void Resolve(Function& entry, const char* name) {
    entry = reinterpret_cast<Function>(loader->GetExportAddress(name));
}

} // namespace

void BindBass() {
    UnbindBass();
    loader = std::make_unique<TDLLLoader>();
    {
        QFile resource(QString::fromLatin1(CarriedImage));
        QByteArray image;
        if (resource.open(QIODevice::ReadOnly))
            image = resource.readAll();
        QBuffer stream(&image);
        // A refused image leaves the loader without exports: every entry stays null and
        // the game runs silent.
        if (stream.open(QIODevice::ReadOnly))
            loader->LoadFromStream(&stream);
    }
    Resolve(Bass.BASS_GetVersion, "BASS_GetVersion");
    Resolve(Bass.BASS_Init, "BASS_Init");
    Resolve(Bass.BASS_GetVolume, "BASS_GetVolume");
    Resolve(Bass.BASS_SetVolume, "BASS_SetVolume");
    Resolve(Bass.BASS_StreamCreateFile, "BASS_StreamCreateFile");
    Resolve(Bass.BASS_ChannelPlay, "BASS_ChannelPlay");
    Resolve(Bass.BASS_ChannelIsActive, "BASS_ChannelIsActive");
    Resolve(Bass.BASS_StreamFree, "BASS_StreamFree");
    Resolve(Bass.BASS_Stop, "BASS_Stop");
    Resolve(Bass.BASS_Free, "BASS_Free");
}

void UnbindBass() {
    Bass = TBassFunctions{};
    // Unloading the image releases its region and closes the engine library.
    loader.reset();
}
