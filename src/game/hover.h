// The sound of the pointer entering a button: once per visit, until the
// pointer is over no button again.
#pragma once

#include "audio/sound_effects.h"

extern int hoverLatch;

void hoverSound(SoundId id);
