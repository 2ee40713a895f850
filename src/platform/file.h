// Opening the game's data files for reading: only regular files, and never a
// wait on a pipe or a device that happens to carry the name.
#pragma once
#include <cstdio>

// The file opened for binary reading; nullptr when it cannot be opened or is
// anything but a regular file (a folder, a pipe, a device).
std::FILE* platformOpenDataFile(const char* path);
