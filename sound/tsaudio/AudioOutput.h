#pragma once
// Where the engine's mixed samples go: an output pulls them from the engine at its own
// pace, on a thread of its own or when its owner asks.

class MixSource;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Begins serving the engine (MixSource::Render and the calls below it). An output
    // that cannot reach its device tells the engine so through MixSource::OutputFailed.
    virtual void Start(MixSource& engine) = 0;

    // The engine has something to play: an output without a connection to its device
    // makes one now, one that paused resumes. Returns at once; called often.
    virtual void Connect() {}

    // Stops serving; once it returns, the output calls nothing of the engine any more.
    virtual void Stop() = 0;
};
