// The library image the game carries: it is exactly what its generator writes, and mapped
// it forwards the engine's ten functions to tsaudio through relocated data.

#include "AudioImage.h"
#include "LoaderTestSupport.h"
#include "sound/DLLLoader/TDLLLoader.h"

#include <QFile>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

using namespace LoaderTestSupport;

namespace {

std::vector<std::uint8_t> CarriedImage() {
    QFile file(QStringLiteral(":/lib/tsaudio.dll"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(AudioImage, TheCarriedImageIsWhatTheGeneratorWrites) {
    const std::vector<std::uint8_t> carried = CarriedImage();
    ASSERT_FALSE(carried.empty());
    EXPECT_EQ(carried, AudioImage::Build());
}

TEST(AudioImage, MapsWithRelocatedDataAndForwardsEveryEngineFunction) {
    TDLLLoader loader;
    const auto stream = StreamOf(CarriedImage());
    ASSERT_TRUE(loader.LoadFromStream(stream.get()));
    EXPECT_EQ(loader.EntryPoint, nullptr);
    ASSERT_NE(loader.Delta, 0);

    // The data section's name addresses follow the image to where it was mapped.
    for (std::size_t index = 0; index < AudioImage::FunctionNames.size(); ++index) {
        std::uint32_t address;
        std::memcpy(&address, loader.ImageBase + AudioImage::NameTableRva + 4 * index, 4);
        EXPECT_EQ(address,
                  static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(loader.ImageBase)) +
                      AudioImage::NameRva(index));
        const char* name =
            reinterpret_cast<const char*>(loader.ImageBase + AudioImage::NameRva(index));
        EXPECT_EQ(std::string_view(name), AudioImage::FunctionNames[index]);
    }

    // Every export is a forwarder into the engine, in ascending name order.
    ASSERT_EQ(loader.Exports.size(), AudioImage::FunctionNames.size());
    EXPECT_TRUE(std::is_sorted(loader.Exports.begin(), loader.Exports.end(),
                               [](const auto& a, const auto& b) { return a.Name < b.Name; }));
    ASSERT_EQ(loader.ExternalLibraries.size(), 1u);
    EXPECT_EQ(loader.ExternalLibraries[0].Name, AudioImage::EngineLibrary);
    void* engine = loader.ExternalLibraries[0].Handle;
    for (std::string_view name : AudioImage::FunctionNames) {
        SCOPED_TRACE(std::string(name));
        void* expected = engine == nullptr ? nullptr : dlsym(engine, std::string(name).c_str());
        EXPECT_EQ(loader.GetExportAddress(std::string(name)), expected);
    }
}
