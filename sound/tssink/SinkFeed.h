#pragma once
// The engine's thread's half of the sink output: Qt's audio sink in pull mode, reading the
// mix from a MixDevice. It connects when the callers first want sound and keeps trying for a
// few seconds while the server cannot be reached (the sounds wait meanwhile); it ends every
// stream when the server goes away and connects again with the next sound; and it pauses
// the sink after two seconds of silence.
//
// Qt keeps one connection to the server for the process. After the server went away, Qt
// connects again once, three seconds later: a server that is back by then (a restart) is
// found again, one that stays away longer is not, until the program starts anew.
//
// Made on the callers' thread and moved to the engine's thread; every member function but
// AskToConnect runs there, and it is deleted there (deleteLater), which lets go of the sink.

#include <QAudio>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>

class EngineGate;
class MixDevice;
class QAudioSink;

class SinkFeed : public QObject {
public:
    explicit SinkFeed(std::shared_ptr<EngineGate> gate);
    ~SinkFeed() override;

    // From the callers' thread: there is something to play. Returns at once.
    void AskToConnect();

private:
    void TakeWishes();
    // A sink that has started playing, or false when the server cannot be reached now.
    bool Open();
    void TryAgain();
    void OnState(QAudio::State state);
    // The server went away: every stream ends; the next sound connects again.
    void Lost();
    void Pause(std::uint64_t wishes);

    std::shared_ptr<EngineGate> gate;
    MixDevice* mix;
    QAudioSink* sink = nullptr;
    QTimer retry;
    QElapsedTimer trying;
    bool paused = false;
    bool closing = false;
};
