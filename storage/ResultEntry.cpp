#include "storage/ResultEntry.h"

#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace {

int Significant(std::uint8_t length, int capacity) {
    return std::min<int>(length, capacity);
}

} // namespace

QString ResultEntry::Name() const {
    return Windows1252::Decode(QByteArray(name.data(), Significant(nameLength, NameCapacity)));
}

QString ResultEntry::Time() const {
    return Windows1252::Decode(TimeBytes());
}

QByteArray ResultEntry::TimeBytes() const {
    return QByteArray(time.data(), Significant(timeLength, TimeCapacity));
}

void ResultEntry::SetName(const QString& text) {
    const QByteArray bytes = Windows1252::Encode(text, NameCapacity);
    std::memcpy(name.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    nameLength = static_cast<std::uint8_t>(bytes.size());
}

void ResultEntry::SetTime(const QString& text) {
    const QByteArray bytes = Windows1252::Encode(text, TimeCapacity);
    std::memcpy(time.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    timeLength = static_cast<std::uint8_t>(bytes.size());
}

void ResultEntry::Clear() {
    nameLength = 0;
    timeLength = 0;
}

bool ResultEntry::TimeIsGreaterThan(const ResultEntry& other) const {
    const QByteArray mine = TimeBytes();
    const QByteArray theirs = other.TimeBytes();
    return std::lexicographical_compare(
        theirs.begin(), theirs.end(), mine.begin(), mine.end(), [](char a, char b) {
            return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        });
}
