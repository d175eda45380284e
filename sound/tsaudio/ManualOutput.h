#pragma once
// An output without a device whose owner asks for the samples: tests and measurements
// pull the mix block by block and look at what came out.

#include "AudioOutput.h"

#include <cstddef>
#include <vector>

class ManualOutput : public AudioOutput {
public:
    void Start(MixSource& engine) override;
    void Connect() override;
    void Stop() override;

    // Mixes the next `frames` stereo frames and returns them (interleaved left, right),
    // then lets the engine decode ahead as a real output does; all zeros when the output
    // is not started.
    std::vector<float> Pull(std::size_t frames);

    // Tells the engine that the device is gone, as a real output does when it loses it.
    void LoseDevice();
    // Tells the engine that the device ran dry, as a real output does.
    void RunDry();
    // How often the engine asked for a connection.
    int ConnectRequests() const { return connectRequests; }

private:
    MixSource* engine = nullptr;
    int connectRequests = 0;
};
