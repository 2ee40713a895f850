// window-probe: watches a program's window from outside, on the X server, the
// same way for any program: when it is mapped, when it first shows a picture,
// how often it is redrawn, and what it and the server cost meanwhile.
//
//   window-probe launch RESULT -- COMMAND [ARG]...
//       starts COMMAND and writes "pid window mapped_ms picture_ms" to RESULT
//       once its window shows more than one colour; COMMAND keeps running.
//   window-probe watch WINDOW PID SERVER_PID SECONDS
//       prints "cpu PERCENT server PERCENT fps FRAMES_PER_SECOND" for that
//       time: processor use as % of one core, redraws seen per second.
//   window-probe grab WINDOW FILE
//       writes the window's picture as a binary PPM.
//   window-probe other NAME
//       maps a small plain window called NAME and keeps it until killed: a
//       window for the focus to move to.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace {
// Only a bound for a program that never shows a picture: on a loaded machine
// the first one can take many seconds.
constexpr int launchTimeoutMs = 60000;
constexpr int pollMs = 1;
// Every this many pixels in each direction is enough to tell a picture from
// a blank or single-colour window.
constexpr int sampleStep = 4;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

long windowPid(Display* d, Window w)
{
    static const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        if (count == 1 && format == 32) {
            pid = long(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return pid;
}

// The program's top-level window: window managers put it inside a frame, so
// two levels below the root are searched. The largest one wins over helper
// windows (GTK and Qt make a few small ones).
Window findWindow(Display* d, Window parent, long pid, int depth, long& bestArea)
{
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window best = 0;
    if (!XQueryTree(d, parent, &root, &up, &children, &count)) {
        return 0;
    }
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (windowPid(d, children[i]) == pid && XGetWindowAttributes(d, children[i], &a) &&
            a.map_state == IsViewable && long(a.width) * a.height > bestArea) {
            bestArea = long(a.width) * a.height;
            best = children[i];
        }
        if (depth > 0) {
            const Window below = findWindow(d, children[i], pid, depth - 1, bestArea);
            best = below ? below : best;
        }
    }
    if (children) {
        XFree(children);
    }
    return best;
}

XImage* grab(Display* d, Window w)
{
    XWindowAttributes a{};
    if (!XGetWindowAttributes(d, w, &a) || a.width <= 0 || a.height <= 0) {
        return nullptr;
    }
    return XGetImage(d, w, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
}

bool showsPicture(Display* d, Window w)
{
    XImage* image = grab(d, w);
    if (!image) {
        return false;
    }
    std::set<unsigned long> colours;
    for (int y = 0; y < image->height && colours.size() < 2; y += sampleStep) {
        for (int x = 0; x < image->width && colours.size() < 2; x += sampleStep) {
            colours.insert(XGetPixel(image, x, y));
        }
    }
    XDestroyImage(image);
    return colours.size() > 1;
}

// Waits up to ms for an X event; true when one is there.
bool waitForEvent(Display* d, int ms)
{
    if (XPending(d)) {
        return true;
    }
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    return poll(&p, 1, ms) > 0 && XPending(d);
}

int launch(const char* resultFile, char** command)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "window-probe: no display\n");
        return 1;
    }
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    if (pid < 0) {
        std::fprintf(stderr, "window-probe: cannot start %s\n", command[0]);
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    XDamageQueryExtension(d, &damageEvent, &damageError);
    Window w = 0;
    double mapped = -1;
    double picture = -1;
    Damage damage = 0;
    while (picture < 0 && nowMs() - start < launchTimeoutMs) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "window-probe: %s ended before showing a picture\n", command[0]);
            return 1;
        }
        if (!w) {
            long area = 0;
            w = findWindow(d, DefaultRootWindow(d), pid, 2, area);
            if (!w) {
                usleep(pollMs * 1000);
                continue;
            }
            mapped = nowMs() - start;
            damage = XDamageCreate(d, w, XDamageReportNonEmpty);
            XSync(d, False);
        } else if (!waitForEvent(d, pollMs * 10)) {
            continue;
        }
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
        }
        XDamageSubtract(d, damage, None, None);
        if (showsPicture(d, w)) {
            picture = nowMs() - start;
        }
    }
    XCloseDisplay(d);
    if (picture < 0) {
        // Nobody is left to stop a program that never showed a picture.
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "window-probe: %s showed no picture in time\n", command[0]);
        return 1;
    }
    std::ofstream(resultFile) << pid << " " << w << " " << mapped << " " << picture << "\n";
    return 0;
}

double processSeconds(long pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long user = 0;
    unsigned long long system = 0;
    // After the name: state is field 3; user and system time are 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            user = std::stoull(field);
        } else if (i == 15) {
            system = std::stoull(field);
        }
    }
    return double(user + system) / double(sysconf(_SC_CLK_TCK));
}

int watch(Window w, long pid, long serverPid, double seconds)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const Damage damage = XDamageCreate(d, w, XDamageReportNonEmpty);
    XSync(d, False);
    while (XPending(d)) {
        XEvent e;
        XNextEvent(d, &e);
    }
    XDamageSubtract(d, damage, None, None);
    const double cpu0 = processSeconds(pid);
    const double server0 = processSeconds(serverPid);
    const double start = nowMs();
    long redraws = 0;
    while (nowMs() - start < seconds * 1000) {
        if (!waitForEvent(d, 10)) {
            continue;
        }
        bool damaged = false;
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            damaged = true;
        }
        if (damaged) {
            ++redraws;
            XDamageSubtract(d, damage, None, None);
        }
    }
    const double elapsed = (nowMs() - start) / 1000;
    std::printf("cpu %.2f server %.2f fps %.1f\n", (processSeconds(pid) - cpu0) / elapsed * 100,
                (processSeconds(serverPid) - server0) / elapsed * 100, double(redraws) / elapsed);
    XCloseDisplay(d);
    return 0;
}

// One channel of a pixel of any depth widened to 8 bits, v * 255 / its
// largest value rounded down, as the game widens its own 5-6-5 pixels: a
// 16-bit desktop then reads back as the same colours as a 24-bit one.
char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (!(mask >> shift & 1)) {
        ++shift;
    }
    const unsigned long largest = mask >> shift;
    return char(((pixel & mask) >> shift) * 255 / largest);
}

int grabToFile(Window w, const char* file)
{
    Display* d = XOpenDisplay(nullptr);
    XImage* image = d ? grab(d, w) : nullptr;
    if (!image) {
        return 1;
    }
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << image->width << " " << image->height << "\n255\n";
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const char rgb[3] = {channel(p, image->red_mask), channel(p, image->green_mask),
                                 channel(p, image->blue_mask)};
            out.write(rgb, 3);
        }
    }
    XDestroyImage(image);
    XCloseDisplay(d);
    return out ? 0 : 1;
}
int otherWindow(const char* name)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        return 1;
    }
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 64, 64, 0, 0, WhitePixel(d, 0));
    XStoreName(d, w, name);
    XMapWindow(d, w);
    XFlush(d);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
    }
}
}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "launch" && argc > 4 && std::strcmp(argv[3], "--") == 0) {
        return launch(argv[2], argv + 4);
    }
    if (mode == "watch" && argc == 6) {
        return watch(Window(std::strtoul(argv[2], nullptr, 0)), std::atol(argv[3]), std::atol(argv[4]),
                     std::atof(argv[5]));
    }
    if (mode == "grab" && argc == 4) {
        return grabToFile(Window(std::strtoul(argv[2], nullptr, 0)), argv[3]);
    }
    if (mode == "other" && argc == 3) {
        return otherWindow(argv[2]);
    }
    std::fprintf(stderr, "usage: window-probe launch RESULT -- COMMAND...\n"
                         "       window-probe watch WINDOW PID SERVER_PID SECONDS\n"
                         "       window-probe grab WINDOW FILE.ppm\n"
                         "       window-probe other NAME\n");
    return 2;
}
