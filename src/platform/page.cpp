// What the desktop does for the game beyond its window: the message box and
// opening the help page with the default handler (web_page.cpp and
// win_page.cpp are the browser's and Windows' versions).
#include <SDL.h>

#include <climits>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "platform/internal.h"
#include "platform/window.h"

void platformMessageBox(const char* caption, const char* text, bool warning)
{
    const Uint32 flags = warning ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_ERROR;
    if (!realDesktop() || SDL_ShowSimpleMessageBox(flags, caption, text, gameWindow()) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
}

void platformOpenFile(const char* relativePath)
{
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) {
        return;
    }
    const std::string url = std::string("file://") + cwd + "/" + relativePath;
    SDL_OpenURL(url.c_str());
}
