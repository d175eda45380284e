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

void WindowWatch::RememberScreen() {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    screen.clear();
    if (!XGetWindowAttributes(display, root, &attributes))
        return;
    XImage* image = XGetImage(display, root, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return;
    screenWidth = attributes.width;
    screenHeight = attributes.height;
    screen.resize(size_t(screenWidth) * size_t(screenHeight));
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
            screen[size_t(y) * size_t(screenWidth) + size_t(x)] = XGetPixel(image, x, y);
    XDestroyImage(image);
}

bool WindowWatch::WaitPaintedOver(std::uint64_t window, Clock::time_point deadline) {
    XWindowAttributes attributes;
    if (screen.empty() || !XGetWindowAttributes(display, window, &attributes))
        return false;
    int left = 0, top = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);
    // A grid of points inside the frame; the window counts as painted once a quarter of them
    // show something else than the screen showed there before.
    constexpr int grid = 7;
    for (;;) {
        int changed = 0;
        for (int j = 1; j <= grid; ++j) {
            const int y = attributes.height * j / (grid + 1);
            XImage* row =
                XGetImage(display, window, 0, y, unsigned(attributes.width), 1, AllPlanes, ZPixmap);
            if (!row)
                continue;
            for (int i = 1; i <= grid; ++i) {
                const int x = attributes.width * i / (grid + 1);
                const int sx = left + x, sy = top + y;
                if (sx < 0 || sy < 0 || sx >= screenWidth || sy >= screenHeight)
                    continue;
                if (XGetPixel(row, x, 0) != screen[size_t(sy) * size_t(screenWidth) + size_t(sx)])
                    ++changed;
            }
            XDestroyImage(row);
        }
        if (changed * 4 >= grid * grid)
            return true;
        if (MillisecondsUntil(deadline) == 0)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}
