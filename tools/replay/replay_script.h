// Scripted input for the headless driver: one event per line, applied before
// the frame it names, and "#!" lines that carry the run's own parameters.
#pragma once
#include <string>
#include <vector>

struct ScriptEvent {
    enum Kind {
        move,
        down,
        up,
        typeText,
        key,  // a KeyCode in code
        pad,  // a PadCode in code
        keyBackspace,
        focusLost,
        focusGained,
        close,
        expose,
        frameTime,
    };
    long frame = 0;
    Kind kind = move;
    int x = 0;
    int y = 0;
    bool outside = false;  // a move with the pointer off the window
    int code = 0;
    double seconds = 0;  // a frameTime's frame time, from this frame on
    std::string text;
};

// Run parameters a script carries for itself; a negative number is unset.
struct ScriptHeader {
    long frames = -1;
    double dt = -1;
    long long ticks = -1;
    std::vector<long> shots;   // frames after which to write a picture
    std::vector<long> states;  // frames after which to write the state
    std::string saveFrom;      // the script whose save file this one starts from
};

// Parses a script into events sorted by frame, lines of one frame in their
// order; on a bad line returns false with a message naming it.
bool parseScript(const std::string& source, std::vector<ScriptEvent>& events, ScriptHeader& header,
                 std::string& error);
