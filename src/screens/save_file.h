// "game.sav": the game in progress, the high-score tables and the settings.
#pragma once

constexpr long saveFileSize = 6933;

void writeSaveFile();
bool readSaveFile();
