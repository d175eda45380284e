#include "SinkOutput.h"

#include "EngineGate.h"
#include "MixSource.h"
#include "SinkFeed.h"
#include "ThreadPriority.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

namespace {

// Stopping waits this long for the engine's thread to let go of the sink.
constexpr std::chrono::milliseconds StopWait{1000};

// The engine's thread, one for the process, started with the first sound and never ended:
// Qt keeps one connection to the sound server for the whole process and tends it (notices
// that the server went away, connects again) on the thread that first used it.
QThread* EngineThread() {
    static QThread* const thread = [] {
        auto* started = new QThread;
        started->setObjectName(QStringLiteral("tsaudio-output"));
        // Runs on the new thread before its event loop.
        QObject::connect(started, &QThread::started, [] { ThreadPriority::RaiseCurrentThread(); });
        started->start();
        return started;
    }();
    return thread;
}

} // namespace

SinkOutput::SinkOutput() = default;

SinkOutput::~SinkOutput() {
    Stop();
}

void SinkOutput::Start(MixSource& owner) {
    engine = &owner;
}

void SinkOutput::Connect() {
    if (!engine)
        return;
    if (!feed) {
        // Qt's audio needs the program's application object; without one there is no sound.
        if (!QCoreApplication::instance()) {
            engine->OutputFailed();
            return;
        }
        gate = std::make_shared<EngineGate>(*engine);
        feed = new SinkFeed(gate);
        feed->moveToThread(EngineThread());
    }
    feed->AskToConnect();
}

void SinkOutput::Stop() {
    engine = nullptr;
    if (!feed)
        return;
    gate->Close();
    feed->deleteLater();
    // A thread still waiting for the server lets go of the sink when the server answers or
    // gives up; the gate, shared with it, stays until then.
    gate->WaitFinished(StopWait);
    feed = nullptr;
    gate.reset();
}
