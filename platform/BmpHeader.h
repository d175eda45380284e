#pragma once
// The start of a BMP file read field by field without trusting any of them: the picture's
// size, the order of its rows and how many bytes its uncompressed pixel rows need.

#include <QByteArray>
#include <QSize>
#include <QtGlobal>
#include <optional>

class BmpHeader {
public:
    // The file header and the largest info header field read here.
    static constexpr qsizetype BytesNeeded = 14 + 40;

    // Nothing when the bytes are no BMP header: no "BM" signature, too short for the info
    // header its size field names, a width of 0 or less, a height of 0 or of -2^31 (which
    // has no positive counterpart).
    static std::optional<BmpHeader> Parse(const QByteArray& start);

    QSize Size() const { return QSize(width, height); }
    // The rows are stored top row first (the header gave a negative height).
    bool TopDown() const { return topDown; }
    int BitCount() const { return bitCount; }
    quint32 Compression() const { return compression; }

    // The bytes a file of uncompressed rows must have at least, saturated at the largest
    // qint64 for absurd headers; nothing for run-length or other packed data, whose size
    // depends on its content.
    std::optional<qint64> RequiredFileSize() const;

private:
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = 0;
    qint64 pixelOffset = 0;
};
