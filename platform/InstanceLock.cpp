#include "InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    lock = std::make_unique<QLockFile>(folder + QStringLiteral("/Tessaly.lock"));
    // A lock file whose process is gone counts as stale at once (QLockFile checks the pid).
    lock->setStaleLockTime(0);
    acquired = lock->tryLock(0);
    if (!acquired && lock->error() == QLockFile::LockFailedError) {
        lock->removeStaleLockFile();
        acquired = lock->tryLock(0);
    }
}

void InstanceLock::Release() {
    if (acquired)
        lock->unlock();
    acquired = false;
}
