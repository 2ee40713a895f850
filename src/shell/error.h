// The error box and the diagnostic log.
#pragma once

// Error box with caption "Error"; its OK destroys the window and so ends the game.
void showError(const char* text);
// Developer diagnostics to stderr; the player never sees them.
void logDiagnostic(const char* format, ...) __attribute__((format(printf, 1, 2)));
