#include "MixDevice.h"

#include "EngineGate.h"
#include "MixSource.h"

#include <algorithm>

namespace {

constexpr qint64 FrameBytes = qint64(sizeof(float)) * MixSource::Channels;

} // namespace

MixDevice::MixDevice(std::shared_ptr<EngineGate> gate, std::size_t quietFrames,
                     std::function<void(std::uint64_t)> quiet, QObject* parent)
    : QIODevice(parent), gate(std::move(gate)), quietFrames(quietFrames), quiet(std::move(quiet)) {}

// The mix never runs out; what the sink takes is its own business.
qint64 MixDevice::bytesAvailable() const {
    return MixSource::SampleRate * FrameBytes + QIODevice::bytesAvailable();
}

qint64 MixDevice::readData(char* data, qint64 maxSize) {
    const auto frames = std::size_t(maxSize / FrameBytes);
    auto* samples = reinterpret_cast<float*>(data);
    const std::uint64_t wishes = gate->Wishes();
    std::size_t silent = 0;
    const bool mixed = gate->Call([&](MixSource& engine) {
        engine.Render(samples, frames);
        engine.DecodeAhead();
        silent = engine.SilentFrames();
    });
    if (!mixed)
        std::fill(samples, samples + frames * MixSource::Channels, 0.0f);
    if (silent < quietFrames) {
        quietReported = false;
    } else if (!quietReported) {
        quietReported = true;
        quiet(wishes);
    }
    return qint64(frames) * FrameBytes;
}
