// Windows: where the game's files are. A program with a real window reads its
// pictures, sounds, music and help page beside its .exe, whatever folder it was
// started in, and keeps the player's files there too when that folder is
// writable, otherwise in %LOCALAPPDATA%\Plumbrix. A headless run (the replay
// driver) works in its working directory, like on the other platforms.
#pragma once
#include <string>

// Either folder ends in a backslash, or is empty for the working directory.
// Settled once, at the first call of either, which comes after platformInit.
const std::wstring& programFolder();
const std::wstring& playerFolder();

// UTF-8 to Windows' UTF-16.
std::wstring widen(const char* text);
