// In a browser the display's refresh paces the frames: the page runs one step
// per animation frame, and a sleep here would only stall the page.
#include "platform/frame_pacer.h"

void paceFrame(double /*periodSeconds*/) {}

void resetFramePacer() {}
