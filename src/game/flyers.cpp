// Flying pieces: every cleared piece flies from its cell into the mixer.
#include "game/game_screen.h"

#include "base/layout.h"
#include "game/board.h"

uint8_t flyersLaunched = 0;
std::list<Flyer> flyers;

void launchFlyer(int column, int row, int kind)
{
    flyersLaunched = 1;
    Flyer flyer;
    flyer.x = float(cellSize * column + boardLeft);
    flyer.y = float(cellSize * row + boardTop);
    flyer.kind = uint8_t(kind);
    // Speeds are the distances to the mixer, so every flight lasts one second;
    // pieces starting below the mixer's mouth rise as if from 20 px lower and arrive early.
    const int mouthX = layout::mixerMouth.x;
    const int mouthY = layout::mixerMouth.y;
    flyer.speedX = flyer.x - mouthX;
    flyer.speedY = flyer.y >= mouthY ? mouthY - 20 - flyer.y : flyer.y - mouthY;
    flyer.size = cellSize;
    flyers.push_front(flyer);
}
