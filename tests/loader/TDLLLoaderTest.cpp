// The loader on images built in the test: mapping, relocations, imports from a real shared
// library, exports and forwarders, the entry routine, and images that lie about their sizes.

#include "sound/DLLLoader/TDLLLoader.h"
#include "LoaderTestSupport.h"
#include "PeImageWriter.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace LoaderTestSupport;

namespace {

using Section = PeImageWriter::Section;

constexpr std::uint32_t HighLow = 3, Low = 2, High = 1, Absolute = 0;

bool Load(TDLLLoader& loader, const std::vector<std::uint8_t>& bytes) {
    const auto stream = StreamOf(bytes);
    return loader.LoadFromStream(stream.get());
}

std::uint32_t MappedU32(const TDLLLoader& loader, std::uint32_t rva) {
    std::uint32_t value;
    std::memcpy(&value, loader.ImageBase + rva, 4);
    return value;
}

std::uint16_t MappedU16(const TDLLLoader& loader, std::uint32_t rva) {
    std::uint16_t value;
    std::memcpy(&value, loader.ImageBase + rva, 2);
    return value;
}

std::uint32_t Low32(const void* address) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
}

// A loader whose entry caller records every call and answers attach with attachResult.
struct EntryRecorder {
    struct Call {
        const void* entry;
        void* module;
        std::uint32_t reason;
    };
    ModuleSystem system;
    std::vector<Call> calls;
    bool attachResult = true;

    EntryRecorder() {
        system.SetEntryCaller([this](const void* entry, void* module, std::uint32_t reason, void*) {
            calls.push_back({entry, module, reason});
            return reason != 1 || attachResult;
        });
    }
};

// A code section with a few bytes and a writable data section: the smallest useful image.
PeImageWriter SmallImage() {
    PeImageWriter image;
    image.AddSection(".text", PeImageWriter::Code).Bytes("\xC3\x90\x90\x90", 4);
    image.AddSection(".data", PeImageWriter::WritableData).U32(0x12345678);
    return image;
}

// Loads image into a fresh loader and expects a refusal that leaves nothing behind.
void ExpectRefused(const std::vector<std::uint8_t>& bytes) {
    TDLLLoader loader;
    EXPECT_FALSE(Load(loader, bytes));
    EXPECT_EQ(loader.ImageBase, nullptr);
    EXPECT_TRUE(loader.Sections.empty());
    EXPECT_TRUE(loader.ExternalLibraries.empty());
    EXPECT_EQ(loader.ExportTree, nullptr);
    EXPECT_FALSE(TestLibraryLoaded());
}

void ExpectRefused(const PeImageWriter& image) {
    ExpectRefused(image.Build());
}

} // namespace

TEST(TDLLLoader, RefusesStreamsThatHoldNoImageForThisMachine) {
    TDLLLoader loader;
    EXPECT_FALSE(loader.LoadFromStream(nullptr));
    ExpectRefused(std::vector<std::uint8_t>{});
    const std::vector<std::uint8_t> good = SmallImage().Build();
    ExpectRefused(std::vector<std::uint8_t>(good.begin(), good.begin() + 63));

    std::vector<std::uint8_t> noMz = good;
    noMz[1] = 'X';
    ExpectRefused(noMz);
    std::vector<std::uint8_t> noPe = good;
    noPe[0x41] = 'X';
    ExpectRefused(noPe);

    PeImageWriter image = SmallImage();
    image.machine = 0x8664;
    ExpectRefused(image);
    // e_lfanew past the end of the stream, and negative.
    for (std::int32_t offset : {static_cast<std::int32_t>(good.size()) + 1, -64}) {
        std::vector<std::uint8_t> misplaced = good;
        std::memcpy(misplaced.data() + 60, &offset, 4);
        ExpectRefused(misplaced);
    }
    PeImageWriter empty;
    ExpectRefused(empty); // no sections

    TDLLLoader good1;
    EXPECT_TRUE(Load(good1, good));
}

TEST(TDLLLoader, RefusesEveryHeaderAndTableOfTheFileCutShort) {
    PeImageWriter image = SmallImage();
    const std::vector<std::uint8_t> bytes = image.Build();
    const PeImageWriter::FileLayout layout = image.Layout();
    for (std::uint32_t cut :
         {layout.fileHeader - 2, layout.fileHeader + 10, layout.optionalHeader + 100,
          layout.sectionTable + 40 + 20, layout.rawData[0] + 2, layout.rawData[1] + 0x100}) {
        SCOPED_TRACE(cut);
        ExpectRefused(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + cut));
    }
    // Headers longer than the stream are refused before anything is copied.
    std::vector<std::uint8_t> longHeaders = bytes;
    const auto headersSize = static_cast<std::uint32_t>(bytes.size()) + 1;
    std::memcpy(longHeaders.data() + layout.optionalHeader + 60, &headersSize, 4);
    ExpectRefused(longHeaders);
}

TEST(TDLLLoader, MapsHeadersAndSectionsWithTheirRawAndVirtualSizes) {
    PeImageWriter image;
    Section& longer = image.AddSection(".bss1", PeImageWriter::WritableData, 0x1800);
    for (int i = 0; i < 0x300; ++i)
        longer.data.push_back(static_cast<std::uint8_t>(i * 7 + 1));
    Section& shorter = image.AddSection(".raw", PeImageWriter::ReadOnlyData, 0x10);
    for (int i = 0; i < 0x600; ++i)
        shorter.data.push_back(static_cast<std::uint8_t>(i * 3 + 2));
    Section& bss = image.AddSection(".bss", PeImageWriter::WritableData, 0x2000);
    bss.withoutRawData = true;
    const std::vector<std::uint8_t> bytes = image.Build();

    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, bytes));
    ASSERT_EQ(loader.Sections.size(), 3u);
    EXPECT_EQ(loader.Sections[0].Size, 0x1800u); // the larger of raw and virtual size
    EXPECT_EQ(loader.Sections[1].Size, 0x600u);
    EXPECT_EQ(loader.Sections[2].Size, 0x2000u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loader.Sections[i].RVA, image.sections[i].rva);
        EXPECT_EQ(loader.Sections[i].Base, loader.ImageBase + image.sections[i].rva);
        EXPECT_EQ(loader.Sections[i].Characteristics, image.sections[i].characteristics);
    }
    EXPECT_EQ(std::memcmp(loader.Sections[0].Base, longer.data.data(), 0x300), 0);
    for (std::uint32_t at = 0x300; at < 0x1800; ++at)
        ASSERT_EQ(loader.Sections[0].Base[at], 0) << at;
    EXPECT_EQ(std::memcmp(loader.Sections[1].Base, shorter.data.data(), 0x600), 0);
    for (std::uint32_t at = 0; at < 0x2000; ++at)
        ASSERT_EQ(loader.Sections[2].Base[at], 0) << at;
    // The headers are there, read-only, as the file has them.
    EXPECT_EQ(std::memcmp(loader.ImageBase, bytes.data(), image.sizeOfHeaders), 0);
    EXPECT_EQ(Permissions(loader.ImageBase), "r--p");
    EXPECT_EQ(loader.Delta, std::int32_t(Low32(loader.ImageBase) - image.preferredBase));
    EXPECT_EQ(loader.EntryPoint, nullptr);
}

TEST(TDLLLoader, SectionsGetTheProtectionTheirCharacteristicsAskFor) {
    struct Case {
        std::uint32_t characteristics;
        const char* permissions;
    };
    const std::vector<Case> cases{{0x60000020, "r-xp"}, {0x40000040, "r--p"}, {0xC0000040, "rw-p"},
                                  {0x80000040, "rw-p"}, {0xE0000020, "rwxp"}, {0xA0000020, "rwxp"},
                                  {0x20000020, "--xp"}, {0x00000040, "---p"}, {0x44000040, "r--p"}};
    PeImageWriter image;
    for (const Case& c : cases)
        image.AddSection(".s", c.characteristics).Zeros(16);
    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, image.Build()));
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(Permissions(loader.Sections[i].Base), cases[i].permissions) << i;
}

TEST(TDLLLoader, RelocationsOfEachTypeAddDeltaOrItsHalves) {
    PeImageWriter image;
    image.AddSection(".text", PeImageWriter::Code).Zeros(4);
    Section& data = image.AddSection(".data", PeImageWriter::WritableData);
    const std::uint32_t highLow = data.U32(0x10001234);
    const std::uint32_t low = data.U32(0x00001111);
    const std::uint32_t high = data.U32(0x00002222);
    const std::uint32_t padding = data.U32(0xAABBCCDD);
    const std::uint32_t other = data.U32(0x01020304);
    Section& more = image.AddSection(".data2", PeImageWriter::WritableData);
    const std::uint32_t second = more.U32(0x10000000);
    const std::uint32_t beyondSize = more.U32(0x10000000);
    Section& relocations = image.AddSection(".reloc", PeImageWriter::ReadOnlyData);
    const auto entry = [](std::uint32_t type, std::uint32_t rva) {
        return static_cast<std::uint16_t>(type << 12 | (rva & 0xFFF));
    };
    image.AddRelocations(relocations,
                         {{data.rva,
                           {entry(HighLow, highLow), entry(Low, low), entry(High, high),
                            entry(Absolute, padding), entry(10, other), entry(Absolute, 0)}},
                          {more.rva, {entry(HighLow, second)}},
                          {more.rva, {entry(HighLow, beyondSize), entry(Absolute, 0)}}});
    // The third block lies past the directory's size and is not walked.
    image.directories[5].size -= 12;

    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, image.Build()));
    const auto delta = static_cast<std::uint32_t>(loader.Delta);
    ASSERT_NE(delta, 0u);
    EXPECT_EQ(delta, Low32(loader.ImageBase) - image.preferredBase);
    EXPECT_EQ(MappedU32(loader, highLow), 0x10001234 + delta);
    EXPECT_EQ(MappedU32(loader, highLow), Low32(loader.ImageBase + 0x1234));
    EXPECT_EQ(MappedU16(loader, low), std::uint16_t(0x1111 + (delta & 0xFFFF)));
    EXPECT_EQ(MappedU16(loader, low + 2), 0);
    EXPECT_EQ(MappedU16(loader, high), std::uint16_t(0x2222 + (delta >> 16)));
    EXPECT_EQ(MappedU32(loader, padding), 0xAABBCCDDu);
    EXPECT_EQ(MappedU32(loader, other), 0x01020304u);
    EXPECT_EQ(MappedU32(loader, second), 0x10000000 + delta);
    EXPECT_EQ(MappedU32(loader, beyondSize), 0x10000000u);
}

TEST(TDLLLoader, AnImageAtItsPreferredBaseWalksItsRelocationsWithoutChangingThem) {
    // The region lands where the previous one was released; an image preferring that
    // address then loads with Delta 0. A few tries cover another mapping slipping in.
    const auto build = [](std::uint32_t preferred, bool broken) {
        PeImageWriter image;
        image.preferredBase = preferred;
        Section& data = image.AddSection(".data", PeImageWriter::WritableData);
        data.U32(0x10001234);
        data.U32(0x00005678);
        Section& relocations = image.AddSection(".reloc", PeImageWriter::ReadOnlyData);
        image.AddRelocations(relocations,
                             {{data.rva,
                               {std::uint16_t(HighLow << 12 | 0), std::uint16_t(Low << 12 | 4),
                                std::uint16_t(High << 12 | 6),
                                std::uint16_t(HighLow << 12 | (broken ? 0xFFE : 0))}}});
        return image.Build();
    };
    bool atPreferredBase = false;
    for (int attempt = 0; attempt < 10 && !atPreferredBase; ++attempt) {
        std::uint32_t address;
        {
            TDLLLoader probe;
            ASSERT_TRUE(Load(probe, build(0x10000000, false)));
            address = Low32(probe.ImageBase);
        }
        TDLLLoader loader;
        ASSERT_TRUE(Load(loader, build(address, false)));
        if (loader.Delta != 0)
            continue;
        atPreferredBase = true;
        EXPECT_EQ(MappedU32(loader, 0x1000), 0x10001234u);
        EXPECT_EQ(MappedU32(loader, 0x1004), 0x00005678u);
        loader.UnloadImage();
        // The blocks are still checked: one that writes outside its section is refused.
        EXPECT_FALSE(Load(loader, build(address, true)));
    }
    EXPECT_TRUE(atPreferredBase);
}

TEST(TDLLLoader, RelocationBlocksThatReachOutsideTheirSectionAreRefused) {
    const auto withBlock = [](PeImageWriter::RelocationBlock block, std::uint32_t dataSize) {
        PeImageWriter image;
        image.fileAlignment = 1;
        Section& data = image.AddSection(".data", PeImageWriter::WritableData, dataSize);
        data.Zeros(4);
        Section& relocations = image.AddSection(".reloc", PeImageWriter::ReadOnlyData);
        if (block.page == 1)
            block.page = data.rva;
        image.AddRelocations(relocations, {block});
        return image;
    };
    // A HIGHLOW at the last two bytes of its section, a block shorter than its own header,
    // one longer than the directory's section, and a page outside every section.
    for (const PeImageWriter::RelocationBlock& block :
         {PeImageWriter::RelocationBlock{1, {std::uint16_t(HighLow << 12 | 0xFFE)}},
          PeImageWriter::RelocationBlock{1, {}, 4},
          PeImageWriter::RelocationBlock{1, {}, 0}, // would never advance
          PeImageWriter::RelocationBlock{1, {std::uint16_t(Low << 12)}, 64},
          PeImageWriter::RelocationBlock{0x9000, {std::uint16_t(HighLow << 12)}}}) {
        SCOPED_TRACE(block.sizeOfBlock.value_or(999));
        ExpectRefused(withBlock(block, 0x1000));
    }
    // Right up to the end of the section is fine.
    TDLLLoader loader;
    EXPECT_TRUE(Load(loader, withBlock({1, {std::uint16_t(Low << 12 | 0xFFE)}}, 0x1000).Build()));
}

TEST(TDLLLoader, ImportsAreLinkedByNameFromTheTestLibraryAndOrdinalsFindNothing) {
    PeImageWriter image;
    image.AddSection(".text", PeImageWriter::Code).Zeros(4);
    Section& imports = image.AddSection(".idata", PeImageWriter::WritableData);
    const std::vector<std::uint32_t> thunks = image.AddImports(
        imports, {{TestLibrary,
                   {std::string("LoaderTestAnswer"), std::uint16_t(1),
                    std::string("LoaderTestTwice"), std::string("LoaderTestMissing")}},
                  {"tsnosuchlibrary.dll", {std::string("Anything")}},
                  {TestLibrary, {std::string("LoaderTestTwice")}, true}});
    image.directories[1].size = 20; // the walk ends at the zero descriptor, not at Size

    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, image.Build()));
    ASSERT_EQ(loader.ExternalLibraries.size(), 2u); // each library once
    EXPECT_EQ(loader.ExternalLibraries[0].Name, TestLibrary);
    EXPECT_NE(loader.ExternalLibraries[0].Handle, nullptr);
    EXPECT_EQ(loader.ExternalLibraries[1].Name, "tsnosuchlibrary.dll");
    EXPECT_EQ(loader.ExternalLibraries[1].Handle, nullptr);
    EXPECT_EQ(loader.LibraryHandle(TestLibrary), loader.ExternalLibraries[0].Handle);
    EXPECT_EQ(loader.FindLibrary("tsnosuchlibrary.dll"), 1);
    EXPECT_EQ(loader.FindLibrary("TSLOADERTEST"), -1);
    EXPECT_TRUE(TestLibraryLoaded());

    ASSERT_EQ(loader.ImportLibraries.size(), 3u);
    const auto& first = loader.ImportLibraries[0];
    EXPECT_EQ(first.Handle, loader.ExternalLibraries[0].Handle);
    ASSERT_EQ(first.Entries.size(), 4u);
    EXPECT_FALSE(first.Entries[0].ByOrdinal);
    EXPECT_EQ(first.Entries[0].Name, "LoaderTestAnswer");
    EXPECT_TRUE(first.Entries[1].ByOrdinal);
    EXPECT_EQ(first.Entries[1].Ordinal, 1);
    EXPECT_EQ(first.Entries[3].Name, "LoaderTestMissing");

    // The address table's 32-bit slots hold the low half of each address.
    EXPECT_EQ(MappedU32(loader, thunks[0]), Low32(TestLibraryFunction("LoaderTestAnswer")));
    EXPECT_NE(MappedU32(loader, thunks[0]), 0u);
    EXPECT_EQ(MappedU32(loader, thunks[0] + 4), 0u);
    EXPECT_EQ(MappedU32(loader, thunks[0] + 8), Low32(TestLibraryFunction("LoaderTestTwice")));
    EXPECT_EQ(MappedU32(loader, thunks[0] + 12), 0u);
    EXPECT_EQ(MappedU32(loader, thunks[1]), 0u);
    // A bound descriptor's names come from OriginalFirstThunk; its stale slots are replaced.
    EXPECT_EQ(MappedU32(loader, thunks[2]), Low32(TestLibraryFunction("LoaderTestTwice")));
    EXPECT_EQ(loader.ImportLibraries[2].Entries.at(0).Name, "LoaderTestTwice");

    loader.UnloadImage();
    EXPECT_FALSE(TestLibraryLoaded());
    EXPECT_TRUE(loader.ExternalLibraries.empty());
    EXPECT_TRUE(loader.ImportLibraries.empty());
}

TEST(TDLLLoader, ImportTablesCutShortAreRefusedAndTheirLibrariesFreed) {
    // Each table ends with the section, before its terminating zero.
    const auto cut = [](auto fill) {
        PeImageWriter image;
        image.fileAlignment = 1;
        image.AddSection(".text", PeImageWriter::Code).Zeros(4);
        Section& imports = image.AddSection(".idata", PeImageWriter::WritableData);
        fill(image, imports);
        return image;
    };
    {
        TDLLLoader loader;
        EXPECT_TRUE(Load(
            loader, cut([](PeImageWriter& image, Section& s) {
                        image.AddImports(s, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
                    }).Build()));
    }
    // A descriptor cut in the middle.
    ExpectRefused(cut([](PeImageWriter& image, Section& s) {
        const std::uint32_t name = s.Text(TestLibrary);
        const std::uint32_t descriptor = s.Zeros(12);
        s.PutU32(descriptor + 0, 0);
        image.directories[1] = {descriptor, 20};
        (void)name;
    }));
    // A library name without its zero.
    ExpectRefused(cut([](PeImageWriter& image, Section& s) {
        image.AddImports(s, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
        const std::uint32_t name = s.Bytes("tsloadertest", 12);
        s.PutU32(image.directories[1].rva + 12, name);
    }));
    // A thunk array without its zero entry.
    ExpectRefused(cut([](PeImageWriter& image, Section& s) {
        image.AddImports(s, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
        const std::uint32_t hint = s.U16(0);
        s.Text("LoaderTestAnswer");
        const std::uint32_t thunk = s.U32(hint);
        s.PutU32(image.directories[1].rva + 16, thunk);
    }));
    // A function name without its zero.
    ExpectRefused(cut([](PeImageWriter& image, Section& s) {
        const std::vector<std::uint32_t> thunks =
            image.AddImports(s, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
        const std::uint32_t hint = s.U16(0);
        s.Bytes("LoaderTestAnswer", 16);
        s.PutU32(thunks[0], hint);
    }));
    // A hint/name entry that points outside every section.
    ExpectRefused(cut([](PeImageWriter& image, Section& s) {
        const std::vector<std::uint32_t> thunks =
            image.AddImports(s, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
        s.PutU32(thunks[0], 0x00700000);
    }));
}

TEST(TDLLLoader, ExportsForwardersAndLookUps) {
    PeImageWriter image;
    Section& code = image.AddSection(".text", PeImageWriter::Code);
    const std::uint32_t alpha = code.Zeros(16);
    const std::uint32_t lowerAlpha = code.Zeros(16);
    const std::uint32_t beta = code.Zeros(16);
    const std::uint32_t secondAlpha = code.Zeros(16);
    Section& exports = image.AddSection(".edata", PeImageWriter::ReadOnlyData);
    image.AddExports(exports, "tstest.dll",
                     {{"Alpha", alpha, {}},
                      {"alpha", lowerAlpha, {}},
                      {"BetaFunction", beta, {}},
                      {"Alpha", secondAlpha, {}},
                      {"Answer", 0, TestLibrary + ".LoaderTestAnswer"},
                      {"Twice", 0, TestLibrary + ".LoaderTestTwice"},
                      {"ByOrdinal", 0, TestLibrary + ".#1"},
                      {"Elsewhere", 0, "tsnosuchlibrary.Function"},
                      {"Nowhere", 0x00700000, {}}});

    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, image.Build()));
    ASSERT_NE(loader.ExportTree, nullptr);
    ASSERT_EQ(loader.Exports.size(), 9u);
    EXPECT_EQ(loader.Exports[3].Name, "Alpha");
    EXPECT_EQ(loader.Exports[3].Ordinal, 3u);
    EXPECT_EQ(loader.Exports[3].Address, loader.ImageBase + secondAlpha);

    EXPECT_EQ(loader.GetExportAddress("Alpha"), loader.ImageBase + alpha); // the first wins
    EXPECT_EQ(loader.GetExportAddress("alpha"), loader.ImageBase + lowerAlpha);
    EXPECT_EQ(loader.GetExportAddress("BetaFunction"), loader.ImageBase + beta);
    for (const char* miss :
         {"ALPHA", "Alph", "BetaF", "BetaFunctio", "BetaFunctionX", "BetaFXnction", "Gamma", ""})
        EXPECT_EQ(loader.GetExportAddress(miss), nullptr) << miss;

    // Forwarders link to the test library's real functions.
    auto* answer = reinterpret_cast<int (*)()>(loader.GetExportAddress("Answer"));
    auto* twice = reinterpret_cast<int (*)(int)>(loader.GetExportAddress("Twice"));
    ASSERT_NE(answer, nullptr);
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(twice(21), 42);
    EXPECT_EQ(loader.GetExportAddress("ByOrdinal"), nullptr);
    EXPECT_EQ(loader.GetExportAddress("Elsewhere"), nullptr);
    EXPECT_EQ(loader.GetExportAddress("Nowhere"), nullptr);
    ASSERT_EQ(loader.ExternalLibraries.size(), 2u);
    EXPECT_EQ(loader.ExternalLibraries[0].Name, TestLibrary);
    EXPECT_EQ(loader.ExternalLibraries[1].Name, "tsnosuchlibrary");
}

TEST(TDLLLoader, ExportTablesThatPointOutsideAreRefused) {
    using Tables = PeImageWriter::ExportTables;
    const auto exportsWith = [](auto change) {
        PeImageWriter image;
        image.fileAlignment = 1;
        Section& code = image.AddSection(".text", PeImageWriter::Code);
        const std::uint32_t function = code.Zeros(16);
        Section& exports = image.AddSection(".edata", PeImageWriter::ReadOnlyData);
        const Tables tables = image.AddExports(
            exports, "tstest.dll",
            {{"First", function, {}}, {"Second", 0, TestLibrary + ".LoaderTestAnswer"}});
        change(image, exports, tables);
        return image;
    };
    {
        TDLLLoader loader;
        EXPECT_TRUE(Load(loader, exportsWith([](PeImageWriter&, Section&, Tables) {}).Build()));
    }
    // An ordinal outside the function table.
    ExpectRefused(
        exportsWith([](PeImageWriter&, Section& s, Tables t) { s.PutU32(t.directory + 20, 1); }));
    // More names than the section holds.
    ExpectRefused(exportsWith(
        [](PeImageWriter&, Section& s, Tables t) { s.PutU32(t.directory + 24, 0x01000000); }));
    // Function, name and ordinal tables outside every section.
    for (std::uint32_t offset : {28u, 32u, 36u})
        ExpectRefused(exportsWith([offset](PeImageWriter&, Section& s, Tables t) {
            s.PutU32(t.directory + offset, 0x00700000);
        }));
    // A name outside every section.
    ExpectRefused(exportsWith(
        [](PeImageWriter&, Section& s, Tables t) { s.PutU32(t.names + 4, 0x00700000); }));
    // A forwarder without ".".
    ExpectRefused(exportsWith([](PeImageWriter& image, Section& s, Tables t) {
        s.PutU32(t.functions + 4, s.Text("tsloadertestLoaderTestAnswer"));
        image.directories[0].size = s.End() - t.directory;
    }));
    // A name that runs to the end of its section without a zero.
    ExpectRefused(exportsWith(
        [](PeImageWriter&, Section& s, Tables t) { s.PutU32(t.names, s.Bytes("Unended", 7)); }));
    // The export directory cut by the end of its section.
    ExpectRefused(exportsWith([](PeImageWriter& image, Section& s, Tables) {
        image.directories[0] = {s.Zeros(20), 40};
    }));
    // An export directory in a section that cannot be read once protected.
    ExpectRefused(exportsWith([](PeImageWriter& image, Section&, Tables) {
        image.sections[1].characteristics = 0x00000040;
    }));
}

TEST(TDLLLoader, TheEntryRoutineIsCalledOnlyThroughAPluggedCaller) {
    PeImageWriter image = SmallImage();
    image.entryPoint = image.sections[0].rva + 1;

    ExpectRefused(image); // nothing can run it

    EntryRecorder recorder;
    {
        TDLLLoader loader(recorder.system);
        ASSERT_TRUE(Load(loader, image.Build()));
        EXPECT_EQ(loader.EntryPoint, loader.ImageBase + image.entryPoint);
        ASSERT_EQ(recorder.calls.size(), 1u);
        EXPECT_EQ(recorder.calls[0].entry, loader.EntryPoint);
        EXPECT_EQ(recorder.calls[0].module, loader.ImageBase);
        EXPECT_EQ(recorder.calls[0].reason, 1u);
    }
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].reason, 0u);
    EXPECT_EQ(Permissions(recorder.calls[1].module), "");

    // An attach that fails ends the load; there is no detach after it.
    recorder.calls.clear();
    recorder.attachResult = false;
    {
        TDLLLoader loader(recorder.system);
        EXPECT_FALSE(Load(loader, image.Build()));
        EXPECT_EQ(loader.EntryPoint, nullptr);
        EXPECT_EQ(loader.ImageBase, nullptr);
    }
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(Permissions(recorder.calls[0].module), "");

    // An entry point outside every section is not called at all.
    recorder.calls.clear();
    image.entryPoint = 0x00700000;
    {
        TDLLLoader loader(recorder.system);
        EXPECT_FALSE(Load(loader, image.Build()));
    }
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(TDLLLoader, AFailedLoadDetachesReleasesTheRegionAndFreesItsLibraries) {
    PeImageWriter image;
    image.AddSection(".text", PeImageWriter::Code).Zeros(16);
    Section& data = image.AddSection(".idata", PeImageWriter::WritableData);
    image.AddImports(data, {{TestLibrary, {std::string("LoaderTestAnswer")}}});
    Section& exports = image.AddSection(".edata", PeImageWriter::ReadOnlyData);
    image.AddExports(exports, "tstest.dll", {{"First", 0x1000, {}}});
    exports.PutU32(image.directories[0].rva + 20, 0); // no functions: the ordinal is outside
    image.entryPoint = 0x1000;

    EntryRecorder recorder;
    TDLLLoader loader(recorder.system);
    EXPECT_FALSE(Load(loader, image.Build()));
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].reason, 0u);
    EXPECT_EQ(Permissions(recorder.calls[0].module), "");
    EXPECT_FALSE(TestLibraryLoaded());
    EXPECT_TRUE(loader.Exports.empty());
    EXPECT_EQ(loader.ExportTree, nullptr);
    EXPECT_EQ(loader.GetExportAddress("First"), nullptr);
}

TEST(TDLLLoader, UnloadingReleasesEverythingAndASecondLoadWaitsForIt) {
    PeImageWriter image = SmallImage();
    Section& exports = image.AddSection(".edata", PeImageWriter::ReadOnlyData);
    image.AddExports(exports, "tstest.dll", {{"Answer", 0, TestLibrary + ".LoaderTestAnswer"}});
    const std::vector<std::uint8_t> bytes = image.Build();

    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, bytes));
    EXPECT_FALSE(Load(loader, bytes)); // one image per loader at a time
    std::uint8_t* base = loader.ImageBase;
    EXPECT_EQ(Permissions(base), "r--p");
    EXPECT_TRUE(TestLibraryLoaded());
    loader.UnloadImage();
    EXPECT_EQ(Permissions(base), "");
    EXPECT_FALSE(TestLibraryLoaded());
    EXPECT_EQ(loader.ImageBase, nullptr);
    EXPECT_TRUE(loader.Sections.empty());
    EXPECT_EQ(loader.GetExportAddress("Answer"), nullptr);
    ASSERT_TRUE(Load(loader, bytes));
    EXPECT_NE(loader.GetExportAddress("Answer"), nullptr);
}

TEST(TDLLLoader, HeaderSizesAreCheckedAgainstTheRegion) {
    PeImageWriter image = SmallImage();
    image.sizeOfImage = 0x1800; // the data section would lie past the region
    ExpectRefused(image);
    image = SmallImage();
    image.sizeOfHeaders = 0x4000;
    image.sizeOfImage = 0x3000;
    ExpectRefused(image);
    image = SmallImage();
    image.sizeOfImage = TDLLLoader::MaximumImageSize + 0x1000;
    ExpectRefused(image);
    image = SmallImage();
    image.sections[1].rva = 0xFFFFF000; // RVA + size would wrap around
    image.sizeOfImage = 0x3000;
    ExpectRefused(image);
}

TEST(TDLLLoader, OptionalHeadersOfOtherLengthsAndFewerDirectories) {
    // Longer than the standard header: the rest is skipped to reach the section table.
    PeImageWriter image = SmallImage();
    image.optionalHeaderSize = 300;
    {
        TDLLLoader loader;
        ASSERT_TRUE(Load(loader, image.Build()));
        EXPECT_EQ(MappedU32(loader, 0x2000), 0x12345678u);
    }
    // Directories past NumberOfRvaAndSizes are not there, even if the header has bytes.
    image = SmallImage();
    Section& relocations = image.AddSection(".reloc", PeImageWriter::ReadOnlyData);
    image.AddRelocations(relocations, {{0x2000, {std::uint16_t(HighLow << 12)}}});
    for (std::uint32_t count : {16u, 5u}) {
        image.numberOfRvaAndSizes = count;
        TDLLLoader loader;
        ASSERT_TRUE(Load(loader, image.Build()));
        EXPECT_EQ(MappedU32(loader, 0x2000) == 0x12345678u, count == 5) << count;
    }
    // Shorter: the missing directories read as absent.
    image.numberOfRvaAndSizes = 16;
    image.optionalHeaderSize = 96 + 8 * 5;
    TDLLLoader loader;
    ASSERT_TRUE(Load(loader, image.Build()));
    EXPECT_EQ(MappedU32(loader, 0x2000), 0x12345678u);
}
