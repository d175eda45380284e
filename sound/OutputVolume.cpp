#include "sound/OutputVolume.h"

namespace {

// Stands in for the engine's own volume until the engine is bound.
int currentVolume = 50;

} // namespace

int OutputVolume() {
    return currentVolume;
}

void SetOutputVolume(int volume) {
    ++OutputVolumeCalls;
    currentVolume = volume;
}

void ApplyVolumeSetting(int volume) {
    if (OutputVolume() != volume)
        SetOutputVolume(volume);
}
