#include "WindowWatch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <thread>

namespace {

int MillisecondsUntil(WindowWatch::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - WindowWatch::Clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

} // namespace

WindowWatch::WindowWatch(const std::string& displayName) {
    // A window that goes away while it is looked at is no reason to end the benchmark.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    display = XOpenDisplay(displayName.c_str());
    if (display)
        Reset();
}

WindowWatch::~WindowWatch() {
    if (display)
        XCloseDisplay(display);
}

void WindowWatch::Reset() {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True); // drops the events of earlier programs
}

std::uint64_t WindowWatch::WaitForMappedWindow(int minWidth, int minHeight,
                                               Clock::time_point deadline) {
    const Window root = DefaultRootWindow(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                attributes.width >= minWidth && attributes.height >= minHeight)
                return event.xmap.window;
        }
        const int wait = MillisecondsUntil(deadline);
        if (wait == 0)
            return 0;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, wait);
    }
}

bool WindowWatch::WaitPainted(std::uint64_t window, Clock::time_point deadline) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    const int w = attributes.width;
    const int h = attributes.height;
    const int points[][2] = {{w / 2, h / 2}, {4, 4}, {w - 5, 4}, {4, h - 5}, {w - 5, h - 5}};
    for (;;) {
        for (const auto& point : points) {
            XImage* image =
                XGetImage(display, window, point[0], point[1], 1, 1, AllPlanes, ZPixmap);
            if (!image)
                continue;
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            if (pixel != 0)
                return true;
        }
        if (MillisecondsUntil(deadline) == 0)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}
