#include "EngineGate.h"

#include <thread>

void EngineGate::Close() {
    closed.store(true);
    while (busy.load())
        std::this_thread::yield();
}

bool EngineGate::Wish() {
    wishes.fetch_add(1);
    return !waiting.exchange(true);
}

void EngineGate::Finish() {
    std::lock_guard lock(mutex);
    finished = true;
    finishedSignal.notify_all();
}

bool EngineGate::WaitFinished(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex);
    return finishedSignal.wait_for(lock, limit, [this] { return finished; });
}
