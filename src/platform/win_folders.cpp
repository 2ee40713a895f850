// Windows: settles the program's folder and the player's folder once.
#include "platform/win_folders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "platform/internal.h"

namespace {
struct Folders {
    std::wstring program;
    std::wstring player;
};

std::wstring exeFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0) {
            return std::wstring();
        }
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// Whether a new file can be made in the folder: the real question, which no
// attribute answers (a folder under Program Files has none that says no).
bool writable(const std::wstring& folder)
{
    const std::wstring probe = folder + L"plumbrix-write-test.tmp";
    const HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(h);
    return true;
}

// %LOCALAPPDATA%\Plumbrix\, made when missing; empty when there is none.
std::wstring perUserFolder()
{
    PWSTR base = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &base) == S_OK && base) {
        folder = std::wstring(base) + L"\\Plumbrix";
    }
    CoTaskMemFree(base);
    if (folder.empty()) {
        return folder;
    }
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return std::wstring();
    }
    return folder + L"\\";
}

Folders settle()
{
    Folders f;
    if (!realDesktop()) {
        return f;
    }
    f.program = exeFolder();
    f.player = f.program;
    if (!f.program.empty() && !writable(f.program)) {
        const std::wstring own = perUserFolder();
        if (!own.empty()) {
            f.player = own;
        }
    }
    return f;
}

const Folders& folders()
{
    static const Folders settled = settle();
    return settled;
}
}  // namespace

const std::wstring& programFolder()
{
    return folders().program;
}

const std::wstring& playerFolder()
{
    return folders().player;
}

std::wstring widen(const char* text)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (n <= 0) {
        return std::wstring();
    }
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), n);
    wide.resize(size_t(n - 1));
    return wide;
}
