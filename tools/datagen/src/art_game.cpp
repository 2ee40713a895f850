// The game screen's pictures: the kitchen background, the pan and blender animations,
// the chef's blink, the food pieces, their underlays and the pointer.
#include <cmath>

#include "canvas.h"
#include "layout.h"
#include "pictures.h"
#include "pieces.h"
#include "props.h"
#include "widgets.h"

using namespace layout;

namespace {

void spiceJar(cairo_t* cr, double x, double y, double w, double h, Colour contents, Colour lid)
{
    cairo_new_path(cr);
    roundedRect(cr, x, y + 6, w, h - 6, 4);
    fillVertical(cr, y + 6, y + h, lighter(contents, 0.25), darker(contents, 0.2));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_rectangle(cr, x + 2, y + 6, w * 0.25, h);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    strokeOutline(cr, theme::walnut, 1.4);
    cairo_new_path(cr);
    roundedRect(cr, x - 1, y, w + 2, 8, 2);
    fillVertical(cr, y, y + 8, lighter(lid, 0.3), darker(lid, 0.2));
    strokeOutline(cr, theme::walnut, 1.4);
    cairo_new_path(cr);
    roundedRect(cr, x + 3, y + h * 0.45, w - 6, h * 0.3, 2);
    setColour(cr, hex(0xFFF4DC));
    cairo_fill_preserve(cr);
    strokeOutline(cr, withAlpha(theme::walnut, 0.6), 0.8);
    cairo_new_path(cr);
}

// Everything of the game picture except the pan and the blender.
void gameScene(const Canvas& c)
{
    cairo_t* cr = c.cr();
    // Kitchen wall: cream glazed tiles.
    tileRect(c, {0, 0, 236, 380}, 29, hex(0xF6E6C4), hex(0xEFD9AE), hex(0xC8AE86), 11);
    // Shelf with spice jars.
    woodRect(c, {104, 60, 236, 70}, 21, hex(0xB9783C), false, 10);
    cairo_new_path(cr);
    cairo_rectangle(cr, 104.5, 60.5, 132, 9);
    strokeOutline(cr, theme::walnut, 1.2);
    cairo_new_path(cr);
    spiceJar(cr, 110, 28, 20, 32, hex(0xD9412B), hex(0x6A3A18));
    spiceJar(cr, 196, 22, 18, 38, hex(0x7FA657), hex(0x6A3A18));
    spiceJar(cr, 216, 34, 16, 26, hex(0xE8A93A), hex(0x6A3A18));
    chef(cr);
    // A little tag under the pan says what it is for.
    cairo_new_path(cr);
    cairo_move_to(cr, 52.5, 178);
    cairo_line_to(cr, 40, 186);
    cairo_move_to(cr, 52.5, 178);
    cairo_line_to(cr, 65, 186);
    cairo_set_source_rgba(cr, 0.25, 0.15, 0.08, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    PanelStyle tag;
    tag.face = hex(0xF6E3B8);
    tag.faceBottom = hex(0xDDB880);
    tag.outline = theme::walnut;
    tag.radius = 5;
    tag.outlineWidth = 1.5;
    tag.bevel = 1;
    tag.gloss = 0.3;
    panel(cr, 26, 185, 53, 19, tag);
    TextStyle hint;
    hint.face = Face::sansBold;
    hint.size = 11;
    hint.fill = hex(0x8A2A10);
    drawTextCentred(cr, "HINT", 52.5, 194.5, hint);
    // Left counter: top slab and cabinet front.
    woodRect(c, {0, 384, 236, 480}, 31, hex(0x9A5A2A), true, 26);
    woodRect(c, {0, 372, 236, 386}, 32, hex(0xD59A5A), false, 14);
    cairo_new_path(cr);
    cairo_rectangle(cr, -2, 372.5, 238, 13);
    strokeOutline(cr, theme::walnut, 1.4);
    cairo_new_path(cr);
    // Right counter under the board.
    woodRect(c, {236, 422, 640, 480}, 33, hex(0x9A5A2A), true, 26);
    woodRect(c, {226, 410, 640, 422}, 34, hex(0xD59A5A), false, 12);
    cairo_new_path(cr);
    cairo_rectangle(cr, 226.5, 410.5, 416, 11);
    strokeOutline(cr, theme::walnut, 1.4);
    cairo_new_path(cr);
    // Board: a frame of dark wood round glazed tiles.
    woodRect(c, {226, 0, 640, 410}, 35, hex(0x7A4422), false, 400);
    tileRect(c, {boardArea.l, boardArea.t, boardArea.r, boardArea.b}, cellSize, hex(0xCDAE86), hex(0xBE9C72),
             hex(0x7A5636), 36);
    cairo_new_path(cr);
    cairo_rectangle(cr, boardArea.l - 1.5, boardArea.t - 1.5, boardArea.w() + 3, boardArea.h() + 3);
    strokeOutline(cr, hex(0x2A1408), 2);
    cairo_new_path(cr);
    cairo_rectangle(cr, 226.5, -1, 416, 411);
    strokeOutline(cr, hex(0x2A1408), 1.2);
    cairo_new_path(cr);
    // Bar gauge: a wooden board with a scale round the tube.
    cairo_new_path(cr);
    roundedRect(cr, 162, 327, 44, 97, 8);
    fillVertical(cr, 327, 424, hex(0xC88A4C), hex(0x8A5226));
    strokeOutline(cr, theme::walnut, 2);
    cairo_new_path(cr);
    cairo_rectangle(cr, barAt.x - 1.5, barAt.y - 1.5, barW + 3, barH + 3);
    setColour(cr, hex(0x2A1408));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i <= 4; ++i) {
        cairo_new_path(cr);
        const double y = barAt.y + barH * i / 4.0;
        cairo_move_to(cr, 165, y);
        cairo_line_to(cr, 171, y);
        cairo_move_to(cr, 197, y);
        cairo_line_to(cr, 203, y);
        setColour(cr, hex(0xFFE6B0));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    {
        Cell cell(cr, Rect{barAt.x, barAt.y, barAt.x + barW, barAt.y + barH});
        barTube(cr, true);
    }
    // Score display: a label and a dark inset under the digits.
    TextStyle label = captionStyle(13, Look::unlit);
    drawTextCentred(cr, "SCORE", 434, 448, label);
    roundedRect(cr, 470, 433, 130, 30, 8);
    fillVertical(cr, 433, 463, hex(0x3A2214), hex(0x5A3820));
    strokeOutline(cr, hex(0x1E1008), 1.6);
    cairo_new_path(cr);
    roundedRect(cr, 471.5, 434.5, 127, 27, 7);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
    // The level plaque sits at the bottom edge; under it the counter stays plain.
    gameMenuButton(cr, menuButtonLitAt.x, menuButtonLitAt.y, Look::unlit);
}

}  // namespace

GameArt renderGameArt()
{
    Canvas base(screenW, screenH);
    gameScene(base);

    GameArt art;
    // The background with the pan and the blender at rest.
    {
        Canvas full(screenW, screenH);
        full.paste(base, 0, 0);
        {
            Cell cell(full.cr(), Rect{panAt.x, panAt.y, panAt.x + panW, panAt.y + panH});
            fryingPan(full.cr(), 0);
        }
        {
            Cell cell(full.cr(), Rect{mixerAt.x, mixerAt.y, mixerAt.x + mixerSize, mixerAt.y + mixerSize});
            blender(full.cr(), 0);
        }
        art.background = full.finish({});
    }
    // Pan frames: opaque crops of the scene with the pan drawn in.
    {
        Canvas sheet(panW, panH * panFrames);
        for (int f = 0; f < panFrames; ++f) {
            sheet.pasteRect(base, Rect{panAt.x, panAt.y, panAt.x + panW, panAt.y + panH}, 0, f * panH);
            Cell cell(sheet.cr(), Rect{0, f * panH, panW, (f + 1) * panH});
            fryingPan(sheet.cr(), f);
        }
        art.pan = sheet.finish({});
    }
    // Blender frames on a transparent sheet.
    {
        Canvas sheet(mixerSize, mixerSize * mixerFrames);
        for (int f = 0; f < mixerFrames; ++f) {
            Cell cell(sheet.cr(), Rect{0, f * mixerSize, mixerSize, (f + 1) * mixerSize});
            blender(sheet.cr(), f);
        }
        // The menu button below the blender must show through.
        for (int f = 0; f < mixerFrames; ++f)
            sheet.clear(mixerMustBeClear.moved(-mixerAt.x, -mixerAt.y + f * mixerSize));
        art.mixer = sheet.finish({true});
    }
    // The blink: closed eyelids over the chef's open eyes.
    {
        Canvas lids(blinkW, blinkH);
        cairo_translate(lids.cr(), -blinkAt.x, -blinkAt.y);
        chefEyelids(lids.cr());
        art.blink = lids.finish({true});
    }
    return art;
}

Raster renderFigures()
{
    Canvas sheet(pieceKinds * cellSize, pieceFrames * cellSize);
    for (int k = 0; k < pieceKinds; ++k)
        for (int f = 0; f < pieceFrames; ++f) {
            Cell cell(sheet.cr(), Rect{k * cellSize, f * cellSize, (k + 1) * cellSize, (f + 1) * cellSize});
            drawPieceFrame(sheet.cr(), k, f);
        }
    return sheet.finish({true});
}

Raster renderEasyFood()
{
    Canvas sheet(9 * cellSize, cellSize);
    cairo_t* cr = sheet.cr();
    for (int k = 0; k < pieceKinds; ++k) {
        Cell cell(cr, Rect{k * cellSize, 0, (k + 1) * cellSize, cellSize});
        const Colour c = kindColour(k);
        const Colour soft = k == kindEgg ? hex(0x8ED1C0) : lighter(c, 0.35);
        cairo_new_path(cr);
        roundedRect(cr, 2, 2, 46, 46, 9);
        cairo_pattern_t* p = cairo_pattern_create_radial(20, 18, 3, 25, 25, 34);
        addStop(p, 0, lighter(soft, 0.45));
        addStop(p, 1, soft);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        strokeOutline(cr, darker(soft, 0.45), 1.6);
        cairo_new_path(cr);
        roundedRect(cr, 4.5, 4.5, 41, 41, 7);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    // Selection frame: thick golden corners with a dark edge, open in the middle.
    {
        Cell cell(cr, selectionFrame);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_new_path(cr);
        roundedRect(cr, 3, 3, 44, 44, 8);
        cairo_pattern_t* gold =
            linearGradient(0, 0, 50, 50, {{0, hex(0xFFFFFF)}, {0.5, hex(0xFFE05A)}, {1, hex(0xFF9A1A)}});
        strokeEdged(cr, hex(0x2A1006), 6.5, gold, 3.2);
        cairo_pattern_destroy(gold);
        // Corner studs.
        const double pts[][2] = {{5, 5}, {45, 5}, {5, 45}, {45, 45}};
        for (auto& q : pts)
            sparkle(cr, q[0], q[1], 5, 2, 0.785, hex(0xFFFBE0), hex(0x2A1006), 1.1);
    }
    return sheet.finish({true});
}

Raster renderCursor()
{
    Canvas sheet(checkMarkSource.r, pointerSource.b);
    cairo_t* cr = sheet.cr();
    {
        Cell cell(cr, pointerSource);
        // A chunky arrow with its tip at the hot spot (0, 0).
        cairo_new_path(cr);
        cairo_move_to(cr, 1.0, 1.0);
        cairo_line_to(cr, 1.0, 25.5);
        cairo_line_to(cr, 7.5, 19.5);
        cairo_line_to(cr, 12.5, 28.8);
        cairo_line_to(cr, 17.5, 26.5);
        cairo_line_to(cr, 12.8, 17.5);
        cairo_line_to(cr, 21.5, 17.5);
        cairo_close_path(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        fillVertical(cr, 0, 29, hex(0xFFFFFF), hex(0xFFC040));
        glossOver(cr, -2, -4, 12, 18, 0.5);
        strokeOutline(cr, hex(0x1E0C04), 2.4);
        cairo_new_path(cr);
    }
    {
        Cell cell(cr, checkMarkSource);
        checkMark(cr);
    }
    return sheet.finish({true});
}
