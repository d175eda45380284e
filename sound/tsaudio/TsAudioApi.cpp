// The exported functions: thin translations onto the process-wide engine.

#include "TsAudioApi.h"

#include "AudioEngine.h"
#include "ModuleSinkOutput.h"
#include "TsAudio.h"

namespace TsAudio {

AudioEngine& Engine() {
    static AudioEngine engine;
    return engine;
}

} // namespace TsAudio

using TsAudio::Engine;

extern "C" {

uint32_t BASS_GetVersion(void) {
    return TSAUDIO_VERSION;
}

int32_t BASS_Init(int32_t device, uint32_t frequency, uint32_t, uintptr_t, const void*) {
    // One output exists, the desktop's sound server, and the mix runs at one rate.
    if ((device != 1 && device != -1) || frequency != AudioEngine::SampleRate)
        return 0;
    return Engine().Init(std::make_unique<ModuleSinkOutput>()) ? 1 : 0;
}

uint32_t BASS_GetVolume(void) {
    return static_cast<uint32_t>(Engine().Volume());
}

int32_t BASS_SetVolume(uint32_t volume) {
    return volume <= 100 && Engine().SetVolume(static_cast<int>(volume)) ? 1 : 0;
}

uint32_t BASS_StreamCreateFile(int32_t fromMemory, const void* file, uint32_t offset,
                               uint32_t length, uint32_t flags) {
    if (!fromMemory || !file)
        return 0;
    return Engine().CreateStream(static_cast<const unsigned char*>(file) + offset, length, flags);
}

int32_t BASS_ChannelPlay(uint32_t handle, int32_t restart) {
    return Engine().Play(handle, restart != 0) ? 1 : 0;
}

uint32_t BASS_ChannelIsActive(uint32_t handle) {
    return Engine().IsPlaying(handle) ? 1 : 0;
}

int32_t BASS_StreamFree(uint32_t handle) {
    return Engine().FreeStream(handle) ? 1 : 0;
}

int32_t BASS_Stop(void) {
    Engine().StopAll();
    return 1;
}

int32_t BASS_Free(void) {
    const bool wasOpen = Engine().IsOpen();
    Engine().Release();
    return wasOpen ? 1 : 0;
}

} // extern "C"
