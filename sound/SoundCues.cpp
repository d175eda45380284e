#include "SoundCues.h"

#include "Bass_Dynamic.h"
#include "platform/ArtResources.h"
#include "platform/Random.h"
#include "storage/Settings.h"

namespace {

constexpr std::uint32_t CueFlags = TSAUDIO_STREAM_AUTOFREE | TSAUDIO_SAMPLE_FX;
constexpr std::uint32_t MusicFlags = TSAUDIO_SAMPLE_LOOP | TSAUDIO_SAMPLE_FX;
constexpr int MusicTrackCount = 3;
// From-memory is passed with all bits set.
constexpr std::int32_t FromMemory = -1;
// Whether StartAudioOutput ran, so that only a started output is released.
bool outputStarted = false;

bool IsPlaying(std::uint32_t handle) {
    return Bass.BASS_ChannelIsActive && Bass.BASS_ChannelIsActive(handle) == 1;
}

void FreeIfPlaying(std::uint32_t handle) {
    if (IsPlaying(handle) && Bass.BASS_StreamFree)
        Bass.BASS_StreamFree(handle);
}

void Cue(const char* resName, int slot) {
    if (Sound)
        PlayResourceSound(QString::fromLatin1(resName), slot, false);
}

} // namespace

void PlayResourceSound(const QString& resName, int slot, bool loop) {
    if (slot < 1 || slot > MusicSlot)
        return;
    const QByteArray bytes = ArtResources::LoadMp3(resName);
    if (bytes.isEmpty())
        return;
    FreeIfPlaying(SoundChannels[slot]);
    SoundChannels[slot] = Bass.BASS_StreamCreateFile
                              ? Bass.BASS_StreamCreateFile(FromMemory, bytes.constData(), 0,
                                                           static_cast<std::uint32_t>(bytes.size()),
                                                           loop ? MusicFlags : CueFlags)
                              : 0;
    if (SoundChannels[slot] && Bass.BASS_ChannelPlay)
        Bass.BASS_ChannelPlay(SoundChannels[slot], 0);
}

void PlaySoundStart() {
    Cue("MP3_101", 1);
}
void PlaySoundDrop() {
    Cue("MP3_102", 2);
}
void PlaySoundTake() {
    Cue("MP3_103", 3);
}
void PlaySoundFit() {
    Cue("MP3_104", 4);
}
void PlaySoundSolved() {
    Cue("MP3_105", 5);
}
void PlaySoundTurn() {
    Cue("MP3_106", 6);
}
void PlaySoundNoPair() {
    Cue("MP3_107", 7);
}

void PlayMusic() {
    if (!Music)
        return;
    if (NewMusicTrack)
        MusicTrack = 1 + Random::Next(MusicTrackCount);
    PlayResourceSound(QStringLiteral("MP3_%1").arg(107 + MusicTrack), MusicSlot, true);
    NewMusicTrack = true;
}

bool MusicPlaying() {
    return IsPlaying(SoundChannels[MusicSlot]);
}

void StopMusic() {
    FreeIfPlaying(SoundChannels[MusicSlot]);
}

void StopAllSounds() {
    for (int slot = 1; slot <= MusicSlot; ++slot)
        FreeIfPlaying(SoundChannels[slot]);
}

bool StartAudioOutput(std::uintptr_t window) {
    // Without a bound engine there is no version to refuse: the game runs silent.
    if (Bass.BASS_GetVersion && Bass.BASS_GetVersion() != TSAUDIO_VERSION)
        return false;
    if (Bass.BASS_Init)
        Bass.BASS_Init(1, 44100, 0, window, nullptr);
    if (Bass.BASS_GetVolume)
        SavedVolume = Bass.BASS_GetVolume();
    if (Bass.BASS_SetVolume)
        Bass.BASS_SetVolume(static_cast<std::uint32_t>(Volume));
    MusicTrack = 1;
    NewMusicTrack = true;
    outputStarted = true;
    return true;
}

void ApplyVolumeSetting() {
    if (Bass.BASS_GetVolume && Bass.BASS_SetVolume &&
        Bass.BASS_GetVolume() != static_cast<std::uint32_t>(Volume))
        Bass.BASS_SetVolume(static_cast<std::uint32_t>(Volume));
}

void ReleaseAudioOutput() {
    if (!outputStarted)
        return;
    outputStarted = false;
    if (Bass.BASS_SetVolume)
        Bass.BASS_SetVolume(SavedVolume);
    StopAllSounds();
    if (Bass.BASS_Stop)
        Bass.BASS_Stop();
    if (Bass.BASS_Free)
        Bass.BASS_Free();
}
