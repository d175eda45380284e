#pragma once
// Watches an X display from outside the programs on it: which top-level windows are mapped,
// and when a mapped window shows painted pixels.

#include <chrono>
#include <cstdint>
#include <string>

class WindowWatch {
public:
    using Clock = std::chrono::steady_clock;

    explicit WindowWatch(const std::string& displayName);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool Connected() const { return display != nullptr; }

    // Forgets the windows mapped so far; call it before starting the program to watch.
    void Reset();

    // The next top-level window of at least minWidth x minHeight that is mapped, or 0 when
    // none is mapped before the deadline.
    std::uint64_t WaitForMappedWindow(int minWidth, int minHeight, Clock::time_point deadline);

    // Waits until the window shows painted pixels (anything but the black of the empty
    // screen at its centre and corners); false at the deadline.
    bool WaitPainted(std::uint64_t window, Clock::time_point deadline);

private:
    struct _XDisplay* display = nullptr;
};
