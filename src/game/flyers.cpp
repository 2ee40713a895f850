// Flying pieces: every cleared piece flies into the mixer (placeholder).
#include "game/game_screen.h"

uint8_t flyersLaunched = 0;
std::list<Flyer> flyers;

void launchFlyer(int, int, int) {}
