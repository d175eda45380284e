#pragma once
// A fresh folder and fresh program-wide stored values for every test of the stored data.

#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class StorageTestFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ResetSettings();
        ResetStatistics();
    }

    QString PathOf(const QString& name) const { return folder.filePath(name); }

    static void WriteBytes(const QString& fileName, const QByteArray& bytes) {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray ReadBytes(const QString& fileName) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    static void MakeReadOnly(const QString& fileName) {
        QFile::setPermissions(fileName, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ReadOther);
    }

    QTemporaryDir folder;
};
