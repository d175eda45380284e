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

private:
    std::unique_ptr<QLockFile> lock;
    bool acquired = false;
};
