// The system services under the loader: library names, look-ups, page protection as the
// process's own mappings show it, and the entry caller that has to be plugged in.

#include "platform/ModuleSystem.h"
#include "LoaderTestSupport.h"

#include <gtest/gtest.h>

using namespace LoaderTestSupport;

TEST(ModuleSystem, BareNamesBecomeSharedObjectNames) {
    EXPECT_EQ(ModuleSystem::SharedObjectName("tsaudio"), "libtsaudio.so");
    EXPECT_EQ(ModuleSystem::SharedObjectName("tsaudio.dll"), "libtsaudio.so");
    EXPECT_EQ(ModuleSystem::SharedObjectName("KERNEL32.DLL"), "libKERNEL32.so");
    // Anything else goes to the system as it is.
    for (const char* other : {"libm.so.6", "/usr/lib/libx.so", "a/b", "x.y.dll", ".dll", ""})
        EXPECT_EQ(ModuleSystem::SharedObjectName(other), "") << other;
}

TEST(ModuleSystem, LibrariesAreFoundBesideTheProgramAndLookedUpByNameOnly) {
    ModuleSystem& system = ModuleSystem::Default();
    for (const std::string& name : {TestLibrary, TestLibrary + ".dll", TestLibraryPath()}) {
        SCOPED_TRACE(name);
        ModuleSystem::LibraryHandle library = system.LoadLibrary(name);
        ASSERT_NE(library, nullptr);
        auto* answer =
            reinterpret_cast<int (*)()>(system.FindFunction(library, "LoaderTestAnswer"));
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer(), 42);
        EXPECT_EQ(system.FindFunction(library, "LoaderTestanswer"), nullptr);
        EXPECT_EQ(system.FindFunction(library, std::uint16_t(1)), nullptr);
        system.FreeLibrary(library);
    }
    EXPECT_FALSE(TestLibraryLoaded());
    EXPECT_EQ(system.LoadLibrary("tsnosuchlibrary"), nullptr);
    EXPECT_EQ(system.LoadLibrary(""), nullptr);
    // A missing library's null handle must not turn into a search of the whole process.
    EXPECT_EQ(system.FindFunction(nullptr, "malloc"), nullptr);
    system.FreeLibrary(nullptr);
}

TEST(ModuleSystem, PagesGoFromReservedToCommittedToTheirProtection) {
    ModuleSystem& system = ModuleSystem::Default();
    const std::size_t page = ModuleSystem::PageSize();
    auto* region = static_cast<std::uint8_t*>(system.Reserve(8 * page));
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(Permissions(region), "---p");
    // Commit and Protect act on every page the range touches.
    ASSERT_TRUE(system.Commit(region + page + 10, page));
    EXPECT_EQ(Permissions(region + page), "rw-p");
    EXPECT_EQ(Permissions(region + 2 * page), "rw-p");
    EXPECT_EQ(Permissions(region + 3 * page), "---p");
    region[2 * page + 5] = 7;

    struct Case {
        std::uint32_t protection;
        const char* permissions;
        bool readable;
    };
    for (const Case& c :
         {Case{ModuleSystem::ReadOnly, "r--p", true}, Case{ModuleSystem::ReadWrite, "rw-p", true},
          Case{ModuleSystem::WriteCopy, "rw-p", true},
          Case{ModuleSystem::ExecuteRead, "r-xp", true},
          Case{ModuleSystem::ExecuteReadWrite, "rwxp", true},
          Case{ModuleSystem::ExecuteWriteCopy, "rwxp", true},
          Case{ModuleSystem::Execute, "--xp", false}, Case{ModuleSystem::NoAccess, "---p", false},
          Case{ModuleSystem::ReadOnly | ModuleSystem::NoCache, "r--p", true}}) {
        SCOPED_TRACE(c.permissions);
        ASSERT_TRUE(system.Protect(region + 2 * page, 1, c.protection));
        EXPECT_EQ(Permissions(region + 2 * page), c.permissions);
        EXPECT_EQ(ModuleSystem::Readable(c.protection), c.readable);
    }
    ASSERT_TRUE(system.Protect(region + 2 * page, 1, ModuleSystem::ReadOnly));
    EXPECT_EQ(region[2 * page + 5], 7);
    system.Release(region, 8 * page);
    EXPECT_EQ(Permissions(region), "");
}

TEST(ModuleSystem, EntryRoutinesAreCalledOnlyThroughAPluggedCaller) {
    ModuleSystem system;
    int marker = 0;
    EXPECT_FALSE(system.CanCallEntry());
    EXPECT_FALSE(system.CallEntry(&marker, &marker, 1, nullptr));
    std::vector<std::uint32_t> reasons;
    system.SetEntryCaller(
        [&](const void* entry, void* module, std::uint32_t reason, void* reserved) {
            EXPECT_EQ(entry, &marker);
            EXPECT_EQ(module, &marker);
            EXPECT_EQ(reserved, nullptr);
            reasons.push_back(reason);
            return reason == 1;
        });
    EXPECT_TRUE(system.CanCallEntry());
    EXPECT_TRUE(system.CallEntry(&marker, &marker, 1, nullptr));
    EXPECT_FALSE(system.CallEntry(&marker, &marker, 0, nullptr));
    EXPECT_EQ(reasons, (std::vector<std::uint32_t>{1, 0}));
    EXPECT_FALSE(ModuleSystem::Default().CanCallEntry());
}
