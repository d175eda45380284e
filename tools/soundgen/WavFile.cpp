#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void Put32(std::ofstream& out, std::uint32_t value) {
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    out.write(bytes, 4);
}

void Put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {char(value), char(value >> 8)};
    out.write(bytes, 2);
}

} // namespace

namespace WavFile {

bool Write(const std::string& path, const Signal& signal) {
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(signal.Frames() * 4);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 2);
    Put32(out, SampleRate);
    Put32(out, SampleRate * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, dataBytes);
    for (std::size_t k = 0; k < signal.Frames(); ++k)
        for (float x : {signal.left[k], signal.right[k]})
            Put16(out,
                  std::uint16_t(std::int16_t(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f))));
    return bool(out);
}

} // namespace WavFile
