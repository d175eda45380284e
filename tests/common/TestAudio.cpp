#include "TestAudio.h"

#include "AudioEngine.h"
#include "ManualOutput.h"
#include "TsAudio.h"
#include "sound/Bass_Dynamic.h"
#include "sound/SoundCues.h"

#include <memory>

namespace TestAudio {

namespace {

int volumeCalls = 0;

std::int32_t CountedSetVolume(std::uint32_t volume) {
    ++volumeCalls;
    return ::BASS_SetVolume(volume);
}

} // namespace

ManualOutput& Open() {
    Bass.BASS_GetVersion = &::BASS_GetVersion;
    Bass.BASS_Init = &::BASS_Init;
    Bass.BASS_GetVolume = &::BASS_GetVolume;
    Bass.BASS_SetVolume = &CountedSetVolume;
    Bass.BASS_StreamCreateFile = &::BASS_StreamCreateFile;
    Bass.BASS_ChannelPlay = &::BASS_ChannelPlay;
    Bass.BASS_ChannelIsActive = &::BASS_ChannelIsActive;
    Bass.BASS_StreamFree = &::BASS_StreamFree;
    Bass.BASS_Stop = &::BASS_Stop;
    Bass.BASS_Free = &::BASS_Free;
    TsAudio::Engine().Release();
    TsAudio::Engine().SetVolume(100);
    auto output = std::make_unique<ManualOutput>();
    ManualOutput& kept = *output;
    TsAudio::Engine().Init(std::move(output));
    SoundChannels = {};
    volumeCalls = 0;
    return kept;
}

int VolumeCalls() {
    return volumeCalls;
}

void Close() {
    TsAudio::Engine().Release();
    Bass = TBassFunctions{};
}

bool Playing(int slot) {
    return TsAudio::Engine().IsPlaying(SoundChannels[slot]);
}

std::vector<int> PlayingSlots() {
    std::vector<int> playing;
    for (int slot = 1; slot <= MusicSlot; ++slot)
        if (Playing(slot))
            playing.push_back(slot);
    return playing;
}

int LastPlayingSlot() {
    int last = 0;
    for (int slot = 1; slot <= MusicSlot; ++slot)
        if (Playing(slot) && (last == 0 || SoundChannels[slot] > SoundChannels[last]))
            last = slot;
    return last;
}

} // namespace TestAudio
