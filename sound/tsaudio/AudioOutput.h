#pragma once
// Where the engine's mixed samples go: an output pulls them from the engine at its own
// pace, on a thread of its own or when its owner asks.

class AudioEngine;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Begins pulling from engine (AudioEngine::Render). An output that cannot reach its
    // device tells the engine so through AudioEngine::OutputFailed, now or later.
    virtual void Start(AudioEngine& engine) = 0;

    // Stops pulling; once it returns, Render is not called any more.
    virtual void Stop() = 0;
};
