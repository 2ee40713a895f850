// The window's size and place between runs, kept in a small text file beside
// the save file (whose layout is fixed), so a damaged file costs only them.
#pragma once
#include <string>

#include "platform/window.h"

extern const char windowSettingsFile[];

// Reads "name value" lines; unknown names and bad values are skipped, and
// false means nothing usable was found (the window then opens as it would
// the first time).
bool parseWindowSettings(const std::string& text, WindowPlacement& placement);
std::string formatWindowSettings(const WindowPlacement& placement);

// Hands the remembered placement to the platform before the window is made.
void loadWindowSettings();
// Writes the placement when it differs from the one read at start.
void saveWindowSettings();
