#include "LoaderTestSupport.h"

#include "platform/ModuleSystem.h"

#include <dlfcn.h>

#include <fstream>
#include <sstream>

namespace LoaderTestSupport {

std::unique_ptr<QBuffer> StreamOf(const std::vector<std::uint8_t>& bytes) {
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
