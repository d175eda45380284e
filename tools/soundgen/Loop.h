#pragma once
// A music track being composed as a loop of beats: notes of the generator's instruments at
// beat positions, rendered so that the track is exactly periodic (notes and room that ring
// past its end sound at its start), and checked for stretches that come back unchanged.

#include "Signal.h"

#include <cstdint>
#include <string>
#include <vector>

enum class Instrument { EPiano, Pluck, Pad, Bass, Marimba, Horn };

class Loop {
public:
    Loop(double tempo, int beats);

    // One note: midi number, start beat, length in beats, gain, pan (-1 left .. 1 right) and
    // tone (the electric piano's velocity, the string's brightness; unused by the others).
    void Play(Instrument instrument, int midi, double beat, double length, float gain, float pan,
              float tone = 0.5f);

    // Empty when no stretch of `seconds` that starts on a beat comes back unchanged (the
    // same notes at the same places) within `within` seconds, the way round the loop's end
    // included; otherwise the two beats where it does.
    std::string RepeatedStretch(double seconds, double within) const;

    // The track: the room added, the level brought to `rmsDbfs`. Throws std::runtime_error
    // when a stretch of ten seconds comes back unchanged within a minute.
    Signal Finish(float wet, double rmsDbfs);

private:
    struct Event {
        Instrument instrument;
        int midi;
        double beat;
        double length;
        float gain;
        float pan;
        float tone;
    };

    double secondsPerBeat;
    int beats;
    std::size_t frames;
    Signal signal;
    std::vector<Event> events;
    std::uint32_t seed = 1;
};
