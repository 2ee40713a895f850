// The player's focus when playing by keys or controller: shown or not, its
// frame, and its steps along rows and columns of buttons.
#include "game/focus.h"

#include "game/hover.h"
#include "graphics/display.h"
#include "graphics/sprite.h"
#include "platform/surface.h"

namespace {
bool shown = false;
// A dark line outside and a bright one inside it read on every piece and tile.
constexpr int darkWidth = 2;
constexpr int brightWidth = 3;

void drawRing(const layout::Rect& r, int w, uint32_t colour)
{
    PlatformSurface* s = backBuffer->surface;
    platformFill(s, {r.l, r.t, r.r, r.t + w}, colour);
    platformFill(s, {r.l, r.b - w, r.r, r.b}, colour);
    platformFill(s, {r.l, r.t + w, r.l + w, r.b - w}, colour);
    platformFill(s, {r.r - w, r.t + w, r.r, r.b - w}, colour);
}
}  // namespace

bool focusShown()
{
    return shown;
}

void showFocus(bool show)
{
    shown = show;
}

void drawFocusFrame(const layout::Rect& r)
{
    if (!backBuffer) {
        return;
    }
    drawRing(r, darkWidth, toDisplayColour(70, 35, 10));
    const int d = darkWidth;
    drawRing({r.l + d, r.t + d, r.r - d, r.b - d}, brightWidth, toDisplayColour(255, 255, 240));
}

int verticalStep(Action action)
{
    return action == Action::up ? -1 : action == Action::down ? 1 : 0;
}

int horizontalStep(Action action)
{
    return action == Action::left ? -1 : action == Action::right ? 1 : 0;
}

int stepFocus(int index, int step, int count)
{
    const int next = ((index + step) % count + count) % count;
    if (next != index) {
        hoverLatch = 0;
    }
    return next;
}

bool stepPanelFocus(int& focused, Action action, int pairFirst, int landing)
{
    const bool inPair = focused >= pairFirst;
    if (const int step = verticalStep(action)) {
        const int row = inPair ? pairFirst : focused;
        const int next = stepFocus(row, step, pairFirst + 1);
        focused = next != pairFirst ? next : inPair ? focused : landing;
        return true;
    }
    const int step = horizontalStep(action);
    if (step == 0 || !inPair) {
        return false;
    }
    focused = stepFocus(focused - pairFirst, step, 2) + pairFirst;
    return true;
}

void centreOf(const layout::Rect& r, int& x, int& y)
{
    const layout::Point middle = r.middle();
    x = middle.x;
    y = middle.y;
}
