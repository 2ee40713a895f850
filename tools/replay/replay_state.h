// The game's own state as text, for end-to-end tests of scripted runs.
#pragma once

// Starts counting the sound requests that the state reports.
void recordSounds();
// Writes "name value" lines: screens and flags, score, bar, level, the board.
bool writeGameState(const char* path);
