#pragma once
// The real output: a thread of the engine's own that speaks the desktop sound server's
// protocol (libpulse) and feeds the server the mix whenever it asks for more.
//
// It connects when the engine first has something to play, so a program's start costs no
// connection; after the server went away it connects again with the next sound. A server
// that accepts but never answers is given up after a few seconds, and stopping waits at
// most about a second before it lets the thread finish on its own. Two seconds after the
// last sound ended the stream pauses, so that a silent game does not wake the machine.

#include "AudioOutput.h"

#include <memory>
#include <thread>

class PulseOutput : public AudioOutput {
public:
    PulseOutput();
    ~PulseOutput() override;

    // Nothing is started yet: the thread starts, and connects, with the first Connect.
    void Start(AudioEngine& engine) override;
    void Connect() override;
    void Stop() override;

    struct Shared;

private:
    AudioEngine* engine = nullptr;
    std::shared_ptr<Shared> shared;
    std::thread thread;
};
