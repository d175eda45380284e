#pragma once
// Reads an open file through a descriptor of its own, from any position, and never beyond
// the length the file had when it was opened, so that a file that keeps growing still ends.

#include <QIODevice>
#include <QtGlobal>

class BoundedDevice : public QIODevice {
public:
    // Takes over the descriptor and closes it when it goes.
    BoundedDevice(int descriptor, qint64 length);
    ~BoundedDevice() override;
    BoundedDevice(const BoundedDevice&) = delete;
    BoundedDevice& operator=(const BoundedDevice&) = delete;

    bool isSequential() const override { return false; }
    qint64 size() const override { return length; }

    // Reads `count` bytes from `offset` of the descriptor, going on after interruptions and
    // short reads: the number read (fewer at the end of the file), or -1 on an error.
    static qint64 ReadFully(int descriptor, char* into, qint64 count, qint64 offset);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    int descriptor;
    qint64 length;
};
