#pragma once
// Reads the info frame that encoders put at the start of an MP3 ("Xing" or "Info"), so that
// a stream whose bytes end before the length it declares can be told apart.

#include <cstddef>
#include <cstdint>

namespace Mp3InfoTag {

// Offset of the first byte after an ID3v2 tag at the start (0 without one); at most size.
std::size_t SkipId3v2(const unsigned char* data, std::size_t size);

// The stream length in bytes that the info frame declares, counted from that frame's
// first byte; 0 when the data does not start with a frame carrying a length.
std::uint32_t DeclaredBytes(const unsigned char* data, std::size_t size);

// True when the data holds fewer bytes than its info frame declares.
bool CutShort(const unsigned char* data, std::size_t size);

} // namespace Mp3InfoTag
