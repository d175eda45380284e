#pragma once
// The game's sounds: seven cues and the looping music, each on its slot of the audio
// engine, and the start and end of the audio output. The engine is reached through the
// binding table (Bass_Dynamic.h); with no engine bound the game runs silent.

#include <QString>
#include <array>
#include <cstdint>

// One stream handle per cue (slots 1..7) and one for the music (slot 8); index 0 is not
// used. A slot keeps the handle of the last stream created for it, 0 after a failure.
inline std::array<std::uint32_t, 9> SoundChannels{};
constexpr int MusicSlot = 8;

// The engine's output level found at start-up, put back at the end.
inline std::uint32_t SavedVolume = 0;

// The music track that plays ("MP3_108" .. "MP3_110" for 1..3) and whether the next
// PlayMusic draws a new one.
inline int MusicTrack = 1;
inline bool NewMusicTrack = true;

// Plays the embedded MP3 resName on the slot: a sound still playing there is freed first,
// so a cue triggered again starts over instead of sounding twice. A missing resource is
// skipped and leaves the slot as it was.
void PlayResourceSound(const QString& resName, int slot, bool loop);

// The cues; each does nothing while the Sound setting is off.
void PlaySoundStart();
void PlaySoundDrop();
void PlaySoundTake();
void PlaySoundFit();
void PlaySoundSolved();
void PlaySoundTurn();
void PlaySoundNoPair();

// Starts the music from its beginning when the Music setting is on: a new random track
// when NewMusicTrack is set, else MusicTrack again; afterwards NewMusicTrack is set.
void PlayMusic();

// Whether the music stream plays, and freeing it if so.
bool MusicPlaying();
void StopMusic();

// Frees every slot's stream that still plays.
void StopAllSounds();

// Start of the output: false when the engine is of another version (the program then
// ends silently); otherwise opens the output, keeps SavedVolume and applies the Volume
// setting, and resets the music track.
bool StartAudioOutput(std::uintptr_t window);

// Sets the engine's level to the Volume setting if the two differ.
void ApplyVolumeSetting();

// End of the output: the level back to SavedVolume, the playing streams freed, stop and
// release.
void ReleaseAudioOutput();
