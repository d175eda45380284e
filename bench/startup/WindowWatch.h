#pragma once
// Watches an X display from outside the programs on it: which top-level windows are mapped,
// and when a mapped window shows painted pixels.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

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

    // Remembers what the screen shows now, for WaitPaintedOver.
    void RememberScreen();
    // Waits until the window, mapped over what the screen showed at RememberScreen, shows
    // pixels of its own (a window that has not painted yet shows what lay beneath it);
    // false at the deadline.
    bool WaitPaintedOver(std::uint64_t window, Clock::time_point deadline);

private:
    struct _XDisplay* display = nullptr;
    std::vector<unsigned long> screen;
    int screenWidth = 0;
    int screenHeight = 0;
};
