#include "storage/IniFile.h"

#include "storage/StoredFile.h"
#include "storage/Windows1252.h"

#include <QList>
#include <cstdint>

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The value of an ASCII digit or hex letter, 99 for any other character.
int DigitValue(QChar c) {
    const char16_t code = c.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    if (code >= u'A' && code <= u'F')
        return code - u'A' + 10;
    return 99;
}

// Digits only, no sign or spaces; nothing when the value does not fit 32 bits.
std::optional<std::uint32_t> ParseDigits(QStringView digits, int base) {
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

IniFile::IniFile(const QString& fileName) : fileName(fileName) {
    if (const auto bytes = StoredFile::ReadIfExists(fileName))
        Parse(*bytes);
}

void IniFile::Parse(const QByteArray& bytes) {
    QByteArray content = bytes;
    // A byte order mark is no part of the first line, but is written back as it was.
    byteOrderMark = content.startsWith("\xEF\xBB\xBF");
    if (byteOrderMark)
        content.remove(0, 3);
    // Each line keeps its own break, so that a file is written back as it was: a CR that is
    // not followed by LF is part of its line's text.
    QList<QByteArray> rawLines = content.split('\n');
    const bool endsWithBreak = rawLines.last().isEmpty();
    if (endsWithBreak)
        rawLines.removeLast(); // the break after the last line does not start another
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        QByteArray raw = rawLines[i];
        Line line;
        if (i + 1 < rawLines.size() || endsWithBreak) {
            line.lineBreak = QStringLiteral("\n");
            if (raw.endsWith('\r')) {
                raw.chop(1);
                line.lineBreak = QStringLiteral("\r\n");
            }
        }
        line.text = Windows1252::DecodeUtf8OrWindows1252(raw);
        const QString trimmed = line.text.trimmed();
        if (trimmed.startsWith(u'[')) {
            line.kind = LineKind::Section;
            const qsizetype close = trimmed.indexOf(u']');
            line.name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
        } else if (!trimmed.startsWith(u';') && !trimmed.startsWith(u'#') &&
                   trimmed.contains(u'=')) {
            line.kind = LineKind::Key;
            const qsizetype equals = trimmed.indexOf(u'=');
            line.name = trimmed.left(equals).trimmed();
            // A value never holds a line break: a CR inside one reads as the space that
            // WriteString() saves it as, so that reading and saving agree.
            line.value = trimmed.mid(equals + 1).replace(u'\r', u' ').trimmed();
        }
        lines.push_back(line);
    }
    if (!lines.empty() && !lines.front().lineBreak.isEmpty())
        lineBreak = lines.front().lineBreak;
}

std::optional<std::size_t> IniFile::FindSection(const QString& section) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t sectionLine, const QString& key,
                                            std::size_t* insertAt) const {
    std::size_t afterLastKey = sectionLine + 1;
    for (std::size_t i = sectionLine + 1; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section)
            break;
        if (lines[i].kind != LineKind::Key)
            continue;
        if (SameName(lines[i].name, key))
            return i;
        afterLastKey = i + 1;
    }
    if (insertAt)
        *insertAt = afterLastKey;
    return std::nullopt;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    const auto sectionLine = FindSection(section);
    if (!sectionLine)
        return std::nullopt;
    const auto keyLine = FindKey(*sectionLine, key);
    if (!keyLine)
        return std::nullopt;
    return lines[*keyLine].value;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    QString value = Value(section, key).value_or(defaultValue);
    if (value.size() > MaxValueLength) {
        value.truncate(MaxValueLength);
        if (value.back().isHighSurrogate())
            value.chop(1);
    }
    return value;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const auto value = Value(section, key);
    if (!value)
        return defaultValue;
    return ParseInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> IniFile::ParseInteger(const QString& text) {
    if (text.size() >= 3 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        // Hexadecimal values are bit patterns: 0xFFFFFFFF is -1.
        const auto bits = ParseDigits(QStringView(text).mid(2), 16);
        if (!bits)
            return std::nullopt;
        return static_cast<int>(*bits);
    }
    QStringView digits(text);
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits = digits.mid(1);
    const auto magnitude = ParseDigits(digits, 10);
    if (!magnitude || *magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu))
        return std::nullopt;
    return negative ? static_cast<int>(-static_cast<std::int64_t>(*magnitude))
                    : static_cast<int>(*magnitude);
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    // A line break in a value would end the line and start a key or section of its own.
    QString cleanValue = value;
    cleanValue.replace(u'\r', u' ').replace(u'\n', u' ');

    Line keyLine;
    keyLine.kind = LineKind::Key;
    keyLine.name = key;
    keyLine.value = cleanValue.trimmed();
    keyLine.text = key + u'=' + cleanValue;
    keyLine.lineBreak = lineBreak;

    auto sectionLine = FindSection(section);
    if (!sectionLine) {
        if (!lines.empty() && !lines.back().text.trimmed().isEmpty())
            lines.push_back(Line{LineKind::Other, {}, {}, {}, lineBreak});
        Line header;
        header.lineBreak = lineBreak;
        header.kind = LineKind::Section;
        header.name = section;
        header.text = u'[' + section + u']';
        lines.push_back(header);
        lines.push_back(keyLine);
        return;
    }
    std::size_t insertAt = 0;
    if (const auto existing = FindKey(*sectionLine, key, &insertAt)) {
        // The key keeps the spelling the file gave it.
        keyLine.name = lines[*existing].name;
        keyLine.text = keyLine.name + u'=' + cleanValue;
        keyLine.lineBreak = lines[*existing].lineBreak;
        lines[*existing] = keyLine;
        return;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniFile::ToBytes() const {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Only the file's last line may lack a break; once others follow it, it gets one.
        const Line& line = lines[i];
        const bool last = i + 1 == lines.size();
        text += line.text + (line.lineBreak.isEmpty() && !last ? lineBreak : line.lineBreak);
    }
    return (byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

void IniFile::UpdateFile() const {
    StoredFile::Replace(fileName, ToBytes());
}
