// Times a program's start from outside, through the X server: from exec until its first
// top-level window is mapped and its painting has ended (the last XDamage report before the
// window stays quiet), with the program's resident memory and the processor time it had used
// at that last report. The processor time tells the program's own work apart from the waiting
// on a busy machine.
//   zelvorin-xwatch QUIET_MS PROGRAM [ARGS...]   prints "milliseconds resident-kB cpu-milliseconds"
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// The processor time of all the process's threads so far, in milliseconds (the scheduler's
// nanoseconds, finer than the clock ticks of /proc/PID/stat).
double CpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder) return -1;
    double nanoseconds = 0;
    while (const dirent* task = readdir(folder)) {
        if (task->d_name[0] == '.') continue;
        std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) nanoseconds += onCpu;
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s QUIET_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const auto quiet = std::chrono::milliseconds(std::atoi(argv[1]));
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with the DAMAGE extension\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    Window window = 0;
    Damage damage = 0;
    auto last = start;
    long resident = -1;
    double cpu = -1;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !window && !event.xmap.override_redirect) {
                window = event.xmap.window;
                damage = XDamageCreate(display, window, XDamageReportNonEmpty);
                last = Clock::now();
            } else if (event.type == damageEvent + XDamageNotify) {
                XDamageSubtract(display, damage, None, None);
                last = Clock::now();
                resident = ResidentKb(child);
                cpu = CpuMs(child);
            }
        }
        const auto now = Clock::now();
        if (window && now - last > quiet) break;
        if (now - start > std::chrono::seconds(20)) {
            std::fprintf(stderr, "no window painted within 20 s\n");
            kill(child, SIGKILL);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 5000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    std::printf("%.2f %ld %.0f\n", std::chrono::duration<double, std::milli>(last - start).count(), resident, cpu);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
