#pragma once
// One entry of a best-time list, laid out byte for byte as a 25-byte record of the
// statistics files: name and time as length-prefixed Windows-1252 texts of fixed capacity.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct ResultEntry {
    static constexpr int NameCapacity = 15;
    static constexpr int TimeCapacity = 8;
    static constexpr int RecordSize = 25;

    std::uint8_t nameLength = 0;
    std::array<char, NameCapacity> name{};
    std::uint8_t timeLength = 0;
    std::array<char, TimeCapacity> time{};

    // The significant characters. A length byte larger than the capacity (a damaged file)
    // counts as the capacity.
    QString Name() const;
    QString Time() const;
    QByteArray TimeBytes() const;

    // Stores the first 15 (8) characters; characters the code page lacks become '?'. The
    // bytes beyond the new length keep what they held, as the file format always had it.
    void SetName(const QString& text);
    void SetTime(const QString& text);

    // Used when either length is not 0.
    bool IsUsed() const { return nameLength != 0 || timeLength != 0; }

    // Sets both lengths to 0; the characters stay.
    void Clear();

    // True when this entry's time sorts after the other's: byte by byte by unsigned value, a
    // prefix before the longer text. For "hh:nn:ss" texts that is the later time.
    bool TimeIsGreaterThan(const ResultEntry& other) const;
};

static_assert(sizeof(ResultEntry) == ResultEntry::RecordSize, "a record has no padding");
