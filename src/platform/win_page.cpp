// Windows: an error or warning is a Windows message box over the game's
// window, and the help page opens beside the program with the default browser.
#include <SDL.h>
#include <SDL_syswm.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "platform/internal.h"
#include "platform/win_folders.h"
#include "platform/window.h"

namespace {
HWND ownerWindow()
{
    SDL_Window* window = gameWindow();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_WINDOWS) {
        return info.info.win.window;
    }
    return nullptr;
}
}  // namespace

void platformMessageBox(const char* caption, const char* text, bool warning)
{
    if (!realDesktop()) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return;
    }
    const UINT icon = warning ? MB_ICONWARNING : MB_ICONERROR;
    if (MessageBoxW(ownerWindow(), widen(text).c_str(), widen(caption).c_str(),
                    MB_OK | icon | MB_TASKMODAL) == 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
}

void platformOpenFile(const char* relativePath)
{
    std::wstring path = programFolder() + widen(relativePath);
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    ShellExecuteW(ownerWindow(), L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
