#pragma once
// Maps a 32-bit library image held in a memory stream into the process by itself, links
// its imports and hands out the addresses of its exports by name.

#include "TExportTree.h"
#include "platform/ModuleSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QIODevice;

class TDLLLoader {
public:
    struct TExternalLibrary {
        std::string Name;
        ModuleSystem::LibraryHandle Handle = nullptr;
    };
    struct TImportEntry {
        bool ByOrdinal = false;
        std::string Name;
        std::uint16_t Ordinal = 0;
    };
    struct TImportLibrary {
        std::string Name;
        ModuleSystem::LibraryHandle Handle = nullptr;
        std::vector<TImportEntry> Entries;
    };
    struct TExport {
        std::string Name;
        std::uint32_t Ordinal = 0; // index into the image's function table
        void* Address = nullptr;
    };
    struct TSection {
        std::uint8_t* Base = nullptr;
        std::uint32_t RVA = 0;
        std::uint32_t Size = 0;
        std::uint32_t Characteristics = 0;
    };

    // The largest image mapped; far above any library this program carries.
    static constexpr std::uint32_t MaximumImageSize = 64u << 20;

    std::uint8_t* ImageBase = nullptr;
    std::int32_t Delta = 0; // ImageBase minus the preferred base, in the image's 32 bits
    const void* EntryPoint = nullptr;
    std::vector<TExternalLibrary> ExternalLibraries;
    std::vector<TImportLibrary> ImportLibraries;
    std::vector<TExport> Exports;
    std::vector<TSection> Sections;
    std::unique_ptr<TExportTree> ExportTree;

    explicit TDLLLoader(ModuleSystem& system = ModuleSystem::Default());
    TDLLLoader(const TDLLLoader&) = delete;
    TDLLLoader& operator=(const TDLLLoader&) = delete;
    ~TDLLLoader();

    // Maps the image held in stream (read from position 0, not kept). A refused image
    // leaves nothing mapped or loaded.
    bool LoadFromStream(QIODevice* stream);
    // The address of an export (case matters); nullptr if there is none.
    void* GetExportAddress(const std::string& name) const;
    // Detaches the image, releases its region and frees the libraries loaded for it.
    void UnloadImage();

    int LoadLibraryOnce(const std::string& name);
    int FindLibrary(const std::string& name) const;
    ModuleSystem::LibraryHandle LibraryHandle(const std::string& name) const;

private:
    struct TDirectory {
        std::uint32_t VirtualAddress = 0;
        std::uint32_t Size = 0;
    };

    bool MapImage(QIODevice& stream);
    bool ReadHeaders(QIODevice& stream);
    bool MapHeaders(QIODevice& stream);
    bool MapSections(QIODevice& stream);
    bool ApplyRelocations();
    bool LinkImports();
    bool ProtectSections();
    bool StartImage();
    bool ReadExports();

    TDirectory Directory(int index) const;
    // The first section in header order that holds rva; nullptr outside every section.
    const TSection* SectionOf(std::uint64_t rva) const;
    std::uint8_t* Convert(std::uint32_t rva) const;
    // [rva, rva + size) when it lies inside the section that holds rva and its pages
    // allow the access; nullptr otherwise.
    std::uint8_t* Access(std::uint64_t rva, std::uint64_t size, bool write) const;
    bool ReadU32(std::uint64_t rva, std::uint32_t& value) const;
    bool ReadString(std::uint64_t rva, std::string& text) const;
    void* ForwardedAddress(const std::string& forwarder);
    bool Commit(std::uint32_t offset, std::uint32_t size);
    bool Protect(std::uint32_t offset, std::uint32_t size, std::uint32_t protection);
    bool PagesAllow(std::uint64_t offset, std::uint64_t size, bool write) const;

    ModuleSystem& system;
    std::uint32_t imageSize = 0;
    // The protection of every page of the region, as last set (0 while reserved only).
    std::vector<std::uint32_t> pageProtection;
    // Headers as read from the stream.
    std::uint8_t dosHeader[64] = {};
    std::uint8_t fileHeader[20] = {};
    std::uint8_t optionalHeader[248] = {};
    std::uint32_t sectionTable = 0;
};
