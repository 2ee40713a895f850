// "game.sav": the game in progress, the high-score tables and the settings.
#pragma once

constexpr long saveFileSize = 6933;

void writeSaveFile();
bool readSaveFile();

// Called after each piece of a save reaches the file. Only tests set it: they
// slow the write down to stop the game in the middle of it.
extern void (*saveWriteHook)();
