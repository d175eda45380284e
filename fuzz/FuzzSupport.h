#pragma once
// What the fuzz targets share: a Qt application on the offscreen platform, a scratch file
// for code that reads from disk, and a check that turns a broken promise into a finding.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {

// The bytes libFuzzer hands over.
QByteArray Bytes(const uint8_t* data, size_t size);

// Creates the application on the first call (fonts and painting need one).
void EnsureApplication();

// A scratch folder of the process, on a memory file system where there is one.
QString ScratchFolder();

// Writes the bytes to a file of that name in the scratch folder; returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);

// Aborts with the message when the condition does not hold, so that libFuzzer keeps the input.
void Check(bool condition, const char* message);

} // namespace FuzzSupport
