#include "HostileFiles.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace HostileFiles {

bool MakeFifo(const QString& path) {
    return ::mkfifo(FileNames::ToNative(path).constData(), 0600) == 0;
}

bool FinishesWithoutWaitingFor(const QString& fifo, const std::function<void()>& work) {
    auto done = std::async(std::launch::async, [&work] {
        try {
            work();
        } catch (...) {
        }
    });
    if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
        return true;
    // Each open that waits ends when a writer comes and goes; the work may open it again.
    do {
        const int writer = ::open(FileNames::ToNative(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    } while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
    return false;
}

QString WriteRawName(const QString& folder, const QByteArray& rawName, const QByteArray& bytes) {
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(QDir(folder).absolutePath()) + '/' + rawName;
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (descriptor >= 0) {
        qsizetype written = 0;
        while (written < bytes.size()) {
            const ssize_t now = ::write(descriptor, bytes.constData() + written,
                                        static_cast<size_t>(bytes.size() - written));
            if (now <= 0)
                break;
            written += now;
        }
        ::close(descriptor);
    }
    return FileNames::FromNative(path);
}

namespace {

QByteArray Segment(unsigned char marker, const QByteArray& payload) {
    QByteArray segment;
    segment += char(0xFF);
    segment += char(marker);
    const int length = static_cast<int>(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return segment + payload;
}

} // namespace

QByteArray ProgressiveBomb(int width, int height, int scans) {
    QByteArray data = QByteArray::fromHex("FFD8");
    data += Segment(0xDB, QByteArray(1, 0) + QByteArray(64, 1)); // quantisation: all ones
    QByteArray frame;
    frame += char(8);
    frame += char(height >> 8);
    frame += char(height & 0xFF);
    frame += char(width >> 8);
    frame += char(width & 0xFF);
    frame += QByteArray::fromHex("01011100"); // one component, 1 x 1 sampling, table 0
    data += Segment(0xC2, frame);
    // AC table 0: a single one-bit code for symbol 0xE0, an end-of-band run of 2^14 + 14 bits.
    QByteArray table = QByteArray::fromHex("10");
    table += char(1);
    table += QByteArray(15, 0);
    table += char(0xE0);
    data += Segment(0xC4, table);

    const long blocks = long((width + 7) / 8) * ((height + 7) / 8);
    const long runs = (blocks + 32766) / 32767;
    QByteArray bits;
    for (long i = 0; i < runs; ++i)
        bits += "0" + QByteArray(14, '1');
    while (bits.size() % 8 != 0)
        bits += '1';
    QByteArray entropy;
    for (qsizetype i = 0; i < bits.size(); i += 8) {
        const auto byte = static_cast<char>(bits.mid(i, 8).toInt(nullptr, 2));
        entropy += byte;
        if (static_cast<unsigned char>(byte) == 0xFF)
            entropy += char(0);
    }
    const QByteArray scan = Segment(0xDA, QByteArray::fromHex("010100013F00")) + entropy;
    for (int i = 0; i < scans; ++i)
        data += scan;
    return data + QByteArray::fromHex("FFD9");
}

QByteArray TiffOverflowingItsDecoder() {
    QFile file(
        QStringLiteral(TESSALY_SOURCE_DIR "/fuzz/corpus/TiffReaderFuzz/ueberlauf-beim-lesen.tiff"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace HostileFiles
