// Test access to SDL's own event queue and pointer behind the platform layer's
// back, so a test can play a session as a player would.
#pragma once

enum class ProbeKey { pause, backspace, enter };
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
