// Scripted input for the headless driver: one event per line, applied before
// the frame it names.
#pragma once
#include <string>
#include <vector>

struct ScriptEvent {
    enum Kind { move, down, up, typeText, keyReturn, keyPause, keyBackspace, focusLost, focusGained, close };
    long frame = 0;
    Kind kind = move;
    int x = 0;
    int y = 0;
    std::string text;
};

// Parses a script; on a bad line returns false with a message naming it.
bool parseScript(const std::string& source, std::vector<ScriptEvent>& events, std::string& error);
