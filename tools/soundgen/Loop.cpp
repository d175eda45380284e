#include "Loop.h"

#include "Reverb.h"
#include "Voices.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

using namespace Voices;

namespace {

long Quantised(double value) {
    return std::lround(value * 1000.0);
}

} // namespace

Loop::Loop(double tempo, int beats)
    : secondsPerBeat(60.0 / tempo), beats(beats),
      frames(std::size_t(std::lround(beats * 60.0 / tempo * SampleRate))) {
    // Three rounds, the room applied to all: the middle round carries the tail of the
    // round before it, just as every later repeat of the loop does.
    signal.Resize(3 * frames);
}

void Loop::Play(Instrument instrument, int midi, double beat, double length, float gain, float pan,
                float tone) {
    const double frequency = Frequency(midi);
    const double seconds = length * secondsPerBeat;
    Sound sound;
    switch (instrument) {
    case Instrument::EPiano:
        sound = EPiano(frequency, seconds, tone);
        break;
    case Instrument::Pluck:
        sound = Pluck(frequency, seconds, tone, seed++);
        break;
    case Instrument::Pad:
        sound = Pad(frequency, seconds);
        break;
    case Instrument::Bass:
        sound = Bass(frequency, seconds);
        break;
    case Instrument::Marimba:
        sound = Marimba(frequency, seconds);
        break;
    case Instrument::Horn:
        sound = Horn(frequency, seconds);
        break;
    }
    for (int round = 0; round < 2; ++round)
        signal.AddMono(sound,
                       long(std::lround(beat * secondsPerBeat * SampleRate)) + long(round * frames),
                       gain, pan);
    events.push_back({instrument, midi, beat, length, gain, pan, tone});
}

std::string Loop::RepeatedStretch(double seconds, double within) const {
    const int window = int(std::ceil(seconds / secondsPerBeat));
    const int reach = int(std::floor(within / secondsPerBeat));
    using Key = std::tuple<int, int, long, long, long, long, long>;
    // The notes that start in the `window` beats from `start`, placed relative to it.
    auto stretch = [&](int start) {
        std::vector<Key> keys;
        for (const Event& event : events) {
            double offset = std::fmod(event.beat - start + 2.0 * beats, double(beats));
            if (offset >= window)
                continue;
            keys.emplace_back(int(event.instrument), event.midi, Quantised(offset),
                              Quantised(event.length), Quantised(event.gain), Quantised(event.pan),
                              Quantised(event.tone));
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    std::vector<std::vector<Key>> stretches;
    for (int start = 0; start < beats; ++start)
        stretches.push_back(stretch(start));
    for (int start = 0; start < beats; ++start)
        for (int distance = 1; distance <= reach; ++distance) {
            const int other = (start + distance) % beats;
            if (distance % beats != 0 &&
                stretches[std::size_t(start)] == stretches[std::size_t(other)])
                return "beat " + std::to_string(start) + " comes back at beat " +
                       std::to_string(start + distance);
        }
    return {};
}

Signal Loop::Finish(float wet, double rmsDbfs) {
    const std::string repeated = RepeatedStretch(10.0, 60.0);
    if (!repeated.empty())
        throw std::runtime_error("ten seconds come back unchanged within a minute: " + repeated);
    Reverb(0.7f, 0.45f, wet).Apply(signal);
    Signal loop = signal.Slice(frames, frames);
    loop.NormaliseRms(rmsDbfs);
    return loop;
}
