#pragma once
// What the loader's tests share: streams over image bytes, the test library beside the
// tests, and looks at the process's own mappings.

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace LoaderTestSupport {

// An open read-only memory stream over a copy of bytes (also written to the folder
// TESSALY_LOADER_SEED_DIR names, when it is set).
std::unique_ptr<QBuffer> StreamOf(const std::vector<std::uint8_t>& bytes);

// The test library's bare name and its file beside the tests.
inline const std::string TestLibrary = "tsloadertest";
std::string TestLibraryPath();
// Whether the process has the test library loaded right now.
bool TestLibraryLoaded();
// The address of one of the test library's functions, as the system resolves it.
void* TestLibraryFunction(const char* name);

// The permissions ("r-xp", "---p", ...) of the mapping that holds address; empty if none.
std::string Permissions(const void* address);

} // namespace LoaderTestSupport
