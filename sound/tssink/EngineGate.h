#pragma once
// What the sink output's two sides share: the gate through which the engine's thread calls
// the engine until the output stops, the callers' wishes for a connection, and the word
// that the engine's thread has let go of its sink.
//
// Closing the gate waits only for a call under way, which mixes and never waits for the
// sound server; after it, nothing reaches the engine any more.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

class MixSource;

class EngineGate {
public:
    explicit EngineGate(MixSource& engine) : engine(engine) {}
    EngineGate(const EngineGate&) = delete;
    EngineGate& operator=(const EngineGate&) = delete;

    // Calls f(engine) unless the gate is closed; false when it is.
    template <typename F> bool Call(F&& f) {
        busy.store(true);
        const bool open = !closed.load();
        if (open)
            f(engine);
        busy.store(false);
        return open;
    }
    // From the callers' side; returns once no call is under way.
    void Close();

    // The callers want a connection: true when the engine's thread has to be told, that is
    // when no earlier wish is still waiting for it.
    bool Wish();
    // The engine's thread takes up the waiting wishes; a later one tells it again.
    void TakeWishes() { waiting.store(false); }
    // How many wishes there were: one that comes after a look at this number is news.
    std::uint64_t Wishes() const { return wishes.load(); }

    // The engine's thread has let go of its sink.
    void Finish();
    // Waits for Finish at most `limit`; false when it has not come.
    bool WaitFinished(std::chrono::milliseconds limit);

private:
    MixSource& engine;
    std::atomic<bool> closed{false};
    std::atomic<bool> busy{false};
    std::atomic<bool> waiting{false};
    std::atomic<std::uint64_t> wishes{0};
    std::mutex mutex;
    std::condition_variable finishedSignal;
    bool finished = false;
};
