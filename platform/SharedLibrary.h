#pragma once
// A shared library opened by the program at run time, and the addresses of its functions.

#include <string>

class SharedLibrary {
public:
    // Opens the library file; IsOpen() tells whether that worked.
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool IsOpen() const;
    // The address of the exported name; null when the library or the name is missing.
    void* Symbol(const char* name) const;

    // The folder of the running program file, with a trailing "/", found without the
    // application object (libraries are bound before it exists).
    static std::string ProgramFolder();

private:
    void* handle = nullptr;
};
