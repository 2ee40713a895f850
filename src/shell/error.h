// The error box and the diagnostic log.
#pragma once

// Tests replace the box (and the end of the game that follows it) with their
// own recorder.
extern void (*errorBoxHook)(const char* text);

// Error box with caption "Error"; its OK destroys the window and so ends the game.
void showError(const char* text);
// Developer diagnostics to stderr; the player never sees them.
void logDiagnostic(const char* format, ...) __attribute__((format(printf, 1, 2)));
