#pragma once
// The span of the program in which its dialog windows are made when they are first used:
// while an object of this class lives, using an OnDemandWindow that has no window makes
// one, and when the object ends, every window made is destroyed, the last made first.

#include <functional>
#include <vector>

class OnDemandWindows {
public:
    OnDemandWindows();
    ~OnDemandWindows();
    OnDemandWindows(const OnDemandWindows&) = delete;
    OnDemandWindows& operator=(const OnDemandWindows&) = delete;

    // Whether a use may make a window now.
    static bool Active() { return active; }
    // Takes what destroys a window that has just been made.
    static void Made(std::function<void()> destroy);

private:
    static inline bool active = false;
    static inline std::vector<std::function<void()>> made;
};
