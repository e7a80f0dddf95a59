// Start-up time and memory of whole programs under an X server: the time
// from exec to the map of the program's window, which the X server reports
// to us by title, the program's resident memory at that moment, and the
// time to the window's first drawing (its first damage). Runs the programs
// in turn, so they share the machine's state, and prints medians, spread and
// the ratios to the first one (the floor).
//
//   kwindel_startup_timer RUNS TITLE=PATH [TITLE=PATH...]
// A title may carry a note in brackets, which is not part of the window's
// title: "Kwindel (main)=/elsewhere/kwindel".

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int timeoutMs = 20000;

struct Program {
    std::string label;
    std::string title;
    std::string path;
    std::vector<double> millis;
    std::vector<double> megabytes;
    std::vector<double> paintMillis;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// VmRSS of a process, in MB (1,000,000 bytes).
double residentMB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) * 1024 / 1e6;
    }
    return -1;
}

std::string titleOf(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success
        && data) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
    }
    return title;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window may be gone before we read its title
}

struct Measured {
    double mapMs = 0;
    double megabytes = 0;
    double paintMs = 0;
};

int damageEvents = 0;

// One run: exec, then wait for the map of a window with the title and for
// its first drawing. Every new top-level window is watched for drawing from
// its creation, so none is missed.
std::optional<Measured> runOnce(Display *display, const Program &program)
{
    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    Measured measured;
    Window mapped = None;
    std::vector<Damage> damages;
    bool done = false;
    pollfd watch{ConnectionNumber(display), POLLIN, 0};
    while (!done) {
        if (!XPending(display)) {
            if (poll(&watch, 1, timeoutMs) <= 0) {
                std::fprintf(stderr, "%s: no window \"%s\" drawn within %d ms\n", program.path.c_str(), program.title.c_str(),
                             timeoutMs);
                break;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            damages.push_back(XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty));
        } else if (event.type == MapNotify && !mapped && titleOf(display, event.xmap.window) == program.title) {
            measured.mapMs = now() - start;
            measured.megabytes = residentMB(pid);
            mapped = event.xmap.window;
        } else if (event.type == damageEvents + XDamageNotify && mapped
                   && reinterpret_cast<XDamageNotifyEvent &>(event).drawable == mapped) {
            measured.paintMs = now() - start;
            done = true;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    for (Damage damage : damages)
        XDamageDestroy(display, damage);
    XSync(display, True); // and drop what the old windows still report
    if (!done)
        return std::nullopt;
    return measured;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS TITLE=PATH...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const char *split = std::strchr(argv[i], '=');
        if (!split)
            return 2;
        const std::string label(argv[i], std::size_t(split - argv[i]));
        programs.push_back({label, label.substr(0, label.find(" (")), split + 1, {}, {}, {}});
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    int damageErrors = 0;
    if (!XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    // One warm-up each fills the file cache, then the programs take turns.
    for (int run = -1; run < runs; ++run) {
        for (Program &program : programs) {
            const auto measured = runOnce(display, program);
            if (!measured)
                return 1;
            if (run >= 0) {
                program.millis.push_back(measured->mapMs);
                program.megabytes.push_back(measured->megabytes);
                program.paintMillis.push_back(measured->paintMs);
            }
        }
    }

    const Program &floor = programs.front();
    std::printf("%d runs each: exec to window mapped, resident memory (VmRSS) then, exec to first drawing\n", runs);
    std::printf("%-22s %9s %17s %6s   %8s %15s %6s   %9s %6s\n", "program", "mapped", "min - max", "ratio", "memory",
                "min - max", "ratio", "drawn", "ratio");
    for (const Program &p : programs) {
        const auto [tMin, tMax] = std::minmax_element(p.millis.begin(), p.millis.end());
        const auto [mMin, mMax] = std::minmax_element(p.megabytes.begin(), p.megabytes.end());
        const double t = median(p.millis), m = median(p.megabytes), d = median(p.paintMillis);
        std::printf("%-22s %6.1f ms %6.1f - %6.1f ms %5.2fx   %5.1f MB %5.1f - %5.1f MB %5.2fx   %6.1f ms %5.2fx\n",
                    p.label.c_str(), t, *tMin, *tMax, t / median(floor.millis), m, *mMin, *mMax, m / median(floor.megabytes), d,
                    d / median(floor.paintMillis));
    }
    XCloseDisplay(display);
    return 0;
}
