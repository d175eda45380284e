#pragma once
// Writes a signal as a 16-bit stereo WAV file, the encoder's input.

#include "Signal.h"

#include <string>

namespace WavFile {

// False when the file cannot be written.
bool Write(const std::string& path, const Signal& signal);

} // namespace WavFile
