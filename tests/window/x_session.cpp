// What the real-window tests share: a virtual X server with a window manager,
// child processes, and pictures read from the replay's and the server's files.
#include "x_session.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

bool onPath(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t spawn(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

void stop(pid_t pid)
{
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid || (kill(pid, 0) != 0)) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int run(const std::string& command)
{
    return std::system(command.c_str());
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string launchGame(const std::string& folder, pid_t& game, unsigned long& window)
{
    const std::string result = folder + "/launch";
    const std::string log = folder + "/game.log";
    const int status = run(std::string(PLUMBRIX_PROBE) + " launch " + result + " -- sh -c 'cd " + folder +
                           " && exec " + PLUMBRIX_GAME + " >" + log + " 2>&1' 2>>" + log);
    std::ifstream in(result);
    in >> game >> window;
    return status == 0 ? std::string() : "no picture from the game: " + slurp(log);
}

namespace {
uint32_t readLe(const std::string& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | uint8_t(b[at + size_t(i)]);
    }
    return v;
}
}  // namespace

Picture readBmp(const std::string& path)
{
    const std::string b = slurp(path);
    Picture p;
    if (b.size() < 54 || readLe(b, 28, 2) != 24) {
        return p;
    }
    const size_t offset = readLe(b, 10, 4);
    p.width = int(readLe(b, 18, 4));
    p.height = int(readLe(b, 22, 4));
    const size_t stride = (size_t(p.width) * 3 + 3) / 4 * 4;
    if (b.size() < offset + stride * size_t(p.height)) {
        return Picture{};
    }
    for (int y = 0; y < p.height; ++y) {
        const size_t row = offset + stride * size_t(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const size_t i = row + size_t(x) * 3;
            p.rgb.push_back(uint32_t(uint8_t(b[i + 2])) << 16 | uint32_t(uint8_t(b[i + 1])) << 8 |
                            uint8_t(b[i]));
        }
    }
    return p;
}

Picture readPpm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    Picture p;
    int depth = 0;
    if (!(in >> magic >> p.width >> p.height >> depth) || magic != "P6" || depth != 255) {
        return Picture{};
    }
    in.get();
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < size_t(p.width) * size_t(p.height) * 3) {
        return Picture{};
    }
    for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
        p.rgb.push_back(uint32_t(uint8_t(bytes[i])) << 16 | uint32_t(uint8_t(bytes[i + 1])) << 8 |
                        uint8_t(bytes[i + 2]));
    }
    return p;
}

long differingPixels(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height) {
        return -1;
    }
    long n = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        n += a.rgb[i] != b.rgb[i] ? 1 : 0;
    }
    return n;
}

XServer::XServer(const std::string& screen)
{
    if (!onPath("Xvfb") || !onPath("openbox")) {
        return;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    server =
        spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"});
    close(fds[1]);
    // The server writes its display number and a newline once it is ready.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (server <= 0 || number.empty()) {
        return;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    windowManager = spawn({"openbox"});
    pause(500);
}

XServer::~XServer()
{
    stop(windowManager);
    stop(server);
}
