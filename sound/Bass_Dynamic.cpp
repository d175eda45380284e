#include "Bass_Dynamic.h"

#include "platform/SharedLibrary.h"

#include <memory>

namespace {

std::unique_ptr<SharedLibrary> library;

template <typename Function> void Resolve(Function& entry, const char* name) {
    entry = reinterpret_cast<Function>(library->Symbol(name));
}

} // namespace

void BindBass() {
    UnbindBass();
    library = std::make_unique<SharedLibrary>(SharedLibrary::ProgramFolder() + "libtsaudio.so");
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
    library.reset();
}
