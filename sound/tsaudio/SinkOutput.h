#pragma once
// The real output: a thread of the engine's own that connects to the desktop's sound
// server through Qt's audio sink and feeds it the mix, so that a busy window never
// starves the sound.

#include "AudioOutput.h"

#include <memory>

class QThread;

class SinkOutput : public AudioOutput {
public:
    SinkOutput();
    ~SinkOutput() override;

    // Starts the thread and returns at once; the connection is made on the thread.
    void Start(AudioEngine& engine) override;
    void Stop() override;

private:
    std::unique_ptr<QThread> thread;
};
