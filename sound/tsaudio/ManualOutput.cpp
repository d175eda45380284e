#include "ManualOutput.h"

#include "MixSource.h"

void ManualOutput::Start(MixSource& owner) {
    engine = &owner;
}

void ManualOutput::Connect() {
    ++connectRequests;
}

void ManualOutput::Stop() {
    engine = nullptr;
}

std::vector<float> ManualOutput::Pull(std::size_t frames) {
    std::vector<float> samples(frames * MixSource::Channels, 0.0f);
    if (engine) {
        engine->Render(samples.data(), frames);
        engine->DecodeAhead();
    }
    return samples;
}

void ManualOutput::LoseDevice() {
    if (engine)
        engine->OutputFailed();
}

void ManualOutput::RunDry() {
    if (engine)
        engine->OutputUnderrun();
}
