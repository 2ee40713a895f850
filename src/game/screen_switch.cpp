// Moving to another screen.
#include "game/screen_switch.h"

#include "audio/sound_effects.h"
#include "base/screen_state.h"

void switchScreen(int screen, unsigned what)
{
    if (what & withClick) {
        playSound(soundClick);
    }
    if (what & withMenuReset) {
        menuHighlight = noMenuHighlight;
    }
    if (what & withTransition) {
        transitionRequest = 1;
    }
    currentScreen = screen;
}
