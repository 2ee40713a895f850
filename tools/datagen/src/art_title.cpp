// The title picture: the game's name over a sunny kitchen table, with the start button
// painted where its animation frames are drawn.
#include <cmath>

#include "canvas.h"
#include "layout.h"
#include "pictures.h"
#include "pieces.h"
#include "props.h"
#include "widgets.h"

using namespace layout;

Raster renderTitle()
{
    Canvas c(screenW, screenH);
    cairo_t* cr = c.cr();
    // Sunburst behind everything.
    c.pixels({0, 0, screenW, screenH}, [](int x, int y) {
        const double dx = x - 320, dy = y - 150;
        const double a = std::atan2(dy, dx), d = std::sqrt(dx * dx + dy * dy);
        const bool ray = std::fmod(a + 4 * M_PI + 0.05, M_PI / 10) < M_PI / 20;
        const Colour inner = hex(0xFFE9B8), outer = hex(0xE8964A);
        Colour col = mix(inner, outer, std::clamp(d / 420.0, 0.0, 1.0));
        if (ray)
            col = lighter(col, 0.12);
        return col;
    });
    // Table top.
    woodRect(c, {0, 360, screenW, screenH}, 71, hex(0xB06A34), false, 30);
    cairo_new_path(cr);
    cairo_rectangle(cr, -2, 359.5, screenW + 4, 3);
    setColour(cr, hex(0x3A1E0A));
    cairo_fill(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 362, 0, 400);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0.1, 0.04, 0.0, 0.45);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0.1, 0.04, 0.0, 0.0);
    cairo_rectangle(cr, 0, 362, screenW, 40);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    // Pan and blender on the table.
    cairo_save(cr);
    cairo_translate(cr, 4, 300);
    cairo_rotate(cr, -0.9);
    cairo_scale(cr, 1.1, 1.1);
    fryingPan(cr, 0);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 472, 234);
    cairo_scale(cr, 1.45, 1.45);
    blender(cr, 5);
    cairo_restore(cr);
    // A ring of food round the name.
    const int ring[8] = {kindTomato, kindCheese,   kindEgg,      kindCarrot,
                         kindGrapes, kindBroccoli, kindMushroom, kindFish};
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI * (1.08 + i * 0.84 / 7.0);
        drawPiece(cr, ring[i], 320 + std::cos(a) * 250, 190 + std::sin(a) * 150, 1.25);
    }
    // The name.
    raisedPanel(cr, 110, 112, 420, 120, signStyle(30, 3.5, 0.18), 4, 6, 0.5);
    drawTextCentred(cr, "Plumbrix", 320, 166, titleStyle(80));
    // Ribbon under the sign.
    ribbon(cr, 190, 218, 260, 34, 10, 2.2, "line up the tastiest trios", 15);
    // Pieces resting on the table.
    const int front[5] = {kindCheese, kindTomato, kindGrapes, kindEgg, kindBroccoli};
    const double fx[5] = {175, 235, 320, 405, 465};
    for (int i = 0; i < 5; ++i)
        drawPiece(cr, front[i], fx[i], 352 - (i == 2 ? 6 : 0), i == 2 ? 1.6 : 1.35);
    // The start button at rest, where its frames will be drawn.
    cairo_save(cr);
    cairo_translate(cr, titleButtonAt.x, titleButtonAt.y);
    titleButton(cr, 0, Look::unlit);
    cairo_restore(cr);
    return c.finish({});
}
