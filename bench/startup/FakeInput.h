#pragma once
// Plays the player's keys and clicks into an X display through its test extension, as if
// they came from the keyboard and the mouse.

#include <cstdint>
#include <string>

class FakeInput {
public:
    explicit FakeInput(const std::string& displayName);
    ~FakeInput();
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool Connected() const { return display != nullptr; }

    // Gives the window the keyboard and puts the mouse at (x, y) inside it, without a click.
    void Focus(std::uint64_t window, int x, int y);
    // Presses and releases the key (an X key name such as "m" or "F2"), with Alt held when
    // `alt` is set; returns once the server has the events.
    void Key(const char* keyName, bool alt = false);
    // A left click at (x, y) inside the window.
    void Click(std::uint64_t window, int x, int y);

private:
    void MoveTo(std::uint64_t window, int x, int y);

    struct _XDisplay* display = nullptr;
};
