#pragma once
// A gentle room: parallel damped comb filters into series all-pass filters, one set per
// side with slightly different lengths so that the room is wide.

#include "Signal.h"

class Reverb {
public:
    // room 0..1 (size of the room, length of the tail), damping 0..1 (how quickly the
    // highs die away), wet: how much of the room is heard beside the dry sound.
    Reverb(float room, float damping, float wet);

    // Adds the room to the signal, in place.
    void Apply(Signal& signal) const;

private:
    float feedback;
    float damping;
    float wet;
};
