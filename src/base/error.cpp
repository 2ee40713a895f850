// The error box and the diagnostic log.
#include "base/error.h"

#include <cstdarg>
#include <cstdio>

#include "base/screen_state.h"
#include "platform/window.h"

void (*errorBoxHook)(const char* text) = nullptr;

namespace {
void (*shutdownWork)() = nullptr;
}  // namespace

void setShutdownWork(void (*work)())
{
    shutdownWork = work;
}

void showError(const char* text)
{
    if (errorBoxHook) {
        errorBoxHook(text);
        return;
    }
    // After the window is gone there is nobody left to tell.
    if (windowDestroyed) {
        return;
    }
    platformMessageBox("Error", text, false);
    if (shutdownWork) {
        shutdownWork();
    }
}

void logDiagnostic(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::fputs(buffer, stderr);
}
