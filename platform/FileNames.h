#pragma once
// File names as the system stores them (any bytes but "/" and NUL) held losslessly in a
// QString: valid UTF-8 is decoded as usual, and every byte that is not part of valid UTF-8
// is kept as the lone surrogate U+DC00 + byte, which no decoded text can contain. Such a
// name is shown with the replacement character and opened by its original bytes.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace FileNames {

// The system's bytes of a name or path as the program holds them.
QString FromNative(const QByteArray& bytes);

// The original bytes of a name or path made by FromNative (or of any ordinary text).
QByteArray ToNative(const QString& name);

// The name for the player's eyes: each kept byte shows as U+FFFD.
QString Displayed(const QString& name);

// The program's arguments as the system passed them, each through FromNative (Qt's own list
// drops the bytes of a picture name that is not UTF-8).
QStringList FromNativeArguments(int argc, const char* const* argv);

// True when the name holds kept bytes, i.e. Qt's own file functions would not find it.
bool HasKeptBytes(const QString& name);

} // namespace FileNames
