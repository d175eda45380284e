#include "FakeInput.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

FakeInput::FakeInput(const std::string& displayName) {
    display = XOpenDisplay(displayName.c_str());
    int event = 0, error = 0, major = 0, minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        display = nullptr;
    }
}

FakeInput::~FakeInput() {
    if (display)
        XCloseDisplay(display);
}

void FakeInput::MoveTo(std::uint64_t window, int x, int y) {
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
}

void FakeInput::Focus(std::uint64_t window, int x, int y) {
    MoveTo(window, x, y);
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XSync(display, False);
}

void FakeInput::Key(const char* keyName, bool alt) {
    const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(keyName));
    const KeyCode altKey = XKeysymToKeycode(display, XStringToKeysym("Alt_L"));
    if (alt)
        XTestFakeKeyEvent(display, altKey, True, CurrentTime);
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    if (alt)
        XTestFakeKeyEvent(display, altKey, False, CurrentTime);
    XSync(display, False);
}

void FakeInput::Click(std::uint64_t window, int x, int y) {
    MoveTo(window, x, y);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}
