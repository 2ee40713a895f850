// The page around the game in a browser: message boxes become a notice on the
// page, the help page opens in a new tab, and the end of the game is shown.
#include <emscripten.h>

#include "platform/web.h"
#include "platform/window.h"

// The page (index.html) defines Module.showMessage and Module.gameEnded.
void platformMessageBox(const char* caption, const char* text, bool warning)
{
    EM_ASM({ Module.showMessage(UTF8ToString($0), UTF8ToString($1), $2); }, caption, text, warning ? 1 : 0);
}

void platformOpenFile(const char* relativePath)
{
    // The site serves the game's own files beside the page. The click that
    // asked for it was moments ago, so the browser still lets the tab open.
    EM_ASM({ window.open(UTF8ToString($0), '_blank'); }, relativePath);
}

void webGameEnded()
{
    EM_ASM({ Module.gameEnded(); });
}
