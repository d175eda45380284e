#pragma once
// What Qt's audio sink reads on the engine's thread: each read mixes exactly the frames the
// sink asks for (32-bit float stereo) and lets the engine decode ahead. Once the engine has
// been silent for a while it says so, once, so that the sink can pause.

#include <QIODevice>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class EngineGate;

class MixDevice : public QIODevice {
public:
    // `quiet` is called with the callers' wish count taken before the mix that completed
    // `quietFrames` of silence; it must not block.
    MixDevice(std::shared_ptr<EngineGate> gate, std::size_t quietFrames,
              std::function<void(std::uint64_t wishes)> quiet, QObject* parent);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // After the sink resumed: the next silence is reported again.
    void Rearm() { quietReported = false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<EngineGate> gate;
    std::size_t quietFrames;
    std::function<void(std::uint64_t)> quiet;
    bool quietReported = false;
};
