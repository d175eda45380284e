#include "SoundCues.h"

#include "platform/Random.h"
#include "storage/Settings.h"

namespace {

constexpr int MusicTrackCount = 3;
bool musicPlaying = false;

void Cue(const char* name) {
    if (Sound)
        CueHistory << QString::fromLatin1(name);
}

} // namespace

void PlaySoundStart() {
    Cue("Start");
}
void PlaySoundTake() {
    Cue("Take");
}
void PlaySoundDrop() {
    Cue("Drop");
}
void PlaySoundFit() {
    Cue("Fit");
}
void PlaySoundSolved() {
    Cue("Solved");
}
void PlaySoundTurn() {
    Cue("Turn");
}
void PlaySoundNoPair() {
    Cue("NoPair");
}

void PlayMusic() {
    if (!Music)
        return;
    if (NewMusicTrack)
        MusicTrack = 1 + Random::Next(MusicTrackCount);
    musicPlaying = true;
    CueHistory << QStringLiteral("Music");
}

void StopMusic() {
    musicPlaying = false;
}

bool MusicPlaying() {
    return musicPlaying;
}

void StopAllSounds() {
    musicPlaying = false;
    CueHistory << QStringLiteral("StopAll");
}
