#include "ModuleSystem.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>

namespace {

// The pages touched by [address, address + size).
struct PageRange {
    void* start;
    std::size_t length;
};

PageRange PagesOf(void* address, std::size_t size) {
    const std::uintptr_t page = ModuleSystem::PageSize();
    const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(address) & ~(page - 1);
    const std::uintptr_t end =
        (reinterpret_cast<std::uintptr_t>(address) + size + page - 1) & ~(page - 1);
    return {reinterpret_cast<void*>(begin), end - begin};
}

int PosixProtection(std::uint32_t protection) {
    switch (protection & ~std::uint32_t(ModuleSystem::NoCache)) {
    case ModuleSystem::ReadOnly:
        return PROT_READ;
    case ModuleSystem::ReadWrite:
    case ModuleSystem::WriteCopy:
        return PROT_READ | PROT_WRITE;
    case ModuleSystem::Execute:
        return PROT_EXEC;
    case ModuleSystem::ExecuteRead:
        return PROT_EXEC | PROT_READ;
    case ModuleSystem::ExecuteReadWrite:
    case ModuleSystem::ExecuteWriteCopy:
        return PROT_EXEC | PROT_READ | PROT_WRITE;
    default:
        return PROT_NONE;
    }
}

bool EndsWithDll(const std::string& name) {
    if (name.size() < 4)
        return false;
    const std::string tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 'd' && (tail[2] | 0x20) == 'l' &&
           (tail[3] | 0x20) == 'l';
}

} // namespace

ModuleSystem& ModuleSystem::Default() {
    // Never destroyed: a loader that outlives the other static objects still finds its
    // system when it unloads at exit.
    static ModuleSystem* const system = new ModuleSystem;
    return *system;
}

std::size_t ModuleSystem::PageSize() {
    static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

bool ModuleSystem::Readable(std::uint32_t protection) {
    return (PosixProtection(protection) & PROT_READ) != 0;
}

void* ModuleSystem::Reserve(std::size_t size) {
    if (size == 0)
        return nullptr;
    void* region =
        mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return region == MAP_FAILED ? nullptr : region;
}

bool ModuleSystem::Commit(void* address, std::size_t size) {
    if (size == 0)
        return true;
    const PageRange pages = PagesOf(address, size);
    return mprotect(pages.start, pages.length, PROT_READ | PROT_WRITE) == 0;
}

bool ModuleSystem::Protect(void* address, std::size_t size, std::uint32_t protection) {
    if (size == 0)
        return true;
    const PageRange pages = PagesOf(address, size);
    return mprotect(pages.start, pages.length, PosixProtection(protection)) == 0;
}

void ModuleSystem::Release(void* address, std::size_t size) {
    if (address != nullptr && size != 0)
        munmap(address, size);
}

ModuleSystem::LibraryHandle ModuleSystem::LoadLibrary(const std::string& name) {
    if (name.empty())
        return nullptr;
    const std::string sharedObject = SharedObjectName(name);
    if (sharedObject.empty())
        return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    // The program's own libraries lie beside it in the build folder and in its library
    // folder when installed. The installed folder is tried here rather than left to the
    // program's run path, which a dlopen from inside a sanitizer runtime does not see.
    for (const std::string& folder :
         {ProgramFolder(), ProgramFolder() + '/' + TESSALY_LIBDIR_FROM_BINDIR}) {
        const std::string path = folder + '/' + sharedObject;
        if (void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return dlopen(sharedObject.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* ModuleSystem::FindFunction(LibraryHandle library, const std::string& name) {
    // A null handle would make dlsym search the whole program.
    if (library == nullptr || name.empty())
        return nullptr;
    return dlsym(library, name.c_str());
}

void* ModuleSystem::FindFunction(LibraryHandle, std::uint16_t) {
    return nullptr;
}

void ModuleSystem::FreeLibrary(LibraryHandle library) {
    if (library != nullptr)
        dlclose(library);
}

bool ModuleSystem::CallEntry(const void* entry, void* module, std::uint32_t reason,
                             void* reserved) const {
    return entryCaller ? entryCaller(entry, module, reason, reserved) : false;
}

std::string ModuleSystem::SharedObjectName(const std::string& name) {
    const std::string base = EndsWithDll(name) ? name.substr(0, name.size() - 4) : name;
    if (base.empty() || base.find_first_of("./\\") != std::string::npos)
        return {};
    return "lib" + base + ".so";
}

std::string ModuleSystem::ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    const std::size_t slash = program.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string(slash == 0 ? "" : ".")
                                                    : program.substr(0, slash);
}
