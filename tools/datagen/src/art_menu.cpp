// The main menu's pictures: the background with its five captions, the sheet of five
// menu pictures, and the caption sheet that also holds other screens' lit buttons.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "layout.h"
#include "pictures.h"
#include "pieces.h"
#include "props.h"
#include "widgets.h"

using namespace layout;

namespace {

// The menu pictures stand on the same backdrop as the empty picture window, so pictures
// of different heights meet the window without a seam.
Colour windowBackdrop(double row)
{
    return mix(hex(0xFFF5DE), hex(0xF0D6A4), std::clamp(row / double(menuPictureWindowH), 0.0, 1.0));
}

void paintWindowBackdrop(const Canvas& c, const Rect& r)
{
    c.pixels(r, [&](int x, int y) {
        const double row = y - r.t;
        // A faint checked tablecloth weave.
        const bool stripe = ((x - r.l) / 16 + (y - r.t) / 16) % 2 == 0;
        return stripe ? windowBackdrop(row) : darker(windowBackdrop(row), 0.025);
    });
}

void caption(cairo_t* cr, const std::string& text, double cx, double cy, double size)
{
    TextStyle ts;
    ts.face = Face::sansBold;
    ts.size = size;
    ts.fill = theme::ink;
    drawTextCentred(cr, text, cx, cy, ts);
}

void steam(cairo_t* cr, double x, double y, double h)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(cr);
        const double sx = x + i * 16;
        cairo_move_to(cr, sx, y);
        cairo_curve_to(cr, sx - 10, y - h * 0.3, sx + 10, y - h * 0.6, sx, y - h);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

// 0: a simmering pot, for carrying on with the game.
void potPicture(cairo_t* cr)
{
    steam(cr, 122, 92, 55);
    // Pot body.
    cairo_new_path(cr);
    cairo_move_to(cr, 52, 100);
    cairo_line_to(cr, 192, 100);
    cairo_curve_to(cr, 192, 160, 186, 196, 170, 200);
    cairo_line_to(cr, 74, 200);
    cairo_curve_to(cr, 58, 196, 52, 160, 52, 100);
    cairo_close_path(cr);
    fillLinear(cr, 52, 0, 192, 0,
               {{0, hex(0x8A2A1A)}, {0.3, hex(0xF06A4A)}, {0.5, hex(0xD9412B)}, {1, hex(0x6A1A0E)}});
    strokeOutline(cr, hex(0x2A0A04), 2.5);
    cairo_new_path(cr);
    // Handles.
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        roundedRect(cr, s < 0 ? 36 : 190, 112, 18, 12, 5);
        fillVertical(cr, 112, 124, hex(0x5A5A62), hex(0x2A2A30));
        strokeOutline(cr, hex(0x101012), 2);
    }
    // Soup surface with vegetables.
    cairo_new_path(cr);
    ellipsePath(cr, 122, 100, 70, 14);
    fillVertical(cr, 86, 114, hex(0xFFB45A), hex(0xE0621E));
    strokeOutline(cr, hex(0x2A0A04), 2.5);
    cairo_new_path(cr);
    drawPiece(cr, kindCarrot, 100, 94, 0.55);
    drawPiece(cr, kindBroccoli, 140, 92, 0.55);
    drawPiece(cr, kindMushroom, 122, 102, 0.5);
    // Ladle.
    cairo_new_path(cr);
    cairo_move_to(cr, 160, 98);
    cairo_line_to(cr, 204, 40);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    strokeEdged(cr, hex(0x2A1408), 8, hex(0xC8884A), 4.5);
    caption(cr, "Back to your game", 122.5, 232, 16);
}

// 1: a basket of fresh food, for a new game.
void basketPicture(cairo_t* cr)
{
    // Food piled in the basket.
    const int kinds[7] = {kindCheese, kindGrapes, kindTomato, kindFish, kindEgg, kindCarrot, kindBroccoli};
    const double pos[7][3] = {{70, 108, 1.2}, {172, 104, 1.2},  {106, 96, 1.25}, {142, 92, 1.2},
                              {90, 130, 1.1}, {160, 128, 1.15}, {124, 122, 1.2}};
    for (int i = 0; i < 7; ++i)
        drawPiece(cr, kinds[i], pos[i][0], pos[i][1], pos[i][2]);
    // Basket.
    cairo_new_path(cr);
    cairo_move_to(cr, 34, 138);
    cairo_line_to(cr, 210, 138);
    cairo_line_to(cr, 192, 206);
    cairo_line_to(cr, 52, 206);
    cairo_close_path(cr);
    fillVertical(cr, 138, 206, hex(0xE0A860), hex(0x9A5E26));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgba(cr, 0.35, 0.18, 0.05, 0.55);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 30, 148 + i * 11);
        cairo_line_to(cr, 214, 148 + i * 11);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 16; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 40 + i * 11, 138);
        cairo_line_to(cr, 52 + i * 9, 206);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    strokeOutline(cr, hex(0x3A1E0A), 2.5);
    cairo_new_path(cr);
    roundedRect(cr, 28, 132, 188, 12, 5);
    fillVertical(cr, 132, 144, hex(0xF0C078), hex(0xB07030));
    strokeOutline(cr, hex(0x3A1E0A), 2.2);
    cairo_new_path(cr);
    caption(cr, "Start a fresh game", 122.5, 232, 16);
}

// 2: whisk and wooden spoon crossed over a dial, for the options.
void toolsPicture(cairo_t* cr)
{
    // Oven dial.
    cairo_new_path(cr);
    cairo_arc(cr, 122, 112, 62, 0, 2 * M_PI);
    fillRadial(cr, 122, 112, 62, hex(0xFFFFFF), hex(0xC8C0B4), -18, -20);
    strokeOutline(cr, hex(0x2A2420), 2.5);
    cairo_new_path(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_new_path(cr);
        cairo_move_to(cr, 122 + std::cos(a) * 50, 112 + std::sin(a) * 50);
        cairo_line_to(cr, 122 + std::cos(a) * 57, 112 + std::sin(a) * 57);
        setColour(cr, hex(0x4A3A2A));
        cairo_set_line_width(cr, i % 3 == 0 ? 3 : 1.5);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 122, 112, 38, 0, 2 * M_PI);
    fillRadial(cr, 122, 112, 38, hex(0x6A6A72), hex(0x202024), -10, -12);
    strokeOutline(cr, hex(0x101012), 2);
    cairo_new_path(cr);
    roundedRect(cr, 116, 76, 12, 40, 5);
    fillVertical(cr, 76, 116, hex(0xF06A4A), hex(0xA8281A));
    strokeOutline(cr, hex(0x2A0A04), 1.5);
    cairo_new_path(cr);
    // Wooden spoon.
    cairo_save(cr);
    cairo_translate(cr, 122, 112);
    cairo_rotate(cr, -0.7);
    cairo_new_path(cr);
    ellipsePath(cr, 0, -72, 15, 22);
    fillRadial(cr, 0, -72, 22, hex(0xF0C078), hex(0xA86A30), -5, -8);
    strokeOutline(cr, hex(0x3A1E0A), 2);
    cairo_new_path(cr);
    roundedRect(cr, -5, -52, 10, 132, 5);
    fillVertical(cr, -52, 80, hex(0xE0A860), hex(0x9A5E26));
    strokeOutline(cr, hex(0x3A1E0A), 2);
    cairo_new_path(cr);
    cairo_restore(cr);
    // Whisk.
    cairo_save(cr);
    cairo_translate(cr, 122, 112);
    cairo_rotate(cr, 0.7);
    for (int i = -2; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -20);
        cairo_curve_to(cr, i * 12, -50, i * 9, -90, 0, -96);
        strokeEdged(cr, hex(0x2A2A30), 4, hex(0xE8E8F0), 2);
    }
    cairo_new_path(cr);
    roundedRect(cr, -6, -22, 12, 100, 6);
    fillVertical(cr, -22, 78, hex(0xF06A4A), hex(0xA8281A));
    strokeOutline(cr, hex(0x2A0A04), 2);
    cairo_new_path(cr);
    cairo_restore(cr);
    caption(cr, "Sound, screen and more", 122.5, 232, 15);
}

// 3: the trophy with a ribbon, for the high scores.
void trophyPicture(cairo_t* cr)
{
    // Rays.
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        cairo_new_path(cr);
        cairo_move_to(cr, 122, 104);
        cairo_line_to(cr, 122 + std::cos(a - 0.09) * 120, 104 + std::sin(a - 0.09) * 120);
        cairo_line_to(cr, 122 + std::cos(a + 0.09) * 120, 104 + std::sin(a + 0.09) * 120);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 1, 0.85, 0.4, 0.25);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 122, 40);
    cairo_scale(cr, 1.55, 1.55);
    TrophyStyle large;
    large.outline = 1.8;
    large.trimOutline = 1.6;
    large.handleRadius = 11;
    large.handleY = 20;
    large.handleEdge = 7;
    large.handleCore = 4;
    large.handlesInFront = true;
    large.footHeight = 13;
    large.footBand = false;
    large.star = 12;
    large.starInner = 5;
    large.starOutline = 1.2;
    trophy(cr, large);
    cairo_restore(cr);
    ribbon(cr, 62, 172, 121, 30, 8, 2, "Top chefs", 17);
    caption(cr, "Best scores so far", 122.5, 230, 16);
}

// 4: an empty plate with cutlery and a napkin, for leaving the kitchen.
void platePicture(cairo_t* cr)
{
    cairo_new_path(cr);
    ellipsePath(cr, 122, 118, 82, 70);
    fillRadial(cr, 122, 118, 82, hex(0xFFFFFF), hex(0xDCD2C2), -20, -18);
    strokeOutline(cr, hex(0x3A2A1A), 2.5);
    cairo_new_path(cr);
    ellipsePath(cr, 122, 118, 68, 57);
    cairo_set_line_width(cr, 4);
    setColour(cr, hex(0x6AAEE0));
    cairo_stroke(cr);
    cairo_new_path(cr);
    ellipsePath(cr, 122, 118, 56, 46);
    fillRadial(cr, 122, 118, 56, hex(0xF8F4EC), hex(0xE6DCCC), 10, 10);
    cairo_new_path(cr);
    // Fork and knife laid across the plate.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int s = -1; s <= 1; s += 2) {
        cairo_save(cr);
        cairo_translate(cr, 122 + s * 22, 118);
        cairo_rotate(cr, s * 0.5);
        cairo_new_path(cr);
        roundedRect(cr, -4, -10, 8, 80, 4);
        fillVertical(cr, -10, 70, hex(0xF0F0F8), hex(0x9A9AA6));
        strokeOutline(cr, hex(0x2A2A30), 1.6);
        cairo_new_path(cr);
        if (s < 0) {
            roundedRect(cr, -8, -60, 16, 52, 4);
        } else {
            cairo_move_to(cr, -5, -8);
            cairo_line_to(cr, -5, -60);
            cairo_curve_to(cr, 6, -56, 7, -30, 5, -8);
            cairo_close_path(cr);
        }
        fillVertical(cr, -60, -8, hex(0xFFFFFF), hex(0xB0B0BC));
        strokeOutline(cr, hex(0x2A2A30), 1.6);
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    drawPiece(cr, kindGrapes, 122, 110, 0.8);
    TextStyle ts = captionStyle(22, Look::unlit);
    drawTextCentred(cr, "See you soon!", 122.5, 218, ts);
    caption(cr, "Leave the kitchen", 122.5, 246, 15);
}

}  // namespace

Raster renderMenuBackground()
{
    Canvas c(screenW, screenH);
    cairo_t* cr = c.cr();
    woodenWall(c, 51, 200, 120, 0.18, 0.45);
    // Title sign.
    const PanelStyle sign = signStyle(22, 3, 0.15);
    raisedPanel(cr, 150, 18, 340, 104, sign, 3, 5, 0.5);
    drawTextCentred(cr, "Plumbrix", 320, 62, titleStyle(58));
    TextStyle sub = captionStyle(14, Look::unlit);
    drawTextCentred(cr, "the kitchen match-three", 320, 104, sub);
    drawPiece(cr, kindTomato, 112, 70, 1.3);
    drawPiece(cr, kindCheese, 528, 70, 1.3);
    // Menu board behind the captions.
    PanelStyle board = sign;
    board.face = hex(0x5A3A26);
    board.faceBottom = hex(0x3A2416);
    // The board's shadow has slightly tighter corners than the board, so it is drawn here
    // rather than by raisedPanel().
    cairo_new_path(cr);
    roundedRect(cr, 66, 156, 217, 322, 20);
    shadowPath(cr, 3, 5, 0.45, 3);
    panel(cr, 66, 156, 217, 322, board);
    for (const MenuButton& b : menuButtons)
        menuCaption(cr, b.hit, b.caption, Look::unlit);
    // The picture window in a wooden frame.
    const Rect win{menuPictureAt.x, menuPictureAt.y, menuPictureAt.x + 245,
                   menuPictureAt.y + menuPictureWindowH};
    PanelStyle frame = sign;
    frame.face = hex(0xD69A58);
    frame.faceBottom = hex(0x9A5E2C);
    frame.radius = 14;
    raisedPanel(cr, win.l - 14, win.t - 14, win.w() + 28, win.h() + 28, frame, 3, 5, 0.5);
    paintWindowBackdrop(c, win);
    cairo_new_path(cr);
    cairo_rectangle(cr, win.l - 1, win.t - 1, win.w() + 2, win.h() + 2);
    strokeOutline(cr, hex(0x3A1E0A), 2);
    cairo_new_path(cr);
    // The empty window: a welcome note.
    TextStyle hello = captionStyle(24, Look::unlit);
    drawTextCentred(cr, "Bon appetit!", win.l + 122.5, win.t + 100, hello);
    caption(cr, "Choose a dish on the left", win.l + 122.5, win.t + 138, 14);
    drawPiece(cr, kindEgg, win.l + 80, win.t + 190, 1.2);
    drawPiece(cr, kindMushroom, win.l + 122, win.t + 196, 1.2);
    drawPiece(cr, kindCarrot, win.l + 165, win.t + 190, 1.2);
    return c.finish({});
}

Raster renderMenuImages()
{
    Canvas c(menuImageW, menuImageH);
    cairo_t* cr = c.cr();
    // Everything not covered by a picture is painted too, with the same backdrop.
    for (const MenuButton& b : menuButtons)
        paintWindowBackdrop(c, b.picture);
    paintWindowBackdrop(c, {0, 508, 245, 518});
    paintWindowBackdrop(c, {490, 256, 735, 518});
    void (*draw[5])(cairo_t*) = {potPicture, basketPicture, toolsPicture, trophyPicture, platePicture};
    for (int i = 0; i < 5; ++i) {
        Cell cell(cr, menuButtons[i].picture);
        draw[i](cr);
    }
    return c.finish({});
}

Raster renderMenuText()
{
    Canvas c(menuTxtW, menuTxtH);
    cairo_t* cr = c.cr();
    for (const MenuButton& b : menuButtons) {
        Cell cell(cr, b.litCaption);
        menuCaption(cr, {0, 0, b.litCaption.w(), b.litCaption.h()}, b.caption, Look::lit);
    }
    {
        Cell cell(cr, greyResume);
        menuCaption(cr, {0, 0, greyResume.w(), greyResume.h()}, menuButtons[0].caption, Look::greyed);
    }
    {
        Cell cell(cr, sliderKnobSource);
        sliderKnob(cr);
    }
    {
        Cell cell(cr, endButtonLit);
        endButton(cr, Look::lit);
    }
    for (int f = 0; f < arrowFrames; ++f) {
        {
            Cell cell(cr, leftArrow(f));
            scoreArrow(cr, true, f, Look::lit);
        }
        Cell cell(cr, rightArrow(f));
        scoreArrow(cr, false, f, Look::lit);
    }
    // The game screen's lit menu button takes its place over the left arrow's last frame.
    c.clear(menuButtonLit);
    {
        Cell cell(cr, menuButtonLit);
        gameMenuButton(cr, 0, 0, Look::lit);
    }
    {
        Cell cell(cr, levelCaption);
        levelPlaque(cr);
    }
    return c.finish({true});
}
