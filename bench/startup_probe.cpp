// Starts a program and times it until its window with the given title is mapped on the X
// server named by DISPLAY; then ends it and reports its peak resident memory.
// Usage: startup_probe TITLE PROGRAM [ARGS...]   Prints: milliseconds kilobytes
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// The title as the window's UTF-8 name, which a title in any script needs; else the old name.
bool HasTitle(Display* display, Window window, const char* title) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* name = nullptr;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &items,
                           &after, &name) == Success &&
        name != nullptr) {
        const bool same = type == utf8 && std::strcmp(reinterpret_cast<char*>(name), title) == 0;
        XFree(name);
        return same;
    }
    char* oldName = nullptr;
    if (XFetchName(display, window, &oldName) == 0 || oldName == nullptr) return false;
    const bool same = std::strcmp(oldName, title) == 0;
    XFree(oldName);
    return same;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    // Without a window manager, top-level windows are children of the root window.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(30);
    bool mapped = false;
    std::chrono::steady_clock::time_point mappedAt;
    while (!mapped && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
                mappedAt = std::chrono::steady_clock::now();
                mapped = true;
                break;
            }
        }
        if (!mapped) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }

    // Let the first paint finish before the memory is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: no window titled '%s' was mapped\n", argv[1]);
        return 1;
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(mappedAt - start).count();
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
