#include "ModuleSinkOutput.h"

#include "MixSource.h"
#include "TsSinkApi.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// The folder of the file that holds this code: the engine's library, or the program when
// the engine is linked into it.
std::string OwnFolder() {
    std::string path;
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnFolder), &info) && info.dli_fname)
        path = info.dli_fname;
    if (path.find('/') == std::string::npos) {
        char exe[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
        path = length > 0 ? std::string(exe, std::size_t(length)) : std::string();
    }
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Loads the module once for the process and keeps it (it is never unloaded: an engine's
// thread waiting for a server that does not answer may outlive its output). Null when it
// cannot be loaded; that is said once on the error output.
TsSinkCreateOutputFunction CreateFunction() {
    static const TsSinkCreateOutputFunction create = []() -> TsSinkCreateOutputFunction {
        const std::string path = OwnFolder() + "/libtssink.so";
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* symbol = module ? dlsym(module, TSSINK_CREATE_OUTPUT) : nullptr;
        if (!symbol) {
            const char* error = dlerror();
            std::fprintf(stderr, "tessaly: no sound output: %s\n", error ? error : path.c_str());
            return nullptr;
        }
        return reinterpret_cast<TsSinkCreateOutputFunction>(symbol);
    }();
    return create;
}

} // namespace

ModuleSinkOutput::~ModuleSinkOutput() {
    Stop();
}

void ModuleSinkOutput::Start(MixSource& owner) {
    engine = &owner;
}

void ModuleSinkOutput::Connect() {
    if (!engine)
        return;
    if (!output) {
        const TsSinkCreateOutputFunction create = CreateFunction();
        if (!create) {
            engine->OutputFailed();
            return;
        }
        output.reset(create());
        output->Start(*engine);
    }
    output->Connect();
}

void ModuleSinkOutput::Stop() {
    engine = nullptr;
    if (!output)
        return;
    output->Stop();
    output.reset();
}
