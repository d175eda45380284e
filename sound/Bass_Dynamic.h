#pragma once
// The game's binding to the audio engine: a table of the engine's functions, filled at
// start-up. The game never links the engine; every call goes through this table, and an
// entry that could not be bound stays null (callers check before calling).

#include "sound/tsaudio/TsAudioApi.h"

struct TBassFunctions {
    decltype(&::BASS_GetVersion) BASS_GetVersion = nullptr;
    decltype(&::BASS_Init) BASS_Init = nullptr;
    decltype(&::BASS_GetVolume) BASS_GetVolume = nullptr;
    decltype(&::BASS_SetVolume) BASS_SetVolume = nullptr;
    decltype(&::BASS_StreamCreateFile) BASS_StreamCreateFile = nullptr;
    decltype(&::BASS_ChannelPlay) BASS_ChannelPlay = nullptr;
    decltype(&::BASS_ChannelIsActive) BASS_ChannelIsActive = nullptr;
    decltype(&::BASS_StreamFree) BASS_StreamFree = nullptr;
    decltype(&::BASS_Stop) BASS_Stop = nullptr;
    decltype(&::BASS_Free) BASS_Free = nullptr;
};

inline TBassFunctions Bass;

// Maps the carried library image and fills the table from its exports, which lead into
// libtsaudio.so (beside the program or where it is installed); entries that cannot be
// resolved (or all of them, without the image or the engine) stay null. Called before any
// window exists.
void BindBass();

// Clears the table and unloads the image, which closes the engine; called when the
// program ends.
void UnbindBass();
