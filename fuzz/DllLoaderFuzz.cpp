// Feeds arbitrary bytes to the in-memory library loader as a library image. Nothing of the
// image ever runs and no real library is loaded: the system under the loader answers every
// library name with one fixed handle, and its entry caller only answers yes or no.

#include "sound/DLLLoader/TDLLLoader.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {

char fakeLibrary;
char fakeFunction;

class FuzzModuleSystem : public ModuleSystem {
public:
    LibraryHandle LoadLibrary(const std::string& name) override {
        return name.empty() ? nullptr : &fakeLibrary;
    }
    void* FindFunction(LibraryHandle library, const std::string& name) override {
        return library != nullptr && !name.empty() ? &fakeFunction : nullptr;
    }
    void* FindFunction(LibraryHandle, std::uint16_t) override { return nullptr; }
    void FreeLibrary(LibraryHandle) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzModuleSystem system;
    // Whether the attach succeeds follows from the input, so both paths are taken.
    const bool attachSucceeds = size % 2 == 0;
    system.SetEntryCaller([attachSucceeds](const void*, void*, std::uint32_t reason, void*) {
        return reason != 1 || attachSucceeds;
    });

    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TDLLLoader loader(system);
    if (loader.LoadFromStream(&stream)) {
        // The look-up gives the address of the first export of each name.
        std::unordered_map<std::string, void*> first;
        for (const TDLLLoader::TExport& item : loader.Exports)
            first.emplace(item.Name, item.Address);
        for (const auto& [name, address] : first) {
            if (!name.empty() && loader.GetExportAddress(name) != address)
                __builtin_trap();
        }
        loader.UnloadImage();
    }
    return 0;
}
