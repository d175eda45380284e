#include "SinkOutput.h"

#include "AudioEngine.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// About 60 ms of sound between a cue's trigger and the loudspeaker: short enough to feel
// immediate, long enough that a late wake-up of the thread does not break the sound.
constexpr int BufferFrames = 2646;
constexpr int BytesPerFrame = 2 * AudioEngine::Channels;

// The sink reads the mix from this device, on the thread that runs the sink.
class MixDevice : public QIODevice {
public:
    explicit MixDevice(AudioEngine& engine) : engine(engine) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return BufferFrames * BytesPerFrame; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const std::size_t frames = static_cast<std::size_t>(maxSize / BytesPerFrame);
        if (mix.size() < frames * AudioEngine::Channels)
            mix.resize(frames * AudioEngine::Channels);
        engine.Render(mix.data(), frames);
        auto* samples = reinterpret_cast<qint16*>(data);
        for (std::size_t k = 0; k < frames * AudioEngine::Channels; ++k)
            samples[k] =
                static_cast<qint16>(std::lround(std::clamp(mix[k], -1.0f, 1.0f) * 32767.0f));
        return static_cast<qint64>(frames * BytesPerFrame);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    AudioEngine& engine;
    std::vector<float> mix;
};

class SinkThread : public QThread {
public:
    explicit SinkThread(AudioEngine& engine) : engine(engine) {}

protected:
    void run() override {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            engine.OutputFailed();
            return;
        }
        QAudioFormat format;
        format.setSampleRate(AudioEngine::SampleRate);
        format.setChannelCount(AudioEngine::Channels);
        format.setSampleFormat(QAudioFormat::Int16);
        MixDevice mix(engine);
        mix.open(QIODevice::ReadOnly);
        QAudioSink sink(device, format);
        sink.setBufferSize(BufferFrames * BytesPerFrame);
        // A server that goes away stops the sink with an error: the game goes on silent.
        QObject::connect(&sink, &QAudioSink::stateChanged, &sink,
                         [this, &sink](QAudio::State state) {
                             if (state == QAudio::StoppedState && sink.error() != QAudio::NoError)
                                 engine.OutputFailed();
                         });
        sink.start(&mix);
        if (sink.error() != QAudio::NoError) {
            engine.OutputFailed();
            return;
        }
        exec();
        sink.stop();
    }

private:
    AudioEngine& engine;
};

} // namespace

SinkOutput::SinkOutput() = default;

SinkOutput::~SinkOutput() {
    Stop();
}

void SinkOutput::Start(AudioEngine& engine) {
    // Qt's audio needs the program's application object; without one there is no output.
    if (!QCoreApplication::instance()) {
        engine.OutputFailed();
        return;
    }
    thread = std::make_unique<SinkThread>(engine);
    thread->start();
}

void SinkOutput::Stop() {
    if (!thread)
        return;
    thread->quit();
    thread->wait();
    thread.reset();
}
