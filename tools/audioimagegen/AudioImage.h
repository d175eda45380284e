#pragma once
// The library image the game carries for its audio engine: a 32-bit PE library without
// code whose exports forward the engine's functions to tsaudio, laid out byte for byte.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace AudioImage {

// The engine functions the image exports, in the order of the engine's table.
inline constexpr std::array<std::string_view, 10> FunctionNames{"BASS_GetVersion",
                                                                "BASS_Init",
                                                                "BASS_GetVolume",
                                                                "BASS_SetVolume",
                                                                "BASS_StreamCreateFile",
                                                                "BASS_ChannelPlay",
                                                                "BASS_ChannelIsActive",
                                                                "BASS_StreamFree",
                                                                "BASS_Stop",
                                                                "BASS_Free"};

// The library every export is forwarded to ("tsaudio.BASS_Init", ...).
inline constexpr std::string_view EngineLibrary = "tsaudio";

inline constexpr std::uint32_t PreferredBase = 0x10000000;
inline constexpr std::uint32_t ExportSectionRva = 0x1000;
// The data section: the address of each function's name string, in FunctionNames order,
// as 32-bit values that the base relocations keep pointing at the names.
inline constexpr std::uint32_t NameTableRva = 0x2000;
inline constexpr std::uint32_t RelocationSectionRva = 0x3000;
inline constexpr std::uint32_t SizeOfImage = 0x4000;

// The whole image file.
std::vector<std::uint8_t> Build();

// Where the name of FunctionNames[index] lies in the image, relative to its base.
std::uint32_t NameRva(std::size_t index);

} // namespace AudioImage
