// The hover sound latch every screen's buttons share.
#include "game/hover.h"

#include "audio/sound_effects.h"

int hoverLatch = 0;

void hoverSound(SoundId id)
{
    if (hoverLatch == 0) {
        hoverLatch = 1;
        playSound(id);
    }
}
