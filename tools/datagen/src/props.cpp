// Drawing the pan, the blender, the chef and the trophy.
#include "props.h"

#include <cmath>

#include "canvas.h"
#include "pieces.h"
#include "widgets.h"

// ---------------------------------------------------------------- frying pan

namespace {

void friedEgg(cairo_t* cr, double cx, double cy, double s, double flip)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s * flip);
    cairo_new_path(cr);
    // Egg white: a wobbly blob.
    const int n = 9;
    for (int i = 0; i <= n; ++i) {
        const double a = i * 2 * M_PI / n;
        const double r = 17 + 3 * std::sin(a * 3 + 1) + 2 * std::cos(a * 2);
        const double x = std::cos(a) * r, y = std::sin(a) * r * 0.85;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else {
            const double ap = (i - 0.5) * 2 * M_PI / n;
            const double rp = r + 4;
            cairo_curve_to(cr, std::cos(ap) * rp, std::sin(ap) * rp * 0.85, std::cos(ap) * rp,
                           std::sin(ap) * rp * 0.85, x, y);
        }
    }
    cairo_close_path(cr);
    fillRadial(cr, 0, 0, 22, hex(0xFFFFFF), hex(0xF0E6D6), -5, -5);
    strokeOutline(cr, hex(0x8A7A66), 1.2);
    cairo_new_path(cr);
    // Yolk.
    cairo_arc(cr, 2, -1, 7.5, 0, 2 * M_PI);
    fillRadial(cr, 2, -1, 8, hex(0xFFE066), hex(0xF29A12), -3, -3);
    strokeOutline(cr, hex(0xA85A06), 1.2);
    cairo_new_path(cr);
    ellipsePath(cr, -0.5, -3.5, 2.8, 1.8);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
}

void sizzle(cairo_t* cr, double cx, double cy, double t)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = -1; i <= 1; ++i) {
        const double x = cx + i * 13;
        cairo_new_path(cr);
        cairo_move_to(cr, x, cy);
        cairo_curve_to(cr, x - 4, cy - 6 * t, x + 4, cy - 10 * t, x, cy - 16 * t);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
}

}  // namespace

void fryingPan(cairo_t* cr, int frame)
{
    static const double tilt[4] = {0, -0.045, 0.035, 0};
    static const double hop[4] = {0, 9, 16, 0};
    static const double flip[4] = {1, 0.55, -0.35, 1};
    const int f = frame & 3;
    cairo_save(cr);
    // Hook in the wall.
    cairo_new_path(cr);
    cairo_arc(cr, 47.5, 6, 3.2, 0, 2 * M_PI);
    fillRadial(cr, 47.5, 6, 3.2, hex(0xE8E0D0), hex(0x6A6058));
    strokeOutline(cr, hex(0x2A2420), 1);
    cairo_new_path(cr);
    cairo_translate(cr, 47.5, 6);
    cairo_rotate(cr, tilt[f]);
    cairo_translate(cr, -47.5, -6);
    const double cx = 47.5, cy = 113.5;
    // Handle: wood with a hanging hole, and a metal neck to the rim.
    cairo_new_path(cr);
    roundedRect(cr, 40, 3, 15, 60, 7);
    fillVertical(cr, 3, 63, hex(0xB0703A), hex(0x6A3A18));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgba(cr, 0.25, 0.1, 0.02, 0.35);
    cairo_set_line_width(cr, 0.8);
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 43 + i * 3, 12);
        cairo_curve_to(cr, 44 + i * 3, 30, 42 + i * 3, 45, 44 + i * 3, 62);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    strokeOutline(cr, hex(0x2A1408), 1.6);
    cairo_new_path(cr);
    cairo_arc(cr, 47.5, 10, 3, 0, 2 * M_PI);
    setColour(cr, hex(0x2A1408));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 43, 60);
    cairo_line_to(cr, 52, 60);
    cairo_line_to(cr, 53.5, 80);
    cairo_line_to(cr, 41.5, 80);
    cairo_close_path(cr);
    fillVertical(cr, 60, 80, hex(0x8A8A92), hex(0x3A3A42));
    strokeOutline(cr, hex(0x151518), 1.4);
    cairo_new_path(cr);
    // Pan body: cast iron rim and the cooking surface.
    ellipsePath(cr, cx, cy, 38, 37);
    fillRadial(cr, cx, cy, 38, hex(0x6A6A72), hex(0x202024), -12, -14);
    strokeOutline(cr, hex(0x0E0E10), 1.8);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, 31, 30);
    fillRadial(cr, cx, cy, 31, hex(0x2A2A30), hex(0x4A4A52), 10, 12);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    // Rim shine.
    cairo_arc(cr, cx, cy, 34.5, M_PI * 1.05, M_PI * 1.55);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    // The egg, tossed and flipping in the busy frames.
    friedEgg(cr, cx + 1, cy + 1 - hop[f], 1.0, flip[f]);
    if (f == 1 || f == 2)
        sizzle(cr, cx, cy + 22, f == 1 ? 0.8 : 1.0);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- blender

void blender(cairo_t* cr, int frame)
{
    const bool running = frame > 0 && frame < 11;
    const double spin = frame * 0.75;
    // Vibration marks beside the jar while running.
    if (running) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 2);
        const double o = (frame % 2) ? 2 : 0;
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 2; ++i) {
                const double x = 60 + side * (31 + i * 5 + o), y = 30 + i * 9;
                cairo_new_path(cr);
                cairo_arc(cr, x - side * 8, y, 8, side > 0 ? -0.6 : M_PI - 0.6, side > 0 ? 0.6 : M_PI + 0.6);
                setColour(cr, hex(0x5A3A20));
                cairo_stroke(cr);
            }
        }
    }
    // Motor base.
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 66);
    cairo_line_to(cr, 84, 66);
    cairo_curve_to(cr, 90, 80, 92, 90, 92, 96);
    cairo_curve_to(cr, 92, 99, 90, 100, 87, 100);
    cairo_line_to(cr, 33, 100);
    cairo_curve_to(cr, 30, 100, 28, 99, 28, 96);
    cairo_curve_to(cr, 28, 90, 30, 80, 36, 66);
    cairo_close_path(cr);
    fillLinear(cr, 28, 0, 92, 0,
               {{0, hex(0xB02A1A)}, {0.3, hex(0xF2604A)}, {0.55, hex(0xD8402C)}, {1, hex(0x7A1A0E)}});
    strokeOutline(cr, hex(0x3A0C06), 1.8);
    cairo_new_path(cr);
    // Chrome band and buttons.
    roundedRect(cr, 38, 78, 44, 13, 4);
    fillVertical(cr, 78, 91, hex(0xF4F4F8), hex(0x8A8A96));
    strokeOutline(cr, hex(0x2A2A30), 1.1);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {
        const bool on = running && i == 1;
        cairo_arc(cr, 48 + i * 12, 84.5, 3.3, 0, 2 * M_PI);
        fillRadial(cr, 48 + i * 12, 84.5, 3.3, on ? hex(0xCFFFB0) : hex(0xFFFFFF),
                   on ? hex(0x3AC21E) : hex(0x9A9AA6), -1, -1);
        strokeOutline(cr, hex(0x2A2A30), 0.9);
        cairo_new_path(cr);
    }
    // Glass jar.
    auto jar = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, 37, 4);
        cairo_line_to(cr, 83, 4);
        cairo_line_to(cr, 77, 66);
        cairo_line_to(cr, 43, 66);
        cairo_close_path(cr);
    };
    jar();
    fillVertical(cr, 4, 66, hex(0xE8F4F8), hex(0xC8DCE4));
    // Smoothie inside: calm at rest, a vortex while running.
    cairo_save(cr);
    jar();
    cairo_clip(cr);
    const double level = running ? 20 : 30;
    cairo_new_path(cr);
    if (running) {
        cairo_move_to(cr, 30, level);
        cairo_curve_to(cr, 48, level - 6, 52, level + 16, 60, level + 18);
        cairo_curve_to(cr, 68, level + 16, 72, level - 6, 90, level);
    } else {
        cairo_move_to(cr, 30, level);
        cairo_curve_to(cr, 50, level - 2, 70, level + 2, 90, level);
    }
    cairo_line_to(cr, 90, 70);
    cairo_line_to(cr, 30, 70);
    cairo_close_path(cr);
    fillVertical(cr, level, 66, hex(0xFFA36A), hex(0xD84A5A));
    cairo_new_path(cr);
    if (running) {
        // Swirling bits of food.
        for (int i = 0; i < 6; ++i) {
            const double a = spin + i * M_PI / 3;
            const double rr = 10 + (i % 3) * 2.5;
            const double x = 60 + std::cos(a) * rr, y = 46 + std::sin(a) * rr * 0.35 + (i % 2) * 6;
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
            setColour(cr, kindColour(i));
            cairo_fill_preserve(cr);
            strokeOutline(cr, hex(0x3A1010), 0.7);
        }
        cairo_new_path(cr);
        for (int i = 0; i < 3; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, 60, 50, 6 + i * 5, spin + i, spin + i + 1.6);
            cairo_set_source_rgba(cr, 1, 0.9, 0.8, 0.6);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    } else {
        const double bits[][3] = {{50, 44, 0}, {66, 52, 3}, {56, 58, 5}, {70, 40, 1}};
        for (auto& b : bits) {
            cairo_new_path(cr);
            cairo_arc(cr, b[0], b[1], 2.4, 0, 2 * M_PI);
            setColour(cr, kindColour(int(b[2])));
            cairo_fill_preserve(cr);
            strokeOutline(cr, hex(0x3A1010), 0.7);
        }
    }
    // Blades at the bottom of the jar.
    cairo_new_path(cr);
    for (int i = 0; i < 2; ++i) {
        const double a = spin * 1.7 + i * M_PI;
        cairo_new_path(cr);
        cairo_move_to(cr, 60, 61);
        cairo_line_to(cr, 60 + std::cos(a) * 12, 61 + std::sin(a) * 2.5 - 1);
        cairo_set_source_rgba(cr, 0.85, 0.85, 0.9, running ? 0.6 : 1);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Glass shine and outline.
    jar();
    const Colour white{1, 1, 1, 1};
    fillLinear(cr, 37, 0, 83, 0,
               {{0, withAlpha(white, 0)},
                {0.15, withAlpha(white, 0.7)},
                {0.28, withAlpha(white, 0)},
                {0.85, withAlpha(white, 0)},
                {0.92, withAlpha(white, 0.35)},
                {1, withAlpha(white, 0)}});
    strokeOutline(cr, hex(0x2A3A44), 1.8);
    cairo_new_path(cr);
    // Rim of the open mouth.
    ellipsePath(cr, 60, 4.5, 23, 2.6);
    setColour(cr, hex(0x9AB4C0));
    cairo_fill_preserve(cr);
    strokeOutline(cr, hex(0x2A3A44), 1.4);
    cairo_new_path(cr);
    // Measuring marks.
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 72 - i * 0.8, 22 + i * 12);
        cairo_line_to(cr, 77 - i * 0.8, 22 + i * 12);
    }
    cairo_set_source_rgba(cr, 0.2, 0.3, 0.4, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Collar joining jar and base.
    cairo_new_path(cr);
    roundedRect(cr, 40, 63, 40, 7, 2.5);
    fillVertical(cr, 63, 70, hex(0x4A4A52), hex(0x1E1E22));
    strokeOutline(cr, hex(0x0E0E10), 1);
    cairo_new_path(cr);
}

// ---------------------------------------------------------------- chef

namespace {
const double eyeY = 214, eyeLX = 133, eyeRX = 168;
const Colour skin = hex(0xF7C9A0);
const Colour skinShade = hex(0xE0A07A);

void faceSkinFill(cairo_t* cr)
{
    // Skin shading as a function of position only, so the eyelids can reuse it.
    cairo_pattern_t* p = cairo_pattern_create_radial(140, 205, 8, 150, 222, 52);
    addStop(p, 0, lighter(skin, 0.25));
    addStop(p, 0.6, skin);
    addStop(p, 1, skinShade);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}
}  // namespace

void chef(cairo_t* cr)
{
    const Colour ink = hex(0x3A2014);
    // Jacket.
    cairo_new_path(cr);
    cairo_move_to(cr, 112, 262);
    cairo_curve_to(cr, 90, 270, 80, 290, 78, 330);
    cairo_line_to(cr, 74, 380);
    cairo_line_to(cr, 230, 380);
    cairo_line_to(cr, 224, 330);
    cairo_curve_to(cr, 222, 290, 210, 270, 188, 262);
    cairo_close_path(cr);
    fillRadial(cr, 150, 290, 90, hex(0xFFFFFF), hex(0xD8D4CC), -20, -20);
    strokeOutline(cr, ink, 2);
    cairo_new_path(cr);
    // Double row of buttons and a fold.
    for (int i = 0; i < 3; ++i)
        for (int s = -1; s <= 1; s += 2) {
            cairo_new_path(cr);
            cairo_arc(cr, 150 + s * 14, 300 + i * 22, 3, 0, 2 * M_PI);
            fillRadial(cr, 150 + s * 14, 300 + i * 22, 3, hex(0xFFFFFF), hex(0xA8A098));
            strokeOutline(cr, ink, 1);
        }
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 282);
    cairo_curve_to(cr, 146, 320, 150, 350, 148, 380);
    cairo_set_source_rgba(cr, 0.4, 0.35, 0.3, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Neckerchief.
    cairo_new_path(cr);
    cairo_move_to(cr, 120, 260);
    cairo_curve_to(cr, 135, 272, 165, 272, 180, 260);
    cairo_line_to(cr, 176, 276);
    cairo_curve_to(cr, 165, 284, 135, 284, 124, 276);
    cairo_close_path(cr);
    fillVertical(cr, 258, 284, hex(0xF05A3C), hex(0xA82414));
    strokeOutline(cr, ink, 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 276);
    cairo_line_to(cr, 140, 296);
    cairo_line_to(cr, 152, 292);
    cairo_line_to(cr, 160, 298);
    cairo_close_path(cr);
    fillVertical(cr, 276, 298, hex(0xE84A2C), hex(0xA82414));
    strokeOutline(cr, ink, 1.4);
    cairo_new_path(cr);
    // Ears.
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        ellipsePath(cr, 150 + s * 45, 224, 7, 10);
        setColour(cr, skinShade);
        cairo_fill_preserve(cr);
        strokeOutline(cr, ink, 1.6);
    }
    // Face.
    cairo_new_path(cr);
    ellipsePath(cr, 150, 222, 45, 45);
    faceSkinFill(cr);
    strokeOutline(cr, ink, 2);
    cairo_new_path(cr);
    // Cheeks.
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        ellipsePath(cr, 150 + s * 27, 238, 8, 5);
        cairo_set_source_rgba(cr, 0.95, 0.4, 0.35, 0.35);
        cairo_fill(cr);
    }
    // Eyebrows.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int s = -1; s <= 1; s += 2) {
        const double x = s < 0 ? eyeLX : eyeRX;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 9, 196);
        cairo_curve_to(cr, x - 4, 191, x + 4, 191, x + 9, 195);
        setColour(cr, hex(0x5A3018));
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
    }
    // Eyes, glancing toward the board.
    for (int s = -1; s <= 1; s += 2) {
        const double x = s < 0 ? eyeLX : eyeRX;
        cairo_new_path(cr);
        ellipsePath(cr, x, eyeY, 8.5, 10.5);
        fillRadial(cr, x, eyeY, 10, hex(0xFFFFFF), hex(0xE4E0DC));
        strokeOutline(cr, ink, 1.5);
        cairo_new_path(cr);
        cairo_arc(cr, x + 3, eyeY + 1, 4.6, 0, 2 * M_PI);
        fillRadial(cr, x + 3, eyeY + 1, 4.6, hex(0x6A4A2A), hex(0x2A1408));
        cairo_new_path(cr);
        cairo_arc(cr, x + 1.5, eyeY - 1.5, 1.6, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    // Nose.
    cairo_new_path(cr);
    ellipsePath(cr, 150, 234, 8, 6.5);
    fillRadial(cr, 150, 234, 8, lighter(skin, 0.2), hex(0xE8967A), -2, -2);
    strokeOutline(cr, ink, 1.4);
    cairo_new_path(cr);
    // Smile.
    cairo_move_to(cr, 136, 252);
    cairo_curve_to(cr, 142, 260, 158, 260, 164, 252);
    setColour(cr, ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Curly moustache.
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 241);
    cairo_curve_to(cr, 160, 236, 172, 238, 176, 246);
    cairo_curve_to(cr, 180, 252, 174, 255, 171, 250);
    cairo_curve_to(cr, 166, 246, 158, 248, 150, 248);
    cairo_curve_to(cr, 142, 248, 134, 246, 129, 250);
    cairo_curve_to(cr, 126, 255, 120, 252, 124, 246);
    cairo_curve_to(cr, 128, 238, 140, 236, 150, 241);
    cairo_close_path(cr);
    fillVertical(cr, 236, 255, hex(0x7A4A26), hex(0x3A1E0C));
    strokeOutline(cr, hex(0x2A1408), 1.2);
    cairo_new_path(cr);
    // Toque: band and puffs.
    auto puff = [&](double x, double y, double r) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        fillRadial(cr, x, y, r, hex(0xFFFFFF), hex(0xDCD8D2), -r * 0.3, -r * 0.35);
        strokeOutline(cr, ink, 1.8);
        cairo_new_path(cr);
    };
    puff(124, 140, 22);
    puff(176, 140, 22);
    puff(138, 112, 26);
    puff(164, 112, 26);
    puff(150, 134, 24);
    cairo_new_path(cr);
    roundedRect(cr, 114, 150, 72, 34, 6);
    fillVertical(cr, 150, 184, hex(0xFFFFFF), hex(0xD6D0C8));
    strokeOutline(cr, ink, 1.8);
    cairo_new_path(cr);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, 114 + i * 18, 154);
        cairo_line_to(cr, 114 + i * 18, 181);
    }
    cairo_set_source_rgba(cr, 0.4, 0.36, 0.3, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void chefEyelids(cairo_t* cr)
{
    const Colour ink = hex(0x3A2014);
    for (int s = -1; s <= 1; s += 2) {
        const double x = s < 0 ? eyeLX : eyeRX;
        cairo_new_path(cr);
        ellipsePath(cr, x, eyeY, 11, 13);
        faceSkinFill(cr);
        cairo_new_path(cr);
        // Closed lid: a smiling curve with lashes.
        cairo_move_to(cr, x - 8.5, eyeY - 1);
        cairo_curve_to(cr, x - 4, eyeY + 5, x + 4, eyeY + 5, x + 8.5, eyeY - 1);
        setColour(cr, ink);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        for (int i = -1; i <= 1; ++i) {
            cairo_new_path(cr);
            cairo_move_to(cr, x + i * 4.5, eyeY + 3.2 - std::abs(i) * 0.8);
            cairo_line_to(cr, x + i * 5.5, eyeY + 6.5 - std::abs(i) * 0.8);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
        }
    }
}

// ---------------------------------------------------------------- trophy

void trophy(cairo_t* cr, const TrophyStyle& s)
{
    const Colour ink = hex(0x2A1006), gold = hex(0xF5B830), pale = hex(0xF5C850), bronze = hex(0x9A5A08);
    auto handles = [&] {
        for (int side = -1; side <= 1; side += 2) {
            cairo_new_path(cr);
            cairo_arc(cr, side * 30, s.handleY, s.handleRadius, side < 0 ? M_PI * 0.5 : -M_PI * 0.5,
                      side < 0 ? M_PI * 1.5 : M_PI * 0.5);
            strokeEdged(cr, ink, s.handleEdge, gold, s.handleCore);
        }
    };
    if (!s.handlesInFront)
        handles();
    // Cup and rim.
    cairo_new_path(cr);
    cairo_move_to(cr, -32, 0);
    cairo_line_to(cr, 32, 0);
    cairo_curve_to(cr, 32, 34, 18, 48, 0, 50);
    cairo_curve_to(cr, -18, 48, -32, 34, -32, 0);
    cairo_close_path(cr);
    fillLinear(cr, -32, 0, 32, 0, {{0, hex(0xC07A10)}, {0.3, hex(0xFFE9A0)}, {0.55, gold}, {1, bronze}});
    strokeOutline(cr, ink, s.outline);
    cairo_new_path(cr);
    ellipsePath(cr, 0, 0, 32, 5);
    fillVertical(cr, -5, 5, bronze, pale);
    strokeOutline(cr, ink, s.trimOutline);
    if (s.handlesInFront)
        handles();
    // Stem and foot.
    cairo_new_path(cr);
    cairo_rectangle(cr, -6, 49, 12, 14);
    fillVertical(cr, 49, 63, pale, hex(0xA86408));
    strokeOutline(cr, ink, s.trimOutline);
    cairo_new_path(cr);
    roundedRect(cr, -24, 62, 48, s.footHeight, 3);
    fillVertical(cr, 62, 62 + s.footHeight, hex(0x8A4A22), hex(0x4A2410));
    strokeOutline(cr, ink, s.trimOutline);
    cairo_new_path(cr);
    if (s.footBand) {
        roundedRect(cr, -14, 65, 28, 6, 1.5);
        setColour(cr, pale);
        cairo_fill(cr);
    }
    // Star on the cup.
    cairo_new_path(cr);
    starPath(cr, 0, 22, s.star, s.starInner, 5, 0);
    fillVertical(cr, 22 - s.star, 22 + s.star, hex(0xFFFFFF), hex(0xFFE070));
    strokeOutline(cr, hex(0x8A4A06), s.starOutline);
    cairo_new_path(cr);
}
