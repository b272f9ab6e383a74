// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up budget: starts the program and the floor (one empty window of the board's size) in
// turn on the X display in DISPLAY and measures, from outside, for each start
//   - the time from just before fork() to the first frame of the program's window on the
//     screen, and
//   - the peak resident memory (VmHWM) a moment after that frame.
// Usage: startup_launcher <program> <floor> [runs per program, 20] [settle ms, 500]
// It prints each run, the medians and the two ratios, and ends with 1 when the program needs
// more than 1.5 times the floor's time or 1.3 times its peak memory (2 when it cannot measure).
//
// The first frame is seen in the pixels: the X server must have a black root window (Xvfb -br).
// Qt creates its top-level windows with no background, so a newly mapped window shows the black
// root until the program puts its first frame into it. From the window's MapNotify on, one row
// across the middle of the window is read with XGetImage every 200 microseconds; the first
// non-black pixel marks the first paint. Both programs are started the same way, so the small
// cost of the polling falls on both alike.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kTimeBudget = 1.5;
constexpr double kMemoryBudget = 1.3;
constexpr double kGiveUpSeconds = 20.0;

struct Run
{
    double mapMs = 0;   // fork to MapNotify of the window
    double paintMs = 0; // fork to the first non-black pixel in it
    long hwmKiB = 0;    // VmHWM just before the program is ended
    long maxRssKiB = 0; // ru_maxrss of the ended child
    double cpuMs = 0;   // user and system time of the child, start-up and settling together
    int width = 0;
    int height = 0;
};

double nowSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void sleepMicroseconds(long us)
{
    timespec ts{us / 1000000, (us % 1000000) * 1000};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// A window may go away between the event and the request; such errors are expected here.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

long readHwmKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// True when any pixel of the row across the middle of the window is not black.
bool windowPainted(Display *dpy, Window win, int width, int height)
{
    XImage *row =
        XGetImage(dpy, win, 0, height / 2, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
    if (!row) {
        return false;
    }
    bool painted = false;
    for (int x = 0; x < width && !painted; ++x) {
        painted = XGetPixel(row, x, 0) != 0;
    }
    XDestroyImage(row);
    return painted;
}

bool rootIsBlack(Display *dpy)
{
    const Window root = DefaultRootWindow(dpy);
    XWindowAttributes attrs{};
    XGetWindowAttributes(dpy, root, &attrs);
    return !windowPainted(dpy, root, attrs.width, attrs.height);
}

void endChild(pid_t pid, Run &run)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.maxRssKiB = usage.ru_maxrss;
    auto ms = [](const timeval &tv) {
        return static_cast<double>(tv.tv_sec) * 1000.0 + static_cast<double>(tv.tv_usec) / 1000.0;
    };
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Starts a program on the X server of its own choosing, its output discarded; -1 when it could
// not be forked.
pid_t startProgram(const char *program)
{
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return -1;
    }
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
        }
        unsetenv("QT_QPA_PLATFORM");
        execl(program, program, static_cast<char *>(nullptr));
        std::fprintf(stderr, "startup_launcher: cannot start %s: %s\n", program,
                     std::strerror(errno));
        _exit(127);
    }
    return pid;
}

// Starts one program and measures it; false when its window never showed a frame.
bool measure(Display *dpy, const char *program, long settleMs, Run &run)
{
    const Window root = DefaultRootWindow(dpy);
    XSync(dpy, False);
    while (XPending(dpy)) {
        XEvent stale;
        XNextEvent(dpy, &stale);
    }

    const double start = nowSeconds();
    const pid_t pid = startProgram(program);
    if (pid < 0) {
        return false;
    }

    Window win = 0;
    pollfd xfd{ConnectionNumber(dpy), POLLIN, 0};
    while (nowSeconds() - start < kGiveUpSeconds) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect &&
                win == 0) {
                run.mapMs = (nowSeconds() - start) * 1000.0;
                win = ev.xmap.window;
                XWindowAttributes attrs{};
                XGetWindowAttributes(dpy, win, &attrs);
                run.width = attrs.width;
                run.height = attrs.height;
            }
        }
        if (win != 0) {
            if (windowPainted(dpy, win, run.width, run.height)) {
                run.paintMs = (nowSeconds() - start) * 1000.0;
                break;
            }
            sleepMicroseconds(200);
        } else {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "startup_launcher: %s ended before showing a window\n",
                             program);
                return false;
            }
            poll(&xfd, 1, 1);
        }
    }
    if (run.paintMs == 0) {
        std::fprintf(stderr, "startup_launcher: no frame from %s within %.0f s\n", program,
                     kGiveUpSeconds);
        endChild(pid, run);
        return false;
    }

    // Whatever the program does right after its first frame still belongs to its start-up.
    sleepMicroseconds(settleMs * 1000);
    run.hwmKiB = readHwmKiB(pid);
    endChild(pid, run);
    return true;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary
{
    double paintMedian, paintMin, paintMax, mapMedian, cpuMedian;
    long hwmMedian, hwmMin, hwmMax, maxRssMedian;
};

Summary summarise(const std::vector<Run> &runs)
{
    std::vector<double> paint, map, cpu;
    std::vector<long> hwm, maxRss;
    for (const Run &r : runs) {
        paint.push_back(r.paintMs);
        map.push_back(r.mapMs);
        cpu.push_back(r.cpuMs);
        hwm.push_back(r.hwmKiB);
        maxRss.push_back(r.maxRssKiB);
    }
    return {median(paint),
            *std::min_element(paint.begin(), paint.end()),
            *std::max_element(paint.begin(), paint.end()),
            median(map),
            median(cpu),
            median(hwm),
            *std::min_element(hwm.begin(), hwm.end()),
            *std::max_element(hwm.begin(), hwm.end()),
            median(maxRss)};
}

void printSummary(const char *name, const Summary &s)
{
    std::printf("%-8s %9.1f %9.1f %9.1f %9.1f %9.1f %10ld %10ld %10ld %10ld\n", name, s.paintMedian,
                s.paintMin, s.paintMax, s.mapMedian, s.cpuMedian, s.hwmMedian, s.hwmMin, s.hwmMax,
                s.maxRssMedian);
}

// Prints both summaries and how the program compares with the floor; true within the budgets.
bool printVerdict(const Summary &o, const Summary &f)
{
    std::printf("\n%-8s %9s %9s %9s %9s %9s %10s %10s %10s %10s\n", "", "paint med", "min", "max",
                "map med", "cpu med", "VmHWM med", "min", "max", "maxrss med");
    printSummary("program", o);
    printSummary("floor", f);
    const double timeRatio = o.paintMedian / f.paintMedian;
    const double memoryRatio = static_cast<double>(o.hwmMedian) / static_cast<double>(f.hwmMedian);
    const bool timeOk = timeRatio <= kTimeBudget;
    const bool memoryOk = memoryRatio <= kMemoryBudget;
    std::printf("\ntime to first paint: %.2f x the floor (budget %.1f x) %s\n", timeRatio,
                kTimeBudget, timeOk ? "ok" : "OVER");
    std::printf("peak memory (VmHWM): %.2f x the floor (budget %.1f x) %s\n", memoryRatio,
                kMemoryBudget, memoryOk ? "ok" : "OVER");
    return timeOk && memoryOk;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s <program> <floor> [runs per program, 20] [settle ms, 500]\n",
                     argv[0]);
        return 2;
    }
    const char *program = argv[1];
    const char *floorProgram = argv[2];
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    const long settleMs = argc > 4 ? std::atol(argv[4]) : 500;
    if (runs < 1 || settleMs < 0) {
        std::fprintf(stderr, "startup_launcher: bad run count or settle time\n");
        return 2;
    }

    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startup_launcher: no X display (run it under xvfb-run)\n");
        return 2;
    }
    // The programs get a connection of their own, not a copy of this one.
    fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreXError);
    if (!rootIsBlack(dpy)) {
        std::fprintf(stderr, "startup_launcher: the root window is not black; start the X "
                             "server with -br\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);

    // One start of each first, not counted: it fills the file and font caches.
    Run warmUp;
    if (!measure(dpy, floorProgram, settleMs, warmUp) || !measure(dpy, program, settleMs, warmUp)) {
        return 2;
    }

    std::vector<Run> ours, floor;
    std::printf("%-4s %-8s %9s %9s %9s %10s %10s %9s\n", "run", "which", "paint ms", "map ms",
                "cpu ms", "VmHWM KiB", "maxrss KiB", "window");
    for (int i = 0; i < runs; ++i) {
        // The order alternates so that a drift in the machine's load falls on both alike.
        for (int k = 0; k < 2; ++k) {
            const bool oursNow = (i % 2 == 0) == (k == 0);
            Run run;
            if (!measure(dpy, oursNow ? program : floorProgram, settleMs, run)) {
                return 2;
            }
            std::printf("%-4d %-8s %9.1f %9.1f %9.1f %10ld %10ld %4dx%d\n", i + 1,
                        oursNow ? "program" : "floor", run.paintMs, run.mapMs, run.cpuMs,
                        run.hwmKiB, run.maxRssKiB, run.width, run.height);
            std::fflush(stdout);
            (oursNow ? ours : floor).push_back(run);
        }
    }
    XCloseDisplay(dpy);

    return printVerdict(summarise(ours), summarise(floor)) ? 0 : 1;
}
