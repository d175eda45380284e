#pragma once
// Conversion between text and the single-byte Windows-1252 code page, in which the Windows
// version of the program stored names, plus the decoder for files that may mix it with UTF-8.

#include <QByteArray>
#include <QString>

namespace Windows1252 {

// One byte to its character. The five bytes the code page leaves undefined map to the
// control characters of the same number, so that every byte survives a round trip.
char32_t DecodeByte(unsigned char byte);

// The byte of a character, or '?' when the code page has no such character.
unsigned char EncodeChar(char32_t character);

QString Decode(const QByteArray& bytes);

// At most maxCharacters characters (code points, not UTF-16 units), one byte each.
QByteArray Encode(const QString& text, qsizetype maxCharacters);

// UTF-8, except that every byte that does not belong to a valid UTF-8 sequence is taken as
// Windows-1252, so a file written by the Windows version loads without losing its umlauts.
QString DecodeUtf8OrWindows1252(const QByteArray& bytes);

} // namespace Windows1252
