#include "platform/FileNames.h"

namespace {

constexpr char16_t KeptBase = 0xDC00;
constexpr char16_t KeptFirst = 0xDC80; // bytes below 0x80 are always valid UTF-8
constexpr char16_t KeptLast = 0xDCFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence starting at `at`, or 0 when the byte there starts
// none (stray continuation, overlong form, encoded surrogate, beyond U+10FFFF, cut short).
int ValidSequence(const unsigned char* bytes, qsizetype size, qsizetype at, char32_t& code) {
    const unsigned char lead = bytes[at];
    int length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > size)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(bytes[at + i]))
            return 0;
        code = (code << 6) | (bytes[at + i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsKept(char16_t unit) {
    return unit >= KeptFirst && unit <= KeptLast;
}

} // namespace

namespace FileNames {

QString FromNative(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString name;
    name.reserve(size);
    for (qsizetype at = 0; at < size;) {
        char32_t code = 0;
        const int length = ValidSequence(data, size, at, code);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(KeptBase + data[at]));
            ++at;
            continue;
        }
        if (code >= 0x10000) {
            const char32_t wide[1] = {code};
            name += QString::fromUcs4(wide, 1);
        } else {
            name += QChar(static_cast<char16_t>(code));
        }
        at += length;
    }
    return name;
}

QByteArray ToNative(const QString& name) {
    if (!HasKeptBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        // A kept byte never follows a high surrogate in what FromNative makes; in other text
        // such a pair is an ordinary character.
        const bool paired = i > 0 && name[i - 1].isHighSurrogate();
        if (!IsKept(unit) || paired)
            continue;
        bytes += QStringView(name).mid(start, i - start).toUtf8();
        bytes += static_cast<char>(unit - KeptBase);
        start = i + 1;
    }
    bytes += QStringView(name).mid(start).toUtf8();
    return bytes;
}

QString Displayed(const QString& name) {
    if (!HasKeptBytes(name))
        return name;
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsKept(shown[i].unicode()) && !(i > 0 && shown[i - 1].isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QStringList FromNativeArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc && argv[i]; ++i)
        arguments << FromNative(QByteArray(argv[i]));
    return arguments;
}

bool HasKeptBytes(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsKept(name[i].unicode()) && !(i > 0 && name[i - 1].isHighSurrogate()))
            return true;
    return false;
}

} // namespace FileNames
