#pragma once
// The engine's output as the game opens it: a stand-in that loads the sound-server output
// (libtssink.so, beside the library that holds this code) with the first sound and hands
// every call on to it. Until then nothing of the sound stack is mapped; when the module
// cannot be loaded, every sound ends at once, as with a server that cannot be reached.

#include "AudioOutput.h"

#include <memory>

class ModuleSinkOutput : public AudioOutput {
public:
    ~ModuleSinkOutput() override;

    void Start(MixSource& engine) override;
    // Loads the module with the first call; called on the callers' thread.
    void Connect() override;
    void Stop() override;

private:
    MixSource* engine = nullptr;
    std::unique_ptr<AudioOutput> output;
};
