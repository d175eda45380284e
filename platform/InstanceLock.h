#pragma once
// The per-user lock "Tessaly" that lets only one copy of the program run.

#include <QLockFile>
#include <memory>

class InstanceLock {
public:
    // Takes the lock; Acquired() tells whether another copy already held it. A lock left by
    // a copy that died is taken over.
    InstanceLock();

    bool Acquired() const { return acquired; }

    // Lets another copy start: called once nothing of this copy's data is left to write,
    // before it waits for anything outside (a sound server that may not answer).
    void Release();

private:
    std::unique_ptr<QLockFile> lock;
    bool acquired = false;
};
