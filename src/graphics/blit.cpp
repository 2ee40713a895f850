// The three copies between sprites and the clip rectangle.
#include "graphics/sprite.h"
#include "platform/surface.h"

void Sprite::drawTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight, int srcBottom)
{
    if (!destination) {
        return;
    }
    const Rect from{srcLeft, srcTop, srcRight, srcBottom};
    platformCopy(destination->surface, x, y, surface, from, colourKeyed != 0);
}

void Sprite::drawClippedTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight,
                           int srcBottom)
{
    if (x + (srcRight - srcLeft) > clipRect.right) {
        srcRight = clipRect.right - x + srcLeft;
    }
    if (x < clipRect.left) {
        srcLeft += clipRect.left - x;
        x = clipRect.left;
    }
    if (y < clipRect.top) {
        srcTop += clipRect.top - y;
        y = clipRect.top;
    }
    if (y + (srcBottom - srcTop) > clipRect.bottom) {
        srcBottom = clipRect.bottom - y + srcTop;
    }
    drawTo(destination, x, y, srcLeft, srcTop, srcRight, srcBottom);
}

void Sprite::drawStretchedTo(Sprite* destination, const Rect& destinationRect, const Rect& sourceRect)
{
    if (!destination) {
        return;
    }
    platformStretch(destination->surface, destinationRect, surface, sourceRect, colourKeyed != 0);
}

void Sprite::setClipRect(int left, int top, int right, int bottom)
{
    clipRect = Rect{left, top, right, bottom};
}
