#include "PeImageWriter.h"

#include <algorithm>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

} // namespace

std::uint32_t PeImageWriter::Section::Bytes(const void* bytes, std::size_t size) {
    const std::uint32_t at = End();
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    data.insert(data.end(), first, first + size);
    return at;
}

std::uint32_t PeImageWriter::Section::U16(std::uint16_t value) {
    const std::uint32_t at = End();
    Put16(data, value);
    return at;
}

std::uint32_t PeImageWriter::Section::U32(std::uint32_t value) {
    const std::uint32_t at = End();
    Put32(data, value);
    return at;
}

std::uint32_t PeImageWriter::Section::Text(std::string_view text) {
    const std::uint32_t at = Bytes(text.data(), text.size());
    data.push_back(0);
    return at;
}

std::uint32_t PeImageWriter::Section::Zeros(std::size_t count) {
    const std::uint32_t at = End();
    data.resize(data.size() + count, 0);
    return at;
}

void PeImageWriter::Section::PutU32(std::uint32_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        data.at(at - rva + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

PeImageWriter::Section& PeImageWriter::AddSection(std::string name, std::uint32_t characteristics,
                                                  std::uint32_t virtualSize) {
    std::uint32_t rva = 0x1000;
    for (const Section& section : sections) {
        const auto size = std::max<std::uint32_t>(section.virtualSize,
                                                  static_cast<std::uint32_t>(section.data.size()));
        rva = std::max(rva, AlignUp(section.rva + std::max<std::uint32_t>(size, 1), 0x1000));
    }
    Section& section = sections.emplace_back();
    section.name = std::move(name);
    section.rva = rva;
    section.virtualSize = virtualSize;
    section.characteristics = characteristics;
    return section;
}

PeImageWriter::ExportTables PeImageWriter::AddExports(Section& section,
                                                      std::string_view libraryName,
                                                      const std::vector<Export>& exports) {
    const auto count = static_cast<std::uint32_t>(exports.size());
    const std::uint32_t directory = section.Zeros(40);
    const std::uint32_t functions = section.Zeros(4 * count);
    const std::uint32_t names = section.Zeros(4 * count);
    const std::uint32_t ordinals = section.End();
    for (std::uint32_t i = 0; i < count; ++i)
        section.U16(static_cast<std::uint16_t>(i));
    const std::uint32_t library = section.Text(libraryName);
    for (std::uint32_t i = 0; i < count; ++i) {
        section.PutU32(names + 4 * i, section.Text(exports[i].name));
        if (exports[i].forwarder.empty())
            section.PutU32(functions + 4 * i, exports[i].functionRva);
        else
            section.PutU32(functions + 4 * i, section.Text(exports[i].forwarder));
    }
    section.PutU32(directory + 12, library);
    section.PutU32(directory + 16, 1); // Base
    section.PutU32(directory + 20, count);
    section.PutU32(directory + 24, count);
    section.PutU32(directory + 28, functions);
    section.PutU32(directory + 32, names);
    section.PutU32(directory + 36, ordinals);
    directories[0] = {directory, section.End() - directory};
    return {directory, functions, names, ordinals};
}

std::vector<std::uint32_t> PeImageWriter::AddImports(Section& section,
                                                     const std::vector<Import>& imports) {
    const std::uint32_t descriptors = section.Zeros(20 * (imports.size() + 1));
    std::vector<std::uint32_t> firstThunks;
    for (std::size_t i = 0; i < imports.size(); ++i) {
        const Import& import = imports[i];
        std::vector<std::uint32_t> entries;
        for (const ImportedFunction& function : import.functions) {
            if (const auto* ordinal = std::get_if<std::uint16_t>(&function)) {
                entries.push_back(0x80000000u | *ordinal);
            } else {
                const std::uint32_t hint = section.U16(0);
                section.Text(std::get<std::string>(function));
                entries.push_back(hint);
            }
        }
        const std::uint32_t names = section.End();
        for (std::uint32_t entry : entries)
            section.U32(entry);
        section.U32(0);
        std::uint32_t firstThunk = names;
        if (import.bound) {
            firstThunk = section.End();
            for (std::size_t n = 0; n < entries.size(); ++n)
                section.U32(0x7EEE0000u + static_cast<std::uint32_t>(n));
            section.U32(0);
        }
        const std::uint32_t descriptor = descriptors + 20 * static_cast<std::uint32_t>(i);
        section.PutU32(descriptor, import.bound ? names : 0); // OriginalFirstThunk
        section.PutU32(descriptor + 4, import.bound ? 0xFFFFFFFFu : 0);
        section.PutU32(descriptor + 12, section.Text(import.library));
        section.PutU32(descriptor + 16, firstThunk);
        firstThunks.push_back(firstThunk);
    }
    directories[1] = {descriptors, 20 * static_cast<std::uint32_t>(imports.size() + 1)};
    return firstThunks;
}

void PeImageWriter::AddRelocations(Section& section, const std::vector<RelocationBlock>& blocks) {
    const std::uint32_t start = section.End();
    for (const RelocationBlock& block : blocks) {
        section.U32(block.page);
        section.U32(
            block.sizeOfBlock.value_or(8 + 2 * static_cast<std::uint32_t>(block.entries.size())));
        for (std::uint16_t entry : block.entries)
            section.U16(entry);
    }
    directories[5] = {start, section.End() - start};
}

PeImageWriter::FileLayout PeImageWriter::Layout() const {
    FileLayout layout;
    layout.fileHeader = static_cast<std::uint32_t>(peOffset) + 4;
    layout.optionalHeader = layout.fileHeader + 20;
    layout.sectionTable = layout.optionalHeader + optionalHeaderSize;
    std::uint32_t raw =
        AlignUp(std::max<std::uint32_t>(sizeOfHeaders, layout.sectionTable + 40 * sections.size()),
                fileAlignment);
    for (const Section& section : sections) {
        layout.rawData.push_back(raw);
        raw += AlignUp(static_cast<std::uint32_t>(section.data.size()), fileAlignment);
    }
    return layout;
}

std::vector<std::uint8_t> PeImageWriter::Build() const {
    const FileLayout layout = Layout();
    std::uint32_t imageSize = sizeOfImage;
    if (imageSize == 0) {
        for (const Section& section : sections)
            imageSize = std::max(
                imageSize,
                AlignUp(section.rva + std::max<std::uint32_t>(
                                          section.virtualSize,
                                          AlignUp(static_cast<std::uint32_t>(section.data.size()),
                                                  fileAlignment)),
                        0x1000));
    }

    std::vector<std::uint8_t> out(64, 0);
    out[0] = 'M';
    out[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        out[60 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(peOffset) >> (8 * i));
    out.resize(static_cast<std::size_t>(std::max(peOffset, 64)), 0);

    Put32(out, 0x00004550);
    Put16(out, machine);
    Put16(out, static_cast<std::uint16_t>(sections.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put16(out, optionalHeaderSize);
    Put16(out, 0x2102);

    std::vector<std::uint8_t> optional;
    Put16(optional, 0x010B);
    Put16(optional, 0);
    Put32(optional, 0);
    Put32(optional, 0);
    Put32(optional, 0);
    Put32(optional, entryPoint);
    Put32(optional, 0);
    Put32(optional, 0);
    Put32(optional, preferredBase);
    Put32(optional, 0x1000);
    Put32(optional, fileAlignment);
    for (int i = 0; i < 4; ++i)
        Put32(optional, 0x00000004);
    Put32(optional, imageSize);
    Put32(optional, sizeOfHeaders);
    Put32(optional, 0);
    Put16(optional, 2);
    Put16(optional, 0x0140);
    for (int i = 0; i < 5; ++i)
        Put32(optional, 0x1000);
    Put32(optional, numberOfRvaAndSizes);
    for (const Directory& directory : directories) {
        Put32(optional, directory.rva);
        Put32(optional, directory.size);
    }
    optional.resize(optionalHeaderSize, 0);
    out.insert(out.end(), optional.begin(), optional.end());

    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& section = sections[i];
        std::vector<std::uint8_t> name(section.name.begin(), section.name.end());
        name.resize(8, 0);
        out.insert(out.end(), name.begin(), name.end());
        const auto rawSize =
            section.withoutRawData
                ? 0
                : AlignUp(static_cast<std::uint32_t>(section.data.size()), fileAlignment);
        Put32(out, section.virtualSize != 0 ? section.virtualSize
                                            : static_cast<std::uint32_t>(section.data.size()));
        Put32(out, section.rva);
        Put32(out, rawSize);
        Put32(out, section.withoutRawData ? 0 : layout.rawData[i]);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, section.characteristics);
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].withoutRawData)
            continue;
        out.resize(layout.rawData[i], 0);
        out.insert(out.end(), sections[i].data.begin(), sections[i].data.end());
        out.resize(AlignUp(static_cast<std::uint32_t>(out.size()), fileAlignment), 0);
    }
    out.resize(std::max<std::size_t>(out.size(), sizeOfHeaders), 0);
    return out;
}
