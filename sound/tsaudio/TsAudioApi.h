#pragma once
/* The ten operations of the program's audio engine, libtsaudio.so, with C linkage.
 * The game never links the library: it reaches these functions through its binding
 * table (sound/Bass_Dynamic.h), which is filled at start-up. All values are 32 bits wide,
 * except the window handle and the pointers. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TSAUDIO_EXPORT __attribute__((visibility("default")))

/* What BASS_GetVersion answers: major 2 in the low word, minor 1 in the high word. */
#define TSAUDIO_VERSION 0x00010002u

/* Flags of BASS_StreamCreateFile. */
#define TSAUDIO_SAMPLE_LOOP 0x4u         /* the stream starts over at its end */
#define TSAUDIO_SAMPLE_FX 0x80u          /* accepted and ignored */
#define TSAUDIO_STREAM_AUTOFREE 0x40000u /* the stream frees itself at its end */

/* The engine's version, TSAUDIO_VERSION. */
TSAUDIO_EXPORT uint32_t BASS_GetVersion(void);

/* Opens the output: device 1 (or -1) is the desktop's sound server, at 44100 Hz stereo.
 * Returns at once: 1 when the engine started, 0 when it was already running or the device
 * or rate is not offered. The engine's own thread connects to the server when the first
 * stream is created, and again with the next stream after the server went away; until it
 * is reached, streams wait silently. The window and the device identifier are not used. */
TSAUDIO_EXPORT int32_t BASS_Init(int32_t device, uint32_t frequency, uint32_t flags,
                                 uintptr_t window, const void* deviceId);

/* The engine's own output level, 0..100 (100 until it is set). */
TSAUDIO_EXPORT uint32_t BASS_GetVolume(void);

/* Sets the output level; 0 (and no change) for a value above 100. */
TSAUDIO_EXPORT int32_t BASS_SetVolume(uint32_t volume);

/* A stream of the MP3 bytes file + offset .. + length, read in place: the bytes must stay
 * valid while the stream exists. fromMemory must be nonzero (files are not read). Returns
 * a nonzero handle, or 0 when the engine is not open, too many streams exist or the bytes
 * are no playable MP3. */
TSAUDIO_EXPORT uint32_t BASS_StreamCreateFile(int32_t fromMemory, const void* file, uint32_t offset,
                                              uint32_t length, uint32_t flags);

/* Starts the stream (from its beginning when restart is set or it has ended). */
TSAUDIO_EXPORT int32_t BASS_ChannelPlay(uint32_t handle, int32_t restart);

/* 1 while the stream plays, else 0 (also for a freed or unknown handle). */
TSAUDIO_EXPORT uint32_t BASS_ChannelIsActive(uint32_t handle);

/* Frees the stream; one that sounds fades out (a looping one over 150 ms, any other over
 * a few milliseconds). An unknown handle is ignored (answer 0). */
TSAUDIO_EXPORT int32_t BASS_StreamFree(uint32_t handle);

/* Stops every stream; those that would have freed themselves at their end are freed. */
TSAUDIO_EXPORT int32_t BASS_Stop(void);

/* Frees every stream and closes the output. */
TSAUDIO_EXPORT int32_t BASS_Free(void);

#ifdef __cplusplus
}
#endif
