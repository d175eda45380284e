#pragma once
// The output volume of the audio engine (0..100), read and set through one guarded place:
// until the engine is bound the volume is kept here, so the rules that use it already hold.

// The volume the output plays at now.
int OutputVolume();

// Sets the output volume; every call is counted in OutputVolumeCalls.
void SetOutputVolume(int volume);

// Sets the output volume to `volume` only when it differs from the current one, as after
// the settings dialog was confirmed.
void ApplyVolumeSetting(int volume);

// The number of SetOutputVolume calls so far, so that the game's behaviour can be checked.
inline int OutputVolumeCalls = 0;
