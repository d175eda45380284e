#include "LoaderTestSupport.h"

#include "platform/ModuleSystem.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace LoaderTestSupport {

std::unique_ptr<QBuffer> StreamOf(const std::vector<std::uint8_t>& bytes) {
    // With TESSALY_LOADER_SEED_DIR set, every image a test loads is also written there: the
    // fuzzer's seed corpus is made this way.
    if (const char* folder = std::getenv("TESSALY_LOADER_SEED_DIR")) {
        std::uint64_t hash = 14695981039346656037ull;
        for (std::uint8_t byte : bytes)
            hash = (hash ^ byte) * 1099511628211ull;
        char name[32];
        std::snprintf(name, sizeof name, "/image-%016llx", static_cast<unsigned long long>(hash));
        std::ofstream(std::string(folder) + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    auto stream = std::make_unique<QBuffer>();
    stream->setData(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    stream->open(QIODevice::ReadOnly);
    return stream;
}

std::string TestLibraryPath() {
    return ModuleSystem::ProgramFolder() + "/lib" + TestLibrary + ".so";
}

bool TestLibraryLoaded() {
    void* handle = dlopen(TestLibraryPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

void* TestLibraryFunction(const char* name) {
    void* handle = dlopen(TestLibraryPath().c_str(), RTLD_NOW);
    if (handle == nullptr)
        return nullptr;
    void* function = dlsym(handle, name);
    dlclose(handle);
    return function;
}

std::string Permissions(const void* address) {
    const auto wanted = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        std::istringstream fields(line);
        std::string range, permissions;
        fields >> range >> permissions;
        const std::size_t dash = range.find('-');
        const std::uintptr_t start = std::stoull(range.substr(0, dash), nullptr, 16);
        const std::uintptr_t end = std::stoull(range.substr(dash + 1), nullptr, 16);
        if (wanted >= start && wanted < end)
            return permissions;
    }
    return {};
}

} // namespace LoaderTestSupport
