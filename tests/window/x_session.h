// What the real-window tests share: a virtual X server with a window manager,
// child processes, and pictures read from the replay's and the server's files.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top-down
    uint32_t at(int x, int y) const
    {
        return rgb[size_t(y) * size_t(width) + size_t(x)];
    }
};

bool onPath(const std::string& tool);
// Starts a program found on the path; its pid, or -1.
pid_t spawn(const std::vector<std::string>& args);
// SIGTERM, then SIGKILL if it lingers; waits for the end either way.
void stop(pid_t pid);
void pause(int ms);
int run(const std::string& command);
std::string slurp(const std::string& path);
// The replay's 24-bit bottom-up screenshots.
Picture readBmp(const std::string& path);
// A binary PPM, as the window probe and ImageMagick write them.
Picture readPpm(const std::string& path);
long differingPixels(const Picture& a, const Picture& b);

// Starts the game as run.sh does, from the folder holding its data, with its
// output in FOLDER/game.log, and waits for its first picture. Empty on
// success; otherwise why, with the game's output.
std::string launchGame(const std::string& folder, pid_t& game, unsigned long& window);

// Xvfb with the given screen ("1280x1024x24") and openbox on it; DISPLAY names
// it while it lives. Owns both processes.
class XServer {
public:
    explicit XServer(const std::string& screen);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    bool ready() const
    {
        return windowManager > 0;
    }
    pid_t serverPid() const
    {
        return server;
    }

private:
    pid_t server = -1;
    pid_t windowManager = -1;
};
