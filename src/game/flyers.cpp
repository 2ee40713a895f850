// Flying pieces: every cleared piece flies from its cell into the mixer and
// shrinks on the way.
#include "game/flyers.h"

#include "base/layout.h"
#include "game/board.h"
#include "graphics/artwork.h"
#include "graphics/display.h"

uint8_t flyersLaunched = 0;
uint8_t noFlyers = 1;
uint8_t mixerRequest = 0;
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

void updateFlyers(float dt)
{
    noFlyers = 1;
    for (auto it = flyers.begin(); it != flyers.end();) {
        Flyer& f = *it;
        const float shrink = 40 * dt;
        noFlyers = 0;
        const int k = f.kind;
        piecesSprite->drawStretchedTo(backBuffer,
                                      Rect{int(f.x), int(f.y), int(f.x + f.size), int(f.y + f.size)},
                                      Rect{cellSize * k, 0, cellSize * k + cellSize, cellSize});
        f.size -= shrink;
        if (f.size < 5) {
            f.size = 5;
        }
        // speedY is negative on both sides, so the piece heads for the mouth's height.
        const int mouthX = layout::mixerMouth.x;
        const int mouthY = layout::mixerMouth.y;
        if (f.y > mouthY) {
            f.y += f.speedY * dt;
            if (f.y < mouthY) {
                f.y = mouthY;
            }
        } else if (f.y < mouthY) {
            f.y -= f.speedY * dt;
            if (f.y > mouthY) {
                f.y = mouthY;
            }
        }
        if (f.x > mouthX) {
            f.x -= f.speedX * dt;
            if (f.x < mouthX) {
                f.x = mouthX;
            }
        }
        if (f.x == mouthX && f.y == mouthY) {
            mixerRequest = 1;
            it = flyers.erase(it);
        } else {
            ++it;
        }
    }
}
