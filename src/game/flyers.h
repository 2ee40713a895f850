// Flying pieces: every cleared piece flies from its cell into the mixer's
// mouth, and each arrival sets the mixer turning.
#pragma once
#include <cstdint>
#include <list>

struct Flyer {
    float x;
    float y;
    uint8_t kind;
    float speedX;
    float speedY;
    float size;
};

extern std::list<Flyer> flyers;  // newest first
extern uint8_t flyersLaunched;   // a clear launched pieces since the last frame
extern uint8_t noFlyers;         // nothing was in the air on the last frame
extern uint8_t mixerRequest;     // a piece arrived: the mixer turns once

void launchFlyer(int column, int row, int kind);
void updateFlyers(float dt);
