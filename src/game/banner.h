// The swinging phase banners (level complete, no moves, time up, game over)
// and what happens when each has swung out.
#pragma once

extern float bannerClock;
extern float bannerY;

void updateBanner(int phase, float dt);
