#include "SinkFeed.h"

#include "EngineGate.h"
#include "MixDevice.h"
#include "MixSource.h"
#include "ServerProbe.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <chrono>

namespace {

constexpr int FrameBytes = int(sizeof(float)) * MixSource::Channels;
// About 80 ms between the mix and the loudspeaker: the server keeps about 60 ms of it queued
// and asks for more every 20 ms, so a wake-up of this thread may come some 40 ms late on a
// loaded machine before the sound would break, and a cue still follows its click closely.
// (Below about 55 ms Qt's sink never starts: it feeds whole 20 ms periods into what is free.)
constexpr int BufferBytes = MixSource::SampleRate * 80 / 1000 * FrameBytes;
// After this much silence the sink pauses until the next sound, so that a silent game
// does not wake the machine fifty times a second.
constexpr std::size_t PauseAfterFrames = 2 * MixSource::SampleRate;
// How often and how long a connection is tried while the server cannot be reached: Qt
// connects again to a server that went away three seconds later, if it is back by then.
constexpr int RetryMs = 250;
constexpr int GiveUpMs = 4000;

// How long a server may take to answer before Qt is first asked to connect to it.
constexpr std::chrono::milliseconds ProbeLimit{1500};

// Whether Qt has been asked to connect; only the engine's thread touches it.
bool qtAsked = false;

QAudioFormat MixFormat() {
    QAudioFormat format;
    format.setSampleRate(MixSource::SampleRate);
    format.setChannelCount(MixSource::Channels);
    format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    format.setSampleFormat(QAudioFormat::Float);
    return format;
}

} // namespace

SinkFeed::SinkFeed(std::shared_ptr<EngineGate> shared)
    : gate(std::move(shared)),
      mix(new MixDevice(
          gate, PauseAfterFrames,
          [this](std::uint64_t wishes) {
              // Not from inside the sink's read: the sink pauses once the read is done.
              QMetaObject::invokeMethod(
                  this, [this, wishes] { Pause(wishes); }, Qt::QueuedConnection);
          },
          this)),
      retry(this) {
    mix->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    retry.setInterval(RetryMs);
    connect(&retry, &QTimer::timeout, this, [this] { TryAgain(); });
}

SinkFeed::~SinkFeed() {
    // Qt's sink lets the thread's events through while it closes: nothing may start anew.
    closing = true;
    retry.stop();
    QAudioSink* closed = sink;
    sink = nullptr;
    delete closed;
    gate->Finish();
}

void SinkFeed::AskToConnect() {
    if (gate->Wish())
        QMetaObject::invokeMethod(
            this, [this] { TakeWishes(); }, Qt::QueuedConnection);
}

void SinkFeed::TakeWishes() {
    gate->TakeWishes();
    if (closing)
        return;
    if (sink) {
        if (paused) {
            sink->resume();
            paused = false;
            mix->Rearm();
        }
        return;
    }
    if (retry.isActive() || Open())
        return;
    trying.start();
    retry.start();
}

bool SinkFeed::Open() {
    // Qt is not asked before a server has answered (see ServerProbe.h).
    if (!qtAsked && !ServerProbe::Answers(ProbeLimit))
        return false;
    qtAsked = true;
    // The first call connects Qt to the server and may take as long as the server does.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    auto* candidate = new QAudioSink(device, MixFormat());
    candidate->setBufferSize(qEnvironmentVariableIsSet("TS_DIAG_BUFFER_MS")
                                 ? MixSource::SampleRate *
                                       qEnvironmentVariableIntValue("TS_DIAG_BUFFER_MS") / 1000 *
                                       FrameBytes
                                 : BufferBytes);
    candidate->start(mix);
    if (candidate->error() != QAudio::NoError || candidate->state() == QAudio::StoppedState) {
        // Qt's sink lets this thread's events through when it is deleted: it goes later,
        // between two events, on its own.
        candidate->deleteLater();
        return false;
    }
    sink = candidate;
    sink->setParent(this);
    paused = false;
    mix->Rearm();
    connect(sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) { OnState(state); });
    return true;
}

void SinkFeed::TryAgain() {
    if (closing || Open()) {
        retry.stop();
    } else if (trying.hasExpired(GiveUpMs)) {
        retry.stop();
        gate->Call([](MixSource& engine) { engine.OutputFailed(); });
    }
}

void SinkFeed::OnState(QAudio::State state) {
    if (qEnvironmentVariableIsSet("TS_DIAG"))
        fprintf(stderr, "DIAG state %d error %d\n", int(state), sink ? int(sink->error()) : -1);
    if (!sink || closing)
        return;
    if (state == QAudio::IdleState && sink->error() == QAudio::UnderrunError)
        gate->Call([](MixSource& engine) { engine.OutputUnderrun(); });
    else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError)
        Lost();
}

void SinkFeed::Lost() {
    sink->disconnect(this);
    sink->setParent(nullptr);
    sink->deleteLater();
    sink = nullptr;
    paused = false;
    gate->Call([](MixSource& engine) { engine.OutputFailed(); });
}

void SinkFeed::Pause(std::uint64_t wishes) {
    // A sound asked for since the silent mix was made keeps the sink going.
    if (closing || !sink || paused || gate->Wishes() != wishes)
        return;
    sink->suspend();
    paused = true;
}
