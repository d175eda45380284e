#include "Mp3InfoTag.h"

#include <cstring>

namespace {

std::uint32_t BigEndian32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

// Where the info frame's tag starts inside a Layer III frame: after the 4-byte header,
// the optional checksum and the side information, whose size depends on version and
// channel mode. 0 when the header is no Layer III header.
std::size_t TagOffset(const unsigned char* header) {
    if (header[0] != 0xFF || (header[1] & 0xE0) != 0xE0)
        return 0;
    const int version = (header[1] >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (header[1] >> 1) & 3;   // 1 is Layer III
    if (version == 1 || layer != 1)
        return 0;
    const bool checksum = (header[1] & 1) == 0;
    const bool mono = ((header[3] >> 6) & 3) == 3;
    const std::size_t sideInfo = version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return 4 + (checksum ? 2 : 0) + sideInfo;
}

} // namespace

namespace Mp3InfoTag {

std::size_t SkipId3v2(const unsigned char* data, std::size_t size) {
    if (size < 10 || std::memcmp(data, "ID3", 3) != 0)
        return 0;
    // The tag size is stored in four bytes of seven bits each.
    for (int k = 6; k < 10; ++k)
        if (data[k] & 0x80)
            return 0;
    std::size_t length = 10 + ((std::size_t(data[6]) << 21) | (std::size_t(data[7]) << 14) |
                               (std::size_t(data[8]) << 7) | std::size_t(data[9]));
    if (data[5] & 0x10)
        length += 10; // footer
    return length < size ? length : size;
}

std::uint32_t DeclaredBytes(const unsigned char* data, std::size_t size) {
    const std::size_t frame = SkipId3v2(data, size);
    if (size - frame < 4)
        return 0;
    const std::size_t tag = TagOffset(data + frame);
    if (tag == 0 || size - frame < tag + 8)
        return 0;
    const unsigned char* p = data + frame + tag;
    if (std::memcmp(p, "Xing", 4) != 0 && std::memcmp(p, "Info", 4) != 0)
        return 0;
    const std::uint32_t flags = BigEndian32(p + 4);
    std::size_t field = tag + 8;
    if (flags & 1)
        field += 4; // frame count
    if (!(flags & 2) || size - frame < field + 4)
        return 0;
    return BigEndian32(data + frame + field);
}

bool CutShort(const unsigned char* data, std::size_t size) {
    const std::uint32_t declared = DeclaredBytes(data, size);
    return declared != 0 && size - SkipId3v2(data, size) < declared;
}

} // namespace Mp3InfoTag
