#include "SharedLibrary.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>

SharedLibrary::SharedLibrary(const std::string& path) {
    // RTLD_NODELETE: closing forgets the library but leaves it mapped until the process
    // ends, so that nothing the library registered with its own dependencies (the audio
    // stack's exit handlers) points into unmapped code.
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

SharedLibrary::~SharedLibrary() {
    if (handle)
        dlclose(handle);
}

bool SharedLibrary::IsOpen() const {
    return handle != nullptr;
}

void* SharedLibrary::Symbol(const char* name) const {
    return handle ? dlsym(handle, name) : nullptr;
}

std::string SharedLibrary::ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return program.parent_path().string() + "/";
}
