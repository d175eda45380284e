#include "TDLLLoader.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr std::uint16_t DosMagic = 0x5A4D;        // "MZ"
constexpr std::uint32_t PeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint16_t MachineI386 = 0x014C;
constexpr std::uint32_t SectionHeaderSize = 40;
constexpr std::uint32_t ImportDescriptorSize = 20;
constexpr std::uint32_t ExportDirectorySize = 40;
constexpr std::uint32_t RelocationBlockHeader = 8;
constexpr std::uint32_t OrdinalFlag = 0x80000000;

constexpr int ExportDirectory = 0;
constexpr int ImportDirectory = 1;
constexpr int RelocationDirectory = 5;
constexpr int DirectoryCount = 16;

// Offsets inside the optional header of a 32-bit image.
constexpr int EntryPointOffset = 16;
constexpr int ImageBaseOffset = 28;
constexpr int SizeOfImageOffset = 56;
constexpr int SizeOfHeadersOffset = 60;
constexpr int DirectoryCountOffset = 92;
constexpr int DirectoriesOffset = 96;

constexpr std::uint32_t SectionExecute = 0x20000000;
constexpr std::uint32_t SectionRead = 0x40000000;
constexpr std::uint32_t SectionWrite = 0x80000000;
constexpr std::uint32_t SectionNotCached = 0x04000000;

constexpr std::uint32_t ProcessAttach = 1;
constexpr std::uint32_t ProcessDetach = 0;

std::uint16_t U16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t U32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void PutU16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool ReadExact(QIODevice& stream, void* target, std::uint64_t size) {
    return stream.read(static_cast<char*>(target), static_cast<qint64>(size)) ==
           static_cast<qint64>(size);
}

bool SeekTo(QIODevice& stream, std::int64_t position) {
    return position >= 0 && position <= stream.size() && stream.seek(position) &&
           stream.pos() == position;
}

bool Writable(std::uint32_t protection) {
    switch (protection & ~std::uint32_t(ModuleSystem::NoCache)) {
    case ModuleSystem::ReadWrite:
    case ModuleSystem::WriteCopy:
    case ModuleSystem::ExecuteReadWrite:
    case ModuleSystem::ExecuteWriteCopy:
        return true;
    default:
        return false;
    }
}

// The page protection a section asks for with its characteristics.
std::uint32_t SectionProtection(std::uint32_t characteristics) {
    const bool execute = characteristics & SectionExecute;
    const bool read = characteristics & SectionRead;
    const bool write = characteristics & SectionWrite;
    std::uint32_t protection;
    if (execute && read && write)
        protection = ModuleSystem::ExecuteReadWrite;
    else if (execute && read)
        protection = ModuleSystem::ExecuteRead;
    else if (execute && write)
        protection = ModuleSystem::ExecuteWriteCopy;
    else if (execute)
        protection = ModuleSystem::Execute;
    else if (read && write)
        protection = ModuleSystem::ReadWrite;
    else if (read)
        protection = ModuleSystem::ReadOnly;
    else if (write)
        protection = ModuleSystem::WriteCopy;
    else
        protection = ModuleSystem::NoAccess;
    if (characteristics & SectionNotCached)
        protection |= ModuleSystem::NoCache;
    return protection;
}

} // namespace

TDLLLoader::TDLLLoader(ModuleSystem& system) : system(system) {}

TDLLLoader::~TDLLLoader() {
    // An image without an entry routine has to be unmapped all the same.
    if (ImageBase != nullptr || EntryPoint != nullptr || !ExternalLibraries.empty())
        UnloadImage();
    ExportTree.reset();
}

bool TDLLLoader::LoadFromStream(QIODevice* stream) {
    if (stream == nullptr || !stream->isReadable() || stream->isSequential() ||
        stream->size() == 0 || ImageBase != nullptr)
        return false;
    if (!stream->seek(0))
        return false;
    if (MapImage(*stream))
        return true;
    UnloadImage();
    return false;
}

bool TDLLLoader::MapImage(QIODevice& stream) {
    return ReadHeaders(stream) && MapHeaders(stream) && MapSections(stream) && ApplyRelocations() &&
           LinkImports() && ProtectSections() && StartImage() && ReadExports();
}

bool TDLLLoader::ReadHeaders(QIODevice& stream) {
    if (!ReadExact(stream, dosHeader, sizeof dosHeader) || U16(dosHeader) != DosMagic)
        return false;
    const auto peOffset = static_cast<std::int32_t>(U32(dosHeader + 60)); // e_lfanew
    if (!SeekTo(stream, peOffset))
        return false;
    std::uint8_t signature[4];
    if (!ReadExact(stream, signature, sizeof signature) || U32(signature) != PeSignature)
        return false;
    if (!ReadExact(stream, fileHeader, sizeof fileHeader) || U16(fileHeader) != MachineI386)
        return false;
    // Room for the standard optional header; a longer one is read as far as it fits and
    // the rest skipped, so that the stream stands at the section table.
    const std::uint16_t optionalSize = U16(fileHeader + 16);
    std::memset(optionalHeader, 0, sizeof optionalHeader);
    const std::uint32_t kept = std::min<std::uint32_t>(optionalSize, sizeof optionalHeader);
    if (!ReadExact(stream, optionalHeader, kept))
        return false;
    sectionTable = static_cast<std::uint32_t>(peOffset) + 4 + sizeof fileHeader + optionalSize;
    return SeekTo(stream, sectionTable);
}

bool TDLLLoader::MapHeaders(QIODevice& stream) {
    if (U16(fileHeader + 2) == 0) // NumberOfSections
        return false;
    const std::uint32_t sizeOfImage = U32(optionalHeader + SizeOfImageOffset);
    const std::uint32_t sizeOfHeaders = U32(optionalHeader + SizeOfHeadersOffset);
    if (sizeOfImage == 0 || sizeOfImage > MaximumImageSize || sizeOfHeaders > sizeOfImage ||
        sizeOfHeaders > stream.size())
        return false;
    ImageBase = static_cast<std::uint8_t*>(system.Reserve(sizeOfImage));
    if (ImageBase == nullptr)
        return false;
    imageSize = sizeOfImage;
    const std::size_t page = ModuleSystem::PageSize();
    pageProtection.assign((sizeOfImage + page - 1) / page, 0);
    const auto preferred = U32(optionalHeader + ImageBaseOffset);
    Delta = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(ImageBase)) - preferred);

    if (!Commit(0, sizeOfHeaders))
        return false;
    const qint64 position = stream.pos();
    if (!stream.seek(0) || !ReadExact(stream, ImageBase, sizeOfHeaders) || !stream.seek(position))
        return false;
    return Protect(0, sizeOfHeaders, ModuleSystem::ReadOnly);
}

bool TDLLLoader::MapSections(QIODevice& stream) {
    const std::uint16_t count = U16(fileHeader + 2);
    std::vector<std::uint8_t> table(std::size_t(count) * SectionHeaderSize);
    if (!ReadExact(stream, table.data(), table.size()))
        return false;
    for (std::uint16_t index = 0; index < count; ++index) {
        const std::uint8_t* header = table.data() + std::size_t(index) * SectionHeaderSize;
        const std::uint32_t virtualSize = U32(header + 8);
        const std::uint32_t rawSize = U32(header + 16);
        const std::uint32_t rawPointer = U32(header + 20);
        TSection section;
        section.RVA = U32(header + 12);
        section.Size = std::max(rawSize, virtualSize);
        section.Characteristics = U32(header + 36);
        if (std::uint64_t(section.RVA) + section.Size > imageSize)
            return false;
        section.Base = ImageBase + section.RVA;
        if (!Commit(section.RVA, section.Size))
            return false;
        std::memset(section.Base, 0, section.Size);
        Sections.push_back(section);
        if (rawPointer != 0) {
            if (!SeekTo(stream, rawPointer) || !ReadExact(stream, section.Base, rawSize))
                return false;
        }
    }
    return true;
}

bool TDLLLoader::ApplyRelocations() {
    const TDirectory directory = Directory(RelocationDirectory);
    if (directory.VirtualAddress == 0)
        return true;
    std::uint64_t walked = 0;
    while (walked < directory.Size) {
        const std::uint64_t blockRva = std::uint64_t(directory.VirtualAddress) + walked;
        const std::uint8_t* block = Access(blockRva, RelocationBlockHeader, false);
        if (block == nullptr)
            return false;
        const std::uint32_t page = U32(block);
        const std::uint32_t sizeOfBlock = U32(block + 4);
        if (page == 0)
            break; // no further block
        if (sizeOfBlock < RelocationBlockHeader)
            return false;
        const std::uint8_t* entries = Access(blockRva, sizeOfBlock, false);
        // A relocation is written only inside the section its page lies in.
        const TSection* section = SectionOf(page);
        if (entries == nullptr || section == nullptr)
            return false;
        entries += RelocationBlockHeader;
        const std::uint32_t count = (sizeOfBlock - RelocationBlockHeader) / 2;
        const std::uint64_t sectionEnd = std::uint64_t(section->RVA) + section->Size;
        const auto delta = static_cast<std::uint32_t>(Delta);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint16_t entry = U16(entries + 2 * i);
            const int type = entry >> 12;
            const std::uint64_t target = std::uint64_t(page) + (entry & 0x0FFF);
            const std::uint32_t width = type == 3 ? 4 : (type == 1 || type == 2) ? 2 : 0;
            if (width == 0)
                continue; // padding and kinds this loader does not apply
            if (target + width > sectionEnd || !PagesAllow(target, width, true))
                return false;
            std::uint8_t* at = ImageBase + target;
            if (type == 3)
                PutU32(at, U32(at) + delta);
            else if (type == 2)
                PutU16(at, static_cast<std::uint16_t>(U16(at) + (delta & 0xFFFF)));
            else
                PutU16(at, static_cast<std::uint16_t>(U16(at) + (delta >> 16)));
        }
        walked += sizeOfBlock;
    }
    return true;
}

bool TDLLLoader::LinkImports() {
    const TDirectory directory = Directory(ImportDirectory);
    if (directory.VirtualAddress == 0 || Convert(directory.VirtualAddress) == nullptr)
        return true;
    ImportLibraries.clear();
    for (std::uint64_t rva = directory.VirtualAddress;; rva += ImportDescriptorSize) {
        const std::uint8_t* descriptor = Access(rva, ImportDescriptorSize, false);
        if (descriptor == nullptr)
            return false;
        const std::uint32_t originalFirstThunk = U32(descriptor);
        const std::uint32_t timeDateStamp = U32(descriptor + 4);
        const std::uint32_t nameRva = U32(descriptor + 12);
        const std::uint32_t firstThunk = U32(descriptor + 16);
        if (nameRva == 0)
            break;
        TImportLibrary library;
        if (!ReadString(nameRva, library.Name))
            return false;
        library.Handle = ExternalLibraries[LoadLibraryOnce(library.Name)].Handle;
        const std::uint32_t namesRva = timeDateStamp == 0 ? firstThunk : originalFirstThunk;
        for (std::uint64_t index = 0;; ++index) {
            std::uint32_t value;
            if (!ReadU32(namesRva + 4 * index, value))
                return false;
            if (value == 0)
                break;
            TImportEntry entry;
            void* address;
            if (value & OrdinalFlag) {
                entry.ByOrdinal = true;
                entry.Ordinal = static_cast<std::uint16_t>(value & 0xFFFF);
                address = system.FindFunction(library.Handle, entry.Ordinal);
            } else {
                if (!ReadString(std::uint64_t(value) + 2, entry.Name))
                    return false;
                address = system.FindFunction(library.Handle, entry.Name);
            }
            // The image's address table has 32-bit slots: they take the low half.
            std::uint8_t* slot = Access(firstThunk + 4 * index, 4, true);
            if (slot == nullptr)
                return false;
            PutU32(slot, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address)));
            library.Entries.push_back(std::move(entry));
        }
        ImportLibraries.push_back(std::move(library));
    }
    return true;
}

bool TDLLLoader::ProtectSections() {
    if (Sections.empty())
        return false;
    for (const TSection& section : Sections) {
        if (!Protect(section.RVA, section.Size, SectionProtection(section.Characteristics)))
            return false;
    }
    return true;
}

bool TDLLLoader::StartImage() {
    const std::uint32_t entryRva = U32(optionalHeader + EntryPointOffset);
    if (entryRva == 0)
        return true; // a library without an entry routine
    const std::uint8_t* entry = Convert(entryRva);
    if (entry == nullptr || !system.CanCallEntry())
        return false;
    EntryPoint = entry;
    if (system.CallEntry(EntryPoint, ImageBase, ProcessAttach, nullptr))
        return true;
    EntryPoint = nullptr; // a refused attach is not followed by a detach
    return false;
}

bool TDLLLoader::ReadExports() {
    const TDirectory directory = Directory(ExportDirectory);
    if (directory.VirtualAddress == 0 || Convert(directory.VirtualAddress) == nullptr)
        return true;
    ExportTree = std::make_unique<TExportTree>();
    const std::uint8_t* header = Access(directory.VirtualAddress, ExportDirectorySize, false);
    if (header == nullptr)
        return false;
    const std::uint32_t functionCount = U32(header + 20);
    const std::uint32_t nameCount = U32(header + 24);
    const std::uint8_t* functions =
        Access(U32(header + 28), std::uint64_t(functionCount) * 4, false);
    const std::uint8_t* names = Access(U32(header + 32), std::uint64_t(nameCount) * 4, false);
    const std::uint8_t* ordinals = Access(U32(header + 36), std::uint64_t(nameCount) * 2, false);
    if (nameCount == 0)
        return true;
    if (functions == nullptr || names == nullptr || ordinals == nullptr)
        return false;
    const std::uint64_t forwarderStart = directory.VirtualAddress;
    const std::uint64_t forwarderEnd = forwarderStart + directory.Size;
    Exports.reserve(nameCount);
    for (std::uint32_t i = 0; i < nameCount; ++i) {
        TExport item;
        if (!ReadString(U32(names + 4 * std::size_t(i)), item.Name))
            return false;
        item.Ordinal = U16(ordinals + 2 * std::size_t(i));
        if (item.Ordinal >= functionCount)
            return false;
        const std::uint32_t functionRva = U32(functions + 4 * std::size_t(item.Ordinal));
        if (functionRva > forwarderStart && functionRva < forwarderEnd) {
            std::string forwarder;
            if (!ReadString(functionRva, forwarder) || forwarder.find('.') == std::string::npos)
                return false;
            item.Address = ForwardedAddress(forwarder);
        } else {
            item.Address = Convert(functionRva);
        }
        ExportTree->AddName(item.Name, reinterpret_cast<std::uintptr_t>(item.Address));
        Exports.push_back(std::move(item));
    }
    return true;
}

void* TDLLLoader::ForwardedAddress(const std::string& forwarder) {
    const std::size_t dot = forwarder.find('.');
    const std::string library = forwarder.substr(0, dot);
    const std::string function = forwarder.substr(dot + 1);
    ModuleSystem::LibraryHandle handle = ExternalLibraries[LoadLibraryOnce(library)].Handle;
    // LIBRARY.#number names the other library's function by its ordinal.
    if (function.size() > 1 && function.size() <= 6 && function[0] == '#' &&
        function.find_first_not_of("0123456789", 1) == std::string::npos) {
        const unsigned long ordinal = std::stoul(function.substr(1));
        return ordinal <= 0xFFFF ? system.FindFunction(handle, std::uint16_t(ordinal)) : nullptr;
    }
    return system.FindFunction(handle, function);
}

void* TDLLLoader::GetExportAddress(const std::string& name) const {
    if (ExportTree) {
        const auto [found, value] = ExportTree->FindName(name);
        return found ? reinterpret_cast<void*>(value) : nullptr;
    }
    for (const TExport& item : Exports) {
        if (item.Name == name)
            return item.Address;
    }
    return nullptr;
}

void TDLLLoader::UnloadImage() {
    if (EntryPoint != nullptr)
        system.CallEntry(EntryPoint, ImageBase, ProcessDetach, nullptr);
    EntryPoint = nullptr;
    system.Release(ImageBase, imageSize);
    ImageBase = nullptr;
    imageSize = 0;
    Delta = 0;
    pageProtection.clear();
    for (const TExternalLibrary& library : ExternalLibraries)
        system.FreeLibrary(library.Handle);
    ExternalLibraries.clear();
    ImportLibraries.clear();
    Exports.clear();
    Sections.clear();
    ExportTree.reset();
}

int TDLLLoader::LoadLibraryOnce(const std::string& name) {
    const int found = FindLibrary(name);
    if (found >= 0)
        return found;
    ExternalLibraries.push_back({name, system.LoadLibrary(name)});
    return static_cast<int>(ExternalLibraries.size()) - 1;
}

int TDLLLoader::FindLibrary(const std::string& name) const {
    for (std::size_t index = 0; index < ExternalLibraries.size(); ++index) {
        if (ExternalLibraries[index].Name == name)
            return static_cast<int>(index);
    }
    return -1;
}

ModuleSystem::LibraryHandle TDLLLoader::LibraryHandle(const std::string& name) const {
    const int index = FindLibrary(name);
    return index < 0 ? nullptr : ExternalLibraries[std::size_t(index)].Handle;
}

TDLLLoader::TDirectory TDLLLoader::Directory(int index) const {
    // Entries past NumberOfRvaAndSizes are not directories.
    if (index >= DirectoryCount ||
        U32(optionalHeader + DirectoryCountOffset) <= std::uint32_t(index))
        return {};
    const std::uint8_t* entry = optionalHeader + DirectoriesOffset + 8 * index;
    return {U32(entry), U32(entry + 4)};
}

const TDLLLoader::TSection* TDLLLoader::SectionOf(std::uint64_t rva) const {
    for (const TSection& section : Sections) {
        if (rva >= section.RVA && rva - section.RVA < section.Size)
            return &section;
    }
    return nullptr;
}

std::uint8_t* TDLLLoader::Convert(std::uint32_t rva) const {
    const TSection* section = SectionOf(rva);
    return section == nullptr ? nullptr : section->Base + (rva - section->RVA);
}

std::uint8_t* TDLLLoader::Access(std::uint64_t rva, std::uint64_t size, bool write) const {
    const TSection* section = SectionOf(rva);
    if (section == nullptr || rva + size > std::uint64_t(section->RVA) + section->Size ||
        !PagesAllow(rva, size, write))
        return nullptr;
    return ImageBase + rva;
}

bool TDLLLoader::ReadU32(std::uint64_t rva, std::uint32_t& value) const {
    const std::uint8_t* at = Access(rva, 4, false);
    if (at == nullptr)
        return false;
    value = U32(at);
    return true;
}

bool TDLLLoader::ReadString(std::uint64_t rva, std::string& text) const {
    // The text must end with its zero inside the section it starts in; each page is
    // checked before it is read.
    const TSection* section = SectionOf(rva);
    if (section == nullptr)
        return false;
    const std::uint64_t end = std::uint64_t(section->RVA) + section->Size;
    const std::size_t page = ModuleSystem::PageSize();
    for (std::uint64_t at = rva; at < end; ++at) {
        if ((at % page == 0 || at == rva) && !PagesAllow(at, 1, false))
            return false;
        if (ImageBase[at] == 0) {
            text.assign(reinterpret_cast<const char*>(ImageBase + rva), at - rva);
            return true;
        }
    }
    return false;
}

bool TDLLLoader::Commit(std::uint32_t offset, std::uint32_t size) {
    if (size == 0)
        return true;
    if (!system.Commit(ImageBase + offset, size))
        return false;
    const std::size_t page = ModuleSystem::PageSize();
    for (std::uint64_t index = offset / page; index <= (std::uint64_t(offset) + size - 1) / page;
         ++index)
        pageProtection[index] = ModuleSystem::ReadWrite;
    return true;
}

bool TDLLLoader::Protect(std::uint32_t offset, std::uint32_t size, std::uint32_t protection) {
    if (size == 0)
        return true;
    if (!system.Protect(ImageBase + offset, size, protection))
        return false;
    const std::size_t page = ModuleSystem::PageSize();
    for (std::uint64_t index = offset / page; index <= (std::uint64_t(offset) + size - 1) / page;
         ++index)
        pageProtection[index] = protection;
    return true;
}

bool TDLLLoader::PagesAllow(std::uint64_t offset, std::uint64_t size, bool write) const {
    if (size == 0)
        return offset <= imageSize;
    if (offset + size > imageSize)
        return false;
    const std::size_t page = ModuleSystem::PageSize();
    for (std::uint64_t index = offset / page; index <= (offset + size - 1) / page; ++index) {
        const std::uint32_t protection = pageProtection[index];
        if (protection == 0 || !ModuleSystem::Readable(protection))
            return false;
        if (write && !Writable(protection))
            return false;
    }
    return true;
}
