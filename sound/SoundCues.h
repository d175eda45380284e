#pragma once
// The game's sound cues and background music, called at the moments of play they belong
// to. Every call is recorded in CueHistory so that the game's behaviour can be checked.

#include <QString>
#include <QStringList>

// The music track that plays (1..n) and whether the next PlayMusic draws a new one.
inline int MusicTrack = 1;
inline bool NewMusicTrack = true;

// Names of the cues played so far ("Start", "Take", "Drop", "Fit", "Solved", "Turn",
// "NoPair", "Music", "StopAll"), oldest first.
inline QStringList CueHistory;

void PlaySoundStart();
void PlaySoundTake();
void PlaySoundDrop();
void PlaySoundFit();
void PlaySoundSolved();
void PlaySoundTurn();
void PlaySoundNoPair();

// Starts the music: a new random track when NewMusicTrack is set, else MusicTrack again.
void PlayMusic();
void StopMusic();
bool MusicPlaying();

// Stops every cue and the music.
void StopAllSounds();
