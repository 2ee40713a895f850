// Windows: the player's files and the game's data, read only when they are
// regular files on a disk and written whole through a temporary file moved
// over the old one. A name is looked up in the player's folder first, then in
// the program's (win_folders.h); writes go to the player's folder.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>

#include "platform/file.h"
#include "platform/win_folders.h"

namespace {
// The file goes out in pieces of this size (the last one shorter).
constexpr DWORD writePiece = 512;

bool absolute(const char* path)
{
    return path[0] == '/' || path[0] == '\\' || (path[0] != 0 && path[1] == ':');
}

// A regular file on a disk, opened for reading; nothing else (a folder fails
// to open without backup semantics, and a pipe or device is closed again).
HANDLE openRegular(const std::wstring& name)
{
    const HANDLE h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return h;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(h);
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

HANDLE openForReading(const char* path)
{
    const std::wstring name = widen(path);
    if (absolute(path)) {
        return openRegular(name);
    }
    HANDLE h = openRegular(playerFolder() + name);
    if (h == INVALID_HANDLE_VALUE && programFolder() != playerFolder()) {
        h = openRegular(programFolder() + name);
    }
    return h;
}
}  // namespace

std::FILE* platformOpenDataFile(const char* path)
{
    const HANDLE h = openForReading(path);
    if (h == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    const int fd = _open_osfhandle(intptr_t(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "rb");
    if (!file) {
        _close(fd);
    }
    return file;
}

bool platformReadFile(const char* path, size_t limit, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    const HANDLE h = openForReading(path);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    // The size comes from the open file itself, so a file over the limit is
    // refused before any of it is read or any room is made for it.
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(h, &size) != 0 && size.QuadPart >= 0 && uint64_t(size.QuadPart) <= limit;
    if (ok) {
        try {
            bytes.resize(size_t(size.QuadPart));
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    size_t got = 0;
    while (ok && got < bytes.size()) {
        DWORD n = 0;
        const DWORD want = DWORD(std::min<size_t>(bytes.size() - got, 1u << 20));
        if (!ReadFile(h, bytes.data() + got, want, &n, nullptr)) {
            ok = false;
        } else if (n == 0) {
            break;  // cut short since the size was taken: what it still holds
        }
        got += n;
    }
    bytes.resize(ok ? got : 0);
    CloseHandle(h);
    return ok;
}

bool platformReplaceFile(const char* path, const std::vector<uint8_t>& bytes, void (*afterPiece)())
{
    const std::wstring name = absolute(path) ? widen(path) : playerFolder() + widen(path);
    const std::wstring temporary = name + L".tmp";
    // Whatever file stands under the temporary name goes first; anything
    // else there makes the write fail.
    DeleteFileW(temporary.c_str());
    const HANDLE h =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        const DWORD piece = DWORD(std::min<size_t>(writePiece, bytes.size() - done));
        if (!WriteFile(h, bytes.data() + done, piece, &n, nullptr) || n == 0) {
            break;
        }
        done += n;
        if (afterPiece) {
            afterPiece();
        }
    }
    bool ok = done == bytes.size();
    ok = FlushFileBuffers(h) != 0 && ok;
    ok = CloseHandle(h) != 0 && ok;
    ok = ok &&
         MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary.c_str());
    }
    return ok;
}
