// The error box and the diagnostic log, below everything that can fail, so
// that no layer has to reach up to the shell to report a failure.
#pragma once

// Tests replace the box (and the end of the game that follows it) with their
// own recorder.
extern void (*errorBoxHook)(const char* text);

// The work that ends the game after an error box (the shell's destroy
// sequence). It runs at most once, and not at all once the window is gone.
void setShutdownWork(void (*work)());

// Error box with caption "Error"; its OK ends the game.
void showError(const char* text);
// Developer diagnostics to stderr; the player never sees them.
void logDiagnostic(const char* format, ...) __attribute__((format(printf, 1, 2)));
