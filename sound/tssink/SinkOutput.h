#pragma once
// The real output: Qt's audio sink, fed with the mix on a thread of the engine's own with an
// event loop of its own, so that a busy window never starves the sound and the window's
// thread never mixes or waits for the sound server.
//
// Nothing connects before the first sound: the thread starts with it. After the server went
// away, the next sound connects again. Stopping waits at most about a second for the thread
// to let go of the sink; a thread held up by a server that does not answer lets go later,
// and never calls the engine again.

#include "AudioOutput.h"

#include <memory>

class EngineGate;
class SinkFeed;

class SinkOutput : public AudioOutput {
public:
    SinkOutput();
    ~SinkOutput() override;

    // Nothing is started yet: that waits for the first Connect.
    void Start(MixSource& engine) override;
    void Connect() override;
    void Stop() override;

private:
    MixSource* engine = nullptr;
    std::shared_ptr<EngineGate> gate;
    SinkFeed* feed = nullptr; // lives on the engine's thread and is deleted there
};
