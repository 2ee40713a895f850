// Test access to SDL's own event queue and pointer behind the platform layer's
// back, so a test can play a session as a player would.
#pragma once

enum class ProbeKey { pause, backspace, enter, up, down, left, right, escape };
// A virtual game controller's buttons, in SDL's controller order.
enum class ProbePadButton { a, b, y, start, dpadUp, dpadDown, dpadLeft, dpadRight };
enum class ProbeWindowEvent { focusLost, focusGained, exposed };

void probePushButton(bool down);
void probePushKey(ProbeKey key);
void probePushText(const char* text);
void probePushWindowEvent(ProbeWindowEvent what);
// Focus comes back after `milliseconds`, from another thread, while the game
// may be waiting for events.
void probeRefocusAfter(int milliseconds);
// Moves the pointer within the game's window; false when there is no window.
bool probeWarpPointer(int x, int y);
void probeSleep(int milliseconds);

// A virtual game controller plugged in and out, as a player would: false when
// SDL cannot make one.
bool probeAttachPad();
void probeDetachPad();
void probePadButton(ProbePadButton button, bool down);
// The left stick, each axis from -32768 to 32767.
void probePadStick(int x, int y);
