#include "AudioImage.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace AudioImage {

namespace {

constexpr std::uint32_t FileAlignment = 0x200;
constexpr std::uint32_t SectionAlignment = 0x1000;
constexpr std::uint32_t SizeOfHeaders = 0x200;
constexpr std::uint32_t PeOffset = 0x40;
constexpr std::uint16_t SectionCount = 3;
constexpr std::uint16_t OptionalHeaderSize = 224;

constexpr std::uint32_t ExportDirectorySize = 40;
constexpr std::uint32_t ReadOnlyData = 0x40000040;    // initialized data, read
constexpr std::uint32_t WritableData = 0xC0000040;    // initialized data, read, write
constexpr std::uint32_t DiscardableData = 0x42000040; // initialized data, discardable, read
constexpr int HighLow = 3;

// Little-endian writer into a growing byte buffer.
class Bytes {
public:
    std::vector<std::uint8_t> data;

    std::uint32_t Size() const { return static_cast<std::uint32_t>(data.size()); }
    void U8(std::uint8_t value) { data.push_back(value); }
    void U16(std::uint16_t value) {
        U8(static_cast<std::uint8_t>(value));
        U8(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }
    void Text(std::string_view text) {
        data.insert(data.end(), text.begin(), text.end());
        U8(0);
    }
    void Fixed(std::string_view text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            U8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
    void PadTo(std::uint32_t size) { data.resize(std::max<std::size_t>(data.size(), size), 0); }
    void Align(std::uint32_t alignment) { PadTo((Size() + alignment - 1) / alignment * alignment); }
};

std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

std::string Forwarder(std::string_view function) {
    return std::string(EngineLibrary) + "." + std::string(function);
}

std::string LibraryFileName() {
    return std::string(EngineLibrary) + ".dll";
}

// Export names in ascending byte order, as the format asks, each with its function index.
std::vector<std::size_t> SortedNameOrder() {
    std::vector<std::size_t> order(FunctionNames.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(),
              [](std::size_t a, std::size_t b) { return FunctionNames[a] < FunctionNames[b]; });
    return order;
}

// Layout of the export section, relative to its start.
struct ExportLayout {
    std::uint32_t functions = ExportDirectorySize;
    std::uint32_t names = functions + 4 * FunctionNames.size();
    std::uint32_t ordinals = names + 4 * FunctionNames.size();
    std::uint32_t libraryName = ordinals + 2 * FunctionNames.size();
    std::vector<std::uint32_t> functionName; // by function index
    std::vector<std::uint32_t> forwarder;    // by function index
    std::uint32_t end = 0;

    ExportLayout() {
        std::uint32_t at = libraryName + static_cast<std::uint32_t>(LibraryFileName().size()) + 1;
        for (std::string_view name : FunctionNames) {
            functionName.push_back(at);
            at += static_cast<std::uint32_t>(name.size()) + 1;
        }
        for (std::string_view name : FunctionNames) {
            forwarder.push_back(at);
            at += static_cast<std::uint32_t>(Forwarder(name).size()) + 1;
        }
        end = at;
    }
};

Bytes ExportSection() {
    const ExportLayout layout;
    const std::uint32_t base = ExportSectionRva;
    const auto count = static_cast<std::uint32_t>(FunctionNames.size());
    Bytes section;
    section.U32(0);                         // Characteristics
    section.U32(0);                         // TimeDateStamp
    section.U16(0);                         // MajorVersion
    section.U16(0);                         // MinorVersion
    section.U32(base + layout.libraryName); // Name
    section.U32(1);                         // Base
    section.U32(count);                     // NumberOfFunctions
    section.U32(count);                     // NumberOfNames
    section.U32(base + layout.functions);   // AddressOfFunctions
    section.U32(base + layout.names);       // AddressOfNames
    section.U32(base + layout.ordinals);    // AddressOfNameOrdinals
    // Every function lies inside the export directory: each one is a forwarder.
    for (std::uint32_t index = 0; index < count; ++index)
        section.U32(base + layout.forwarder[index]);
    const std::vector<std::size_t> order = SortedNameOrder();
    for (std::size_t index : order)
        section.U32(base + layout.functionName[index]);
    for (std::size_t index : order)
        section.U16(static_cast<std::uint16_t>(index));
    section.Text(LibraryFileName());
    for (std::string_view name : FunctionNames)
        section.Text(name);
    for (std::string_view name : FunctionNames)
        section.Text(Forwarder(name));
    return section;
}

Bytes NameTableSection() {
    Bytes section;
    for (std::size_t index = 0; index < FunctionNames.size(); ++index)
        section.U32(PreferredBase + NameRva(index));
    return section;
}

Bytes RelocationSection() {
    Bytes section;
    const auto count = static_cast<std::uint32_t>(FunctionNames.size());
    // One block for the name table's page; a padding entry keeps the block 4-byte aligned.
    const std::uint32_t entries = count + (count % 2);
    section.U32(NameTableRva);
    section.U32(8 + 2 * entries);
    for (std::uint32_t index = 0; index < count; ++index)
        section.U16(static_cast<std::uint16_t>(HighLow << 12 | (4 * index)));
    if (count % 2 != 0)
        section.U16(0);
    return section;
}

struct Section {
    std::string_view name;
    std::uint32_t rva;
    std::uint32_t characteristics;
    Bytes contents;
};

} // namespace

std::uint32_t NameRva(std::size_t index) {
    return ExportSectionRva + ExportLayout().functionName[index];
}

std::vector<std::uint8_t> Build() {
    const std::array<Section, SectionCount> sections{
        Section{".rdata", ExportSectionRva, ReadOnlyData, ExportSection()},
        Section{".data", NameTableRva, WritableData, NameTableSection()},
        Section{".reloc", RelocationSectionRva, DiscardableData, RelocationSection()}};
    const std::uint32_t exportSize = sections[0].contents.Size();
    const std::uint32_t relocationSize = sections[2].contents.Size();
    std::uint32_t initializedData = 0;
    for (const Section& section : sections)
        initializedData += AlignUp(section.contents.Size(), FileAlignment);

    Bytes file;
    // DOS header: only the signature and the offset of the PE header matter.
    file.U16(0x5A4D);
    file.PadTo(0x3C);
    file.U32(PeOffset);
    file.PadTo(PeOffset);

    file.U32(0x00004550);
    file.U16(0x014C); // Machine: Intel 386
    file.U16(SectionCount);
    file.U32(0); // TimeDateStamp: none, so that every build is the same
    file.U32(0); // PointerToSymbolTable
    file.U32(0); // NumberOfSymbols
    file.U16(OptionalHeaderSize);
    file.U16(0x2102); // executable, 32-bit machine, library

    file.U16(0x010B); // PE32
    file.U8(1);       // linker version
    file.U8(0);
    file.U32(0); // SizeOfCode
    file.U32(initializedData);
    file.U32(0);                // SizeOfUninitializedData
    file.U32(0);                // AddressOfEntryPoint: no entry routine
    file.U32(0);                // BaseOfCode
    file.U32(ExportSectionRva); // BaseOfData
    file.U32(PreferredBase);
    file.U32(SectionAlignment);
    file.U32(FileAlignment);
    file.U16(4); // operating system version
    file.U16(0);
    file.U16(1); // image version
    file.U16(0);
    file.U16(4); // subsystem version
    file.U16(0);
    file.U32(0); // Win32VersionValue
    file.U32(SizeOfImage);
    file.U32(SizeOfHeaders);
    file.U32(0);          // CheckSum
    file.U16(2);          // Subsystem: windows
    file.U16(0x0140);     // relocatable, no execution of data
    file.U32(0x00100000); // stack reserve
    file.U32(0x00001000); // stack commit
    file.U32(0x00100000); // heap reserve
    file.U32(0x00001000); // heap commit
    file.U32(0);          // LoaderFlags
    file.U32(16);         // NumberOfRvaAndSizes
    for (int directory = 0; directory < 16; ++directory) {
        if (directory == 0) {
            file.U32(ExportSectionRva);
            file.U32(exportSize);
        } else if (directory == 5) {
            file.U32(RelocationSectionRva);
            file.U32(relocationSize);
        } else {
            file.U32(0);
            file.U32(0);
        }
    }

    std::uint32_t rawPointer = SizeOfHeaders;
    for (const Section& section : sections) {
        const std::uint32_t rawSize = AlignUp(section.contents.Size(), FileAlignment);
        file.Fixed(section.name, 8);
        file.U32(section.contents.Size()); // VirtualSize
        file.U32(section.rva);
        file.U32(rawSize);
        file.U32(rawPointer);
        file.U32(0); // PointerToRelocations
        file.U32(0); // PointerToLinenumbers
        file.U16(0); // NumberOfRelocations
        file.U16(0); // NumberOfLinenumbers
        file.U32(section.characteristics);
        rawPointer += rawSize;
    }
    file.PadTo(SizeOfHeaders);
    for (const Section& section : sections) {
        file.data.insert(file.data.end(), section.contents.data.begin(),
                         section.contents.data.end());
        file.Align(FileAlignment);
    }
    return file.data;
}

} // namespace AudioImage
