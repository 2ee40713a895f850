// The highlight drawing that the set-up and options panels share.
#include "screens/panel_rows.h"

#include "graphics/artwork.h"
#include "graphics/display.h"

void drawHighlight(const layout::Highlight& highlight)
{
    activeOptionSprite->drawTo(backBuffer, highlight.at, highlight.source);
}
