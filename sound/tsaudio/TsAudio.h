#pragma once
// The one engine behind the library's exported functions.

class AudioEngine;

namespace TsAudio {

// The process-wide engine that BASS_Init opens on the sound server. Tests and
// measurements open it on an output of their own instead and then use the same calls.
AudioEngine& Engine();

} // namespace TsAudio
