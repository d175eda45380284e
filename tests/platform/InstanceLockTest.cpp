#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <optional>

TEST(InstanceLock, SecondLockIsRefusedUntilTheFirstIsGone) {
    std::optional<InstanceLock> first(std::in_place);
    ASSERT_TRUE(first->Acquired());
    {
        InstanceLock second;
        EXPECT_FALSE(second.Acquired());
    }
    first.reset();
    InstanceLock third;
    EXPECT_TRUE(third.Acquired());
}

TEST(InstanceLock, LockLeftByADeadProcessDoesNotBlock) {
    QProcess process;
    process.start("true");
    ASSERT_TRUE(process.waitForFinished());
    const qint64 deadPid = process.processId() ? process.processId() : 999999;

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QFile stale(folder + "/Tessaly.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write(QByteArray::number(deadPid) + "\ntessaly\n" + QSysInfo::machineHostName().toUtf8() +
                "\n");
    stale.close();

    InstanceLock lock;
    EXPECT_TRUE(lock.Acquired());
}
