#pragma once
// The system services the in-memory library loader builds on: address space and page
// protection, shared libraries looked up by name, and the call of an image's entry routine.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class ModuleSystem {
public:
    using LibraryHandle = void*;
    // Calls a library entry routine (module handle, reason code, reserved pointer) and
    // gives its boolean result.
    using EntryCaller =
        std::function<bool(const void* entry, void* module, std::uint32_t reason, void* reserved)>;

    // Page protections in the image format's own numbering; the loader picks one per
    // section and Protect translates it.
    enum Protection : std::uint32_t {
        NoAccess = 0x01,
        ReadOnly = 0x02,
        ReadWrite = 0x04,
        WriteCopy = 0x08,
        Execute = 0x10,
        ExecuteRead = 0x20,
        ExecuteReadWrite = 0x40,
        ExecuteWriteCopy = 0x80,
        NoCache = 0x200,
    };

    virtual ~ModuleSystem() = default;

    // The services of the running system, with no entry caller plugged in.
    static ModuleSystem& Default();

    static std::size_t PageSize();
    // Whether a page under Protect(protection) can be read on this system.
    static bool Readable(std::uint32_t protection);

    // Reserves size bytes anywhere, without access; nullptr when the system refuses.
    void* Reserve(std::size_t size);
    // Makes the pages touched by [address, address + size) readable and writable.
    bool Commit(void* address, std::size_t size);
    // Sets the protection of the pages touched by [address, address + size). Write-copy
    // becomes read-write (nothing here is shared with a file); no-cache is ignored.
    bool Protect(void* address, std::size_t size, std::uint32_t protection);
    // Gives back a whole region that Reserve returned.
    void Release(void* address, std::size_t size);

    // A bare "NAME" or "NAME.dll" is first looked for as libNAME.so beside the program,
    // then in the program's installed library folder, then through the system's search; any other
    // name goes to the system as it is. nullptr when nothing loads.
    virtual LibraryHandle LoadLibrary(const std::string& name);
    // nullptr when the library is null or has no such function.
    virtual void* FindFunction(LibraryHandle library, const std::string& name);
    // Shared objects have no ordinals: nothing is ever found this way.
    virtual void* FindFunction(LibraryHandle library, std::uint16_t ordinal);
    // Frees a library LoadLibrary gave; a null handle is ignored.
    virtual void FreeLibrary(LibraryHandle library);

    // Without a caller, images that have an entry routine cannot be started.
    void SetEntryCaller(EntryCaller caller) { entryCaller = std::move(caller); }
    bool CanCallEntry() const { return static_cast<bool>(entryCaller); }
    // false when no caller is plugged in.
    bool CallEntry(const void* entry, void* module, std::uint32_t reason, void* reserved) const;

    // The libNAME.so file name for a bare "NAME" or "NAME.dll"; empty for any other name.
    static std::string SharedObjectName(const std::string& name);
    // The folder of the running program, without a trailing slash.
    static std::string ProgramFolder();

private:
    EntryCaller entryCaller;
};
