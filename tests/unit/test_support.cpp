// Shared set-up for tests.
#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "audio/sound_effects.h"
#include "base/error.h"
#include "game/game_screen.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "platform/window.h"

namespace {
std::vector<std::string> errorBoxes;
std::vector<int> sounds;

void recordError(const char* text)
{
    errorBoxes.emplace_back(text);
}

void recordSound(int id)
{
    sounds.push_back(id);
}

// Installed before any test runs, so no test can end the game by accident.
struct Recorders {
    Recorders()
    {
        platformChooseHeadless();
        errorBoxHook = recordError;
        soundObserver = recordSound;
    }
} recorders;
}  // namespace

void openTestDisplay()
{
    static bool open = false;
    if (open) {
        return;
    }
    open = platformInit() && platformCreateWindow("test") && createDisplayDevice() && setUpDisplay(false);
    if (!open) {
        std::abort();
    }
}

bool loadTestArtwork()
{
    static bool loaded = false;
    if (loaded) {
        return true;
    }
    openTestDisplay();
    char here[4096];
    if (!getcwd(here, sizeof here) || chdir(PLUMBRIX_DATA) != 0) {
        return false;
    }
    loaded = loadArtwork() && loadGameArtwork() && takeErrorBoxes().empty();
    if (chdir(here) != 0) {
        std::abort();
    }
    return loaded;
}

bool finishesInTime(const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(5);
        work();
        _exit(0);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> takeErrorBoxes()
{
    std::vector<std::string> out;
    out.swap(errorBoxes);
    return out;
}

std::vector<int> takeSounds()
{
    std::vector<int> out;
    out.swap(sounds);
    return out;
}

ScratchDir::ScratchDir()
{
    char name[] = "/tmp/plumbrix-test-XXXXXX";
    if (!mkdtemp(name)) {
        std::abort();
    }
    dir = name;
    previous = std::filesystem::current_path().string();
    std::filesystem::current_path(dir);
}

ScratchDir::~ScratchDir()
{
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
