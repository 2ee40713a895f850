// Flying pieces: every cleared piece flies from its cell into the mixer.
#include "game/game_screen.h"

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
    flyer.speedX = flyer.x - 91;
    flyer.speedY = flyer.y >= 280 ? 260 - flyer.y : flyer.y - 280;
    flyer.size = 50;
    flyers.push_front(flyer);
}
