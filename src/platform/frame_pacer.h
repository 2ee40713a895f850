// Paces frames to the display's refresh when presenting does not wait for it:
// the loop sleeps until the next refresh instead of spinning.
#pragma once

// Sleeps until one period after the previous call's wake-up. A caller that
// fell behind by more than a period starts afresh from now instead of
// hurrying to catch up.
void paceFrame(double periodSeconds);
// Forgets the previous wake-up, so the next call returns at once.
void resetFramePacer();
