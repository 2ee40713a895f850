// Shared set-up for tests: a headless display, and recorders for error boxes
// and sound requests.
#pragma once
#include <functional>
#include <string>
#include <vector>

// Opens the dummy-driver window and a windowed display once per test binary.
void openTestDisplay();
// Opens the display and loads every screen's artwork from the generated data
// folder, once per test binary; false when the data folder is not there.
bool loadTestArtwork();
// Error boxes shown since the last call, instead of boxes that end the game.
std::vector<std::string> takeErrorBoxes();
// Sound ids requested since the last call.
std::vector<int> takeSounds();

// Runs the work in a child process that an alarm ends after five seconds, so
// that a call waiting for ever fails the test instead of hanging it. True when
// the child returns from the work; the work fails it with _exit(1).
bool finishesInTime(const std::function<void()>& work);

// A fresh folder under /tmp, made the working directory until destroyed, and
// removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const
    {
        return dir;
    }

private:
    std::string dir;
    std::string previous;
};
