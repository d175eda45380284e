#pragma once
// Builds 32-bit PE library images for the loader's tests: headers with every field open to
// change, sections laid out by hand, and export, import and relocation tables in them.

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class PeImageWriter {
public:
    static constexpr std::uint32_t Code = 0x60000020;         // code, execute, read
    static constexpr std::uint32_t ReadOnlyData = 0x40000040; // initialized data, read
    static constexpr std::uint32_t WritableData = 0xC0000040; // initialized data, read, write

    struct Section {
        std::string name;
        std::uint32_t rva = 0;
        std::uint32_t virtualSize = 0; // 0: the size of data
        std::uint32_t characteristics = 0;
        std::vector<std::uint8_t> data; // the raw data, as long as written
        bool withoutRawData = false;    // PointerToRawData 0

        // Each appends at the end of data and returns the RVA of what it wrote.
        std::uint32_t Bytes(const void* bytes, std::size_t size);
        std::uint32_t U16(std::uint16_t value);
        std::uint32_t U32(std::uint32_t value);
        std::uint32_t Text(std::string_view text); // with its terminating zero
        std::uint32_t Zeros(std::size_t count);
        void PutU32(std::uint32_t rva, std::uint32_t value);
        std::uint32_t End() const { return rva + static_cast<std::uint32_t>(data.size()); }
    };

    struct Export {
        std::string name;
        std::uint32_t functionRva = 0; // used when forwarder is empty
        std::string forwarder;         // "LIBRARY.FUNCTION", placed inside the directory
    };
    using ImportedFunction = std::variant<std::string, std::uint16_t>; // name or ordinal
    struct Import {
        std::string library;
        std::vector<ImportedFunction> functions;
        // A bound descriptor (TimeDateStamp not 0) takes the names from OriginalFirstThunk;
        // its FirstThunk array then holds stale addresses.
        bool bound = false;
    };
    struct RelocationBlock {
        std::uint32_t page = 0;
        std::vector<std::uint16_t> entries;                      // type << 12 | offset
        std::optional<std::uint32_t> sizeOfBlock = std::nullopt; // none: 8 + 2 * entries
    };

    // Header fields the tests change.
    std::uint16_t machine = 0x014C;
    std::uint32_t preferredBase = 0x10000000;
    std::uint32_t entryPoint = 0;
    std::uint32_t sizeOfImage = 0; // 0: up to the end of the last section, page aligned
    std::uint32_t sizeOfHeaders = 0x400;
    std::uint16_t optionalHeaderSize = 224;
    std::uint32_t numberOfRvaAndSizes = 16;
    std::int32_t peOffset = 0x40;
    std::uint32_t fileAlignment = 0x200;
    struct Directory {
        std::uint32_t rva = 0;
        std::uint32_t size = 0;
    };
    std::array<Directory, 16> directories{};

    // A new section on the next free 0x1000 boundary.
    Section& AddSection(std::string name, std::uint32_t characteristics,
                        std::uint32_t virtualSize = 0);

    // Where AddExports put the export directory and its tables.
    struct ExportTables {
        std::uint32_t directory = 0;
        std::uint32_t functions = 0;
        std::uint32_t names = 0;
        std::uint32_t ordinals = 0;
    };
    // Export directory with one function per export, names in the given order.
    ExportTables AddExports(Section& section, std::string_view libraryName,
                            const std::vector<Export>& exports);
    // Import descriptors; gives the RVA of each library's FirstThunk array.
    std::vector<std::uint32_t> AddImports(Section& section, const std::vector<Import>& imports);
    void AddRelocations(Section& section, const std::vector<RelocationBlock>& blocks);

    std::vector<std::uint8_t> Build() const;

    // Where each part landed in the last Build, for cutting images short.
    struct FileLayout {
        std::uint32_t fileHeader = 0;
        std::uint32_t optionalHeader = 0;
        std::uint32_t sectionTable = 0;
        std::vector<std::uint32_t> rawData;
    };
    FileLayout Layout() const;

    std::deque<Section> sections;
};
