#include "platform/picturereader/PictureReply.h"

#include "platform/PictureLimits.h"

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

constexpr char Mark[4] = {'T', 'S', 'P', 'R'};

void Append(QByteArray& bytes, quint32 value) {
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, 4);
}

// The number at `offset`, or 0 where the bytes end before it.
quint32 NumberAt(const QByteArray& bytes, qsizetype offset) {
    if (offset < 0 || offset + 4 > bytes.size())
        return 0;
    char little[4];
    std::memcpy(little, bytes.constData() + offset, sizeof little);
    return qFromLittleEndian<quint32>(little);
}

} // namespace

QByteArray PictureReply::Prelude(QSize header, QSize pixels) {
    QByteArray bytes(Mark, sizeof Mark);
    for (int value : {header.width(), header.height(), pixels.width(), pixels.height()})
        Append(bytes, static_cast<quint32>(std::max(value, 0)));
    return bytes;
}

QSize PictureReply::PixelSize(QSize header, QSize minimumSize) {
    if (minimumSize.width() <= 0 && minimumSize.height() <= 0)
        return header;
    const double byWidth =
        minimumSize.width() > 0 ? double(minimumSize.width()) / header.width() : 0.0;
    const double byHeight =
        minimumSize.height() > 0 ? double(minimumSize.height()) / header.height() : 0.0;
    const double factor = std::max(byWidth, byHeight);
    if (factor >= 1.0)
        return header;
    return QSize(std::max(1, static_cast<int>(std::ceil(header.width() * factor))),
                 std::max(1, static_cast<int>(std::ceil(header.height() * factor))));
}

PictureReply PictureReply::ForSize() {
    return PictureReply(true, QSize());
}

PictureReply PictureReply::ForPicture(QSize minimumSize) {
    // A component <= 0 asks for nothing, and none larger than the largest picture is needed.
    const auto bounded = [](int component) {
        return static_cast<int>(std::clamp<qint64>(component, 0, PictureLimits::MaximumPixels));
    };
    return PictureReply(false, QSize(bounded(minimumSize.width()), bounded(minimumSize.height())));
}

PictureReply::PictureReply(bool sizeOnly, QSize minimumSize)
    : sizeOnly(sizeOnly), minimumSize(minimumSize) {}

void PictureReply::Take(const char* data, qsizetype count) {
    if (count <= 0)
        return;
    if (state != State::Incomplete) {
        // Nothing may follow a complete answer.
        state = State::Broken;
        return;
    }
    if (prelude.size() < PreludeBytes) {
        const qsizetype part = std::min(count, PreludeBytes - prelude.size());
        prelude.append(data, part);
        data += part;
        count -= part;
        if (prelude.size() < PreludeBytes)
            return;
        TakePrelude();
        if (count > 0)
            Take(data, count);
        return;
    }
    TakePixels(data, count);
}

void PictureReply::End() {
    if (state == State::Incomplete)
        state = State::Broken;
}

// Which answer the prelude opens; every size the reader could not have sent breaks it.
void PictureReply::TakePrelude() {
    state = State::Broken;
    if (std::memcmp(prelude.constData(), Mark, sizeof Mark) != 0)
        return;
    const quint32 numbers[4] = {NumberAt(prelude, 4), NumberAt(prelude, 8), NumberAt(prelude, 12),
                                NumberAt(prelude, 16)};
    if (std::any_of(std::begin(numbers), std::end(numbers),
                    [](quint32 number) { return number > INT_MAX; }))
        return;
    header = QSize(static_cast<int>(numbers[0]), static_cast<int>(numbers[1]));
    const QSize sent(static_cast<int>(numbers[2]), static_cast<int>(numbers[3]));
    const bool nothingSent = sent == QSize(0, 0);
    if (header == QSize(0, 0)) {
        if (nothingSent)
            state = State::NotThisKind;
        return;
    }
    if (header.width() <= 0 || header.height() <= 0)
        return;
    if (!PictureLimits::IsAcceptable(header.width(), header.height())) {
        if (nothingSent)
            state = State::TooLarge;
        return;
    }
    if (sizeOnly) {
        if (nothingSent)
            state = State::Size;
        return;
    }
    if (sent != PixelSize(header, minimumSize))
        return;
    pixels = QImage(sent, QImage::Format_RGB888);
    if (!pixels.isNull())
        state = State::Incomplete;
}

void PictureReply::TakePixels(const char* data, qsizetype count) {
    const qint64 rowBytes = qint64(pixels.width()) * 3;
    const qint64 allBytes = rowBytes * pixels.height();
    while (count > 0 && pixelBytesTaken < allBytes) {
        const int row = static_cast<int>(pixelBytesTaken / rowBytes);
        const qint64 column = pixelBytesTaken % rowBytes;
        const qint64 part = std::min<qint64>(count, rowBytes - column);
        std::memcpy(pixels.scanLine(row) + column, data, static_cast<size_t>(part));
        data += part;
        count -= part;
        pixelBytesTaken += part;
    }
    if (pixelBytesTaken == allBytes)
        state = count > 0 ? State::Broken : State::Picture;
}
