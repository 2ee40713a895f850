// The names of the keys and controller buttons in replay scripts and recorded
// sessions, shared by the recorder and the headless driver.
#include <cstring>

#include "platform/window.h"

namespace {
const char* const keyNames[keyCodes] = {"up",    "down",   "left", "right", "enter",
                                        "space", "escape", "h",    "p",     "pause"};
const char* const padNames[padCodes] = {"a", "b", "y", "start", "dpup", "dpdown", "dpleft", "dpright"};

template <int count> int codeNamed(const char* const (&names)[count], const char* name)
{
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(names[i], name) == 0) {
            return i;
        }
    }
    return -1;
}
}  // namespace

const char* keyName(int code)
{
    return code >= 0 && code < keyCodes ? keyNames[code] : "?";
}

const char* padButtonName(int code)
{
    return code >= 0 && code < padCodes ? padNames[code] : "?";
}

int keyNamed(const char* name)
{
    // Older scripts say "return" for Enter.
    return std::strcmp(name, "return") == 0 ? keyEnter : codeNamed(keyNames, name);
}

int padButtonNamed(const char* name)
{
    return codeNamed(padNames, name);
}
