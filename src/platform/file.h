// The player's files: read only when they are regular files, never with a
// wait on a pipe or a device that carries the name, and written whole by a
// temporary file renamed over the old one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// The file opened for binary reading; nullptr when it cannot be opened or is
// anything but a regular file (a folder, a pipe, a device).
std::FILE* platformOpenDataFile(const char* path);
// The whole file; false when it cannot be opened as above, or holds more than
// `limit` bytes (then none of it is read), or there is no room for it.
bool platformReadFile(const char* path, size_t limit, std::vector<uint8_t>& bytes);
// Replaces the file whole: the bytes go into "PATH.tmp", which is synced and
// renamed over the file, so that a crash or a full disk leaves the old file or
// the new one and never a mix. False, with no temporary left, when anything
// fails; the old file is then as it was. afterPiece, when given, runs after
// each piece of the write.
bool platformReplaceFile(const char* path, const std::vector<uint8_t>& bytes, void (*afterPiece)() = nullptr);
