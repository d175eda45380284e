#include "storage/Windows1252.h"

#include <QList>
#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the other bytes are their own code points.
constexpr std::array<char32_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the valid UTF-8 sequence starting at bytes[pos] and its code point; 0 when the
// bytes there are not valid UTF-8 (overlong forms, surrogates and values above U+10FFFF
// included).
int Utf8Sequence(const QByteArray& bytes, qsizetype pos, char32_t& codePoint) {
    const auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(pos);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

namespace Windows1252 {

char32_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return upperControlRange[byte - 0x80];
    return byte;
}

unsigned char EncodeChar(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < upperControlRange.size(); ++i) {
        if (upperControlRange[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

QString Decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(QChar(static_cast<char16_t>(DecodeByte(static_cast<unsigned char>(byte)))));
    return text;
}

QByteArray Encode(const QString& text, qsizetype maxCharacters) {
    QByteArray bytes;
    for (const char32_t character : text.toUcs4()) {
        if (bytes.size() >= maxCharacters)
            break;
        bytes.append(static_cast<char>(EncodeChar(character)));
    }
    return bytes;
}

QString DecodeUtf8OrWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        char32_t codePoint = 0;
        const int length = Utf8Sequence(bytes, pos, codePoint);
        if (length == 0) {
            codePoint = DecodeByte(static_cast<unsigned char>(bytes[pos]));
            pos += 1;
        } else {
            pos += length;
        }
        // Appended as UTF-16 by hand: QString::fromUcs4 would take a U+FEFF for a byte
        // order mark and drop it.
        if (QChar::requiresSurrogates(codePoint)) {
            text.append(QChar(QChar::highSurrogate(codePoint)));
            text.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            text.append(QChar(static_cast<char16_t>(codePoint)));
        }
    }
    return text;
}

} // namespace Windows1252
