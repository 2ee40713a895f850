// The three copies between sprites and the clip rectangle.
#include "graphics/sprite.h"
#include "platform/surface.h"

namespace {
// A lost surface repairs the source sprite and reports false; the next frame
// draws everything again.
bool finish(Sprite* source, CopyResult result)
{
    if (result == CopyResult::surfaceLost) {
        source->restore();
        return false;
    }
    return true;
}
}  // namespace

bool Sprite::drawTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight, int srcBottom)
{
    if (!destination) {
        return true;
    }
    const Rect from{srcLeft, srcTop, srcRight, srcBottom};
    return finish(this, platformCopy(destination->surface, x, y, surface, from, colourKeyed != 0));
}

bool Sprite::drawClippedTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight,
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
    return drawTo(destination, x, y, srcLeft, srcTop, srcRight, srcBottom);
}

bool Sprite::drawStretchedTo(Sprite* destination, const Rect& destinationRect, const Rect& sourceRect)
{
    if (!destination) {
        return true;
    }
    return finish(
        this, platformStretch(destination->surface, destinationRect, surface, sourceRect, colourKeyed != 0));
}

void Sprite::setClipRect(int left, int top, int right, int bottom)
{
    clipRect = Rect{left, top, right, bottom};
}
