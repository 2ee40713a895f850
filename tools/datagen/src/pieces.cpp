// The eight food pieces and their idle animation.
#include "pieces.h"

#include <cmath>

#include "widgets.h"

namespace {

// A soft reflected light along the lower-right edge of the current path.
void rimLight(cairo_t* cr, double cx, double cy, double r, double alpha)
{
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx + r * 0.9, cy + r * 0.9, 0, cx + r * 0.9, cy + r * 0.9, r * 0.8);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.85, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.95, 0.85, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// Shaded fill of the current path: a light spot up-left falling off to a dark rim, and on
// the bigger round bodies (rim > 0) a reflected light of that strength at the lower right.
void shade(cairo_t* cr, double cx, double cy, double r, Colour light, Colour mid, Colour dark, double rim = 0)
{
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx - r * 0.38, cy - r * 0.42, r * 0.05, cx, cy, r * 1.08);
    addStop(p, 0.0, light);
    addStop(p, 0.45, mid);
    addStop(p, 1.0, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    if (rim > 0)
        rimLight(cr, cx, cy, r, rim);
}

// A body symmetric about x = 0: two curves (two control points and an end point each) run
// down the right side from (0, top), and the same curves come back up the left, mirrored.
void mirroredBody(cairo_t* cr, double top, const double (&right)[2][6])
{
    const double* a = right[0];
    const double* b = right[1];
    cairo_new_path(cr);
    cairo_move_to(cr, 0, top);
    cairo_curve_to(cr, a[0], a[1], a[2], a[3], a[4], a[5]);
    cairo_curve_to(cr, b[0], b[1], b[2], b[3], b[4], b[5]);
    cairo_curve_to(cr, -b[2], b[3], -b[0], b[1], -a[4], a[5]);
    cairo_curve_to(cr, -a[2], a[3], -a[0], a[1], 0, top);
    cairo_close_path(cr);
}

// A crisp glossy highlight: an ellipse fading from white.
void gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(-0.2, -0.3, 0.05, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.55, 1, 1, 1, alpha * 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void dot(cairo_t* cr, double x, double y, double r, Colour c)
{
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    setColour(cr, c);
    cairo_fill(cr);
}

void outline(cairo_t* cr, Colour c, double w = 1.7)
{
    strokeOutline(cr, c, w);
    cairo_new_path(cr);
}

// ---------------------------------------------------------------- kinds

void tomato(cairo_t* cr)
{
    // Body: a wide, flattened, slightly lobed sphere.
    mirroredBody(cr, -11, {{9, -15, 20, -11, 19.5, 2}, {19, 13, 9, 17, 0, 17}});
    shade(cr, 0, 3, 19, hex(0xFF8A66), hex(0xE0321E), hex(0x8A0F08), 0.35);
    // Lobe creases.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_set_source_rgba(cr, 0.45, 0.02, 0.0, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, -6, -10);
    cairo_curve_to(cr, -11, -3, -11, 8, -7, 15);
    cairo_move_to(cr, 6, -10);
    cairo_curve_to(cr, 11, -3, 11, 8, 7, 15);
    cairo_stroke(cr);
    cairo_restore(cr);
    outline(cr, hex(0x4A0A05));
    gloss(cr, -8, -5, 6.5, 4, -0.6, 0.85);
    dot(cr, 9, 8, 1.6, {1, 1, 1, 0.55});
    // Calyx: a green star of sepals with a stem.
    cairo_new_path(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5 + 0.3;
        const double tipX = std::cos(a) * 10, tipY = -11 + std::sin(a) * 4.5;
        const double l = a - 0.5, r = a + 0.5;
        if (i == 0)
            cairo_move_to(cr, std::cos(l) * 2.5, -11 + std::sin(l) * 1.5);
        cairo_line_to(cr, tipX, tipY);
        cairo_line_to(cr, std::cos(r) * 2.5, -11 + std::sin(r) * 1.5);
    }
    cairo_close_path(cr);
    fillVertical(cr, -16, -7, hex(0x8FD45A), hex(0x3E8A26));
    outline(cr, hex(0x173A0C), 1.3);
    cairo_new_path(cr);
    cairo_move_to(cr, -1.3, -11);
    cairo_curve_to(cr, -1.5, -14, 0, -16, 2.5, -17);
    cairo_line_to(cr, 3.2, -15.4);
    cairo_curve_to(cr, 1.5, -14.5, 1.2, -13, 1.3, -11);
    cairo_close_path(cr);
    setColour(cr, hex(0x5DA83A));
    cairo_fill_preserve(cr);
    outline(cr, hex(0x173A0C), 1.1);
}

void cheese(cairo_t* cr)
{
    // Front face of the wedge.
    auto front = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, -18, -1);
        cairo_line_to(cr, 18, -7);
        cairo_line_to(cr, 18, 13);
        cairo_line_to(cr, -18, 17);
        cairo_close_path(cr);
    };
    front();
    fillLinear(cr, -18, 0, 18, 10, {{0, hex(0xFFD957)}, {1, hex(0xE39A1C)}});
    // Holes on the front.
    cairo_save(cr);
    cairo_clip(cr);
    const double holes[][3] = {{-9, 7, 3.4}, {3, 3, 2.6}, {11, 9, 2.2}, {-1, 12, 1.8}, {-14, 13, 1.6}};
    for (auto& h : holes) {
        cairo_new_path(cr);
        ellipsePath(cr, h[0], h[1], h[2], h[2] * 0.9);
        setColour(cr, hex(0xB86E10));
        cairo_fill(cr);
        cairo_new_path(cr);
        ellipsePath(cr, h[0] + 0.5, h[1] + 0.6, h[2] * 0.75, h[2] * 0.65);
        setColour(cr, hex(0xF0B43C));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    front();
    outline(cr, hex(0x5A3206));
    // Top face, lit.
    cairo_new_path(cr);
    cairo_move_to(cr, -18, -1);
    cairo_line_to(cr, 18, -7);
    cairo_line_to(cr, 9, -18);
    cairo_close_path(cr);
    fillVertical(cr, -18, -1, hex(0xFFF3B0), hex(0xFFD45A));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    ellipsePath(cr, 4, -7, 2.6, 1.3);
    setColour(cr, hex(0xE8A730));
    cairo_fill(cr);
    cairo_restore(cr);
    outline(cr, hex(0x5A3206));
    // Rind edge highlight along the top of the front face.
    cairo_new_path(cr);
    cairo_move_to(cr, -16, 0.5);
    cairo_line_to(cr, 16, -4.8);
    cairo_set_source_rgba(cr, 1, 1, 0.85, 0.75);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    gloss(cr, -9, -4, 6, 2.2, -0.35, 0.8);
}

void egg(cairo_t* cr)
{
    mirroredBody(cr, -19, {{9, -19, 15, -4, 15, 5}, {15, 14, 8, 19, 0, 19}});
    shade(cr, 0, 2, 18, hex(0xFFFFFF), hex(0xF6EEDD), hex(0xB9A88C), 0.3);
    // A few faint speckles.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const double sp[][2] = {{5, -6}, {-6, 9}, {8, 10}, {-3, 14}, {10, 1}, {2, 6}};
    for (auto& s : sp)
        dot(cr, s[0], s[1], 0.7, {0.72, 0.6, 0.45, 0.6});
    cairo_restore(cr);
    outline(cr, hex(0x4E3B27));
    gloss(cr, -5.5, -7, 4.5, 7, 0.35, 0.95);
    dot(cr, 7, 11, 1.3, {1, 1, 1, 0.7});
}

void carrot(cairo_t* cr)
{
    // Leaves first, behind the root.
    const double leaves[][4] = {{8, -9, 13, -19}, {10, -7, 19, -15}, {11, -5, 20, -7}};
    for (auto& l : leaves) {
        cairo_new_path(cr);
        cairo_move_to(cr, l[0], l[1]);
        cairo_curve_to(cr, l[0] + 1, l[1] - 6, l[2] - 4, l[3] - 1, l[2], l[3]);
        cairo_curve_to(cr, l[2] - 1, l[3] + 4, l[0] + 5, l[1] + 1, l[0] + 2, l[1] + 2);
        cairo_close_path(cr);
        fillVertical(cr, -19, -4, hex(0x9BE06A), hex(0x3F8F2A));
        outline(cr, hex(0x173A0C), 1.3);
    }
    // The root: a plump curved cone from the upper right to a tip at the lower left.
    cairo_new_path(cr);
    cairo_move_to(cr, 1, -13);
    cairo_curve_to(cr, 8, -18, 18, -12, 15, -3);
    cairo_curve_to(cr, 12, 6, -3, 15, -16, 18.5);
    cairo_curve_to(cr, -18, 19, -19, 17.5, -18, 16);
    cairo_curve_to(cr, -10, 6, -7, -6, 1, -13);
    cairo_close_path(cr);
    fillLinear(cr, -2, -6, 6, 4, {{0, hex(0xFFB85C)}, {0.5, hex(0xF47A1C)}, {1, hex(0xB4470A)}});
    // Ridges across the root.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgba(cr, 0.5, 0.18, 0.0, 0.55);
    cairo_set_line_width(cr, 1.1);
    const double ridges[][4] = {
        {0, -6, 7, -1}, {-4, 1, 3, 4}, {-9, 7, -3, 9.5}, {-13, 12, -9, 13.5}, {5, -11, 11, -7}};
    for (auto& r : ridges) {
        cairo_new_path(cr);
        cairo_move_to(cr, r[0], r[1]);
        cairo_line_to(cr, r[2], r[3]);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    outline(cr, hex(0x5A2204));
    gloss(cr, -1, -4, 8, 2.6, -0.85, 0.8);
}

void grapes(cairo_t* cr)
{
    // Stem and leaf.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -12);
    cairo_curve_to(cr, 0, -16, 2, -18, 4, -19);
    cairo_set_source_rgb(cr, 0.35, 0.22, 0.1);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 1, -15);
    cairo_curve_to(cr, 5, -21, 13, -20, 16, -15);
    cairo_curve_to(cr, 12, -11, 5, -11, 1, -15);
    cairo_close_path(cr);
    fillVertical(cr, -20, -11, hex(0x9BD862), hex(0x3D8A26));
    outline(cr, hex(0x173A0C), 1.2);
    // Berries from the back rows to the front: a tall bunch narrowing to a point.
    const double berries[][3] = {{-10, -8, 5.6}, {0, -9, 5.8}, {10, -8, 5.6}, {-5, -1, 5.6},
                                 {5, -1, 5.6},   {-9, 5, 5.2}, {0, 6, 5.6},   {9, 5, 5.2},
                                 {-4, 12, 5.2},  {4, 12, 5.2}, {0, 17, 4.4}};
    for (auto& b : berries) {
        cairo_new_path(cr);
        cairo_arc(cr, b[0], b[1], b[2], 0, 2 * M_PI);
        shade(cr, b[0], b[1], b[2], hex(0xD6A4F5), hex(0x8A3FC8), hex(0x3D1064));
        outline(cr, hex(0x22072F), 1.3);
        gloss(cr, b[0] - 2, b[1] - 2.2, b[2] * 0.38, b[2] * 0.25, -0.5, 0.9);
    }
}

void broccoli(cairo_t* cr)
{
    // Stalk.
    cairo_new_path(cr);
    cairo_move_to(cr, -8, 0);
    cairo_curve_to(cr, -7, 8, -9, 14, -10, 18);
    cairo_line_to(cr, 10, 18);
    cairo_curve_to(cr, 9, 14, 7, 8, 8, 0);
    cairo_close_path(cr);
    fillLinear(cr, -8, 0, 8, 0, {{0, hex(0xD6EDA8)}, {0.6, hex(0xA8CF70)}, {1, hex(0x6E9E3C)}});
    outline(cr, hex(0x1E4410));
    // Florets: a crown of bumps, back to front.
    const double f[][3] = {{-12, -5, 7}, {12, -5, 7},   {-5, -11, 7.5}, {6, -11, 7.5},
                           {0, -3, 8},   {-14, 1, 5.5}, {14, 1, 5.5}};
    for (auto& c : f) {
        cairo_new_path(cr);
        // A bumpy disc: small arcs around the rim.
        const int bumps = 9;
        for (int i = 0; i <= bumps; ++i) {
            const double a = i * 2 * M_PI / bumps;
            const double x = c[0] + std::cos(a) * c[2] * 0.82, y = c[1] + std::sin(a) * c[2] * 0.82;
            cairo_arc(cr, x, y, c[2] * 0.3, a - 1.4, a + 1.4);
        }
        cairo_close_path(cr);
        shade(cr, c[0], c[1], c[2], hex(0xA6E070), hex(0x4C9A2C), hex(0x1F5A14));
        outline(cr, hex(0x143A0A), 1.3);
        dot(cr, c[0] - c[2] * 0.3, c[1] - c[2] * 0.35, c[2] * 0.22, {0.85, 1, 0.7, 0.6});
    }
}

void mushroom(cairo_t* cr)
{
    // Stem.
    cairo_new_path(cr);
    cairo_move_to(cr, -6, 0);
    cairo_curve_to(cr, -7, 8, -9, 14, -8, 18);
    cairo_curve_to(cr, -3, 19.5, 3, 19.5, 8, 18);
    cairo_curve_to(cr, 9, 14, 7, 8, 6, 0);
    cairo_close_path(cr);
    fillLinear(cr, -9, 0, 9, 0, {{0, hex(0xFFFBF0)}, {0.6, hex(0xEEDFC2)}, {1, hex(0xB9A07A)}});
    outline(cr, hex(0x4A3020));
    // Cap: a dome with a curled rim.
    cairo_new_path(cr);
    cairo_move_to(cr, -19, 2);
    cairo_curve_to(cr, -19, -12, -9, -18, 0, -18);
    cairo_curve_to(cr, 9, -18, 19, -12, 19, 2);
    cairo_curve_to(cr, 13, 5, -13, 5, -19, 2);
    cairo_close_path(cr);
    shade(cr, 0, -6, 19, hex(0xF2B27A), hex(0xB8602A), hex(0x5E2A0E), 0.25);
    // Gills peeking under the rim.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -17, 1.5);
    cairo_curve_to(cr, -10, 4, 10, 4, 17, 1.5);
    cairo_set_source_rgba(cr, 0.95, 0.85, 0.7, 0.9);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    outline(cr, hex(0x3A1A08));
    // Pale spots.
    const double spots[][3] = {{-9, -9, 2.4}, {5, -12, 2.0}, {10, -4, 1.8}, {-2, -4, 1.5}};
    for (auto& s : spots) {
        cairo_new_path(cr);
        ellipsePath(cr, s[0], s[1], s[2], s[2] * 0.8);
        setColour(cr, hex(0xFCE6C8));
        cairo_fill(cr);
    }
    gloss(cr, -6, -12, 6, 3, -0.35, 0.75);
}

void fish(cairo_t* cr)
{
    cairo_save(cr);
    cairo_rotate(cr, -0.18);
    cairo_scale(cr, 1.0, 1.15);
    // Tail.
    cairo_new_path(cr);
    cairo_move_to(cr, 10, 0);
    cairo_curve_to(cr, 14, -4, 17, -9, 20, -11);
    cairo_curve_to(cr, 18, -4, 18, 4, 20, 11);
    cairo_curve_to(cr, 17, 9, 14, 4, 10, 0);
    cairo_close_path(cr);
    fillVertical(cr, -11, 11, hex(0x8FD0F5), hex(0x2B6FB0));
    outline(cr, hex(0x0E2A4A), 1.4);
    // Dorsal fin.
    cairo_new_path(cr);
    cairo_move_to(cr, -7, -9);
    cairo_curve_to(cr, -3, -16, 4, -15, 7, -8);
    cairo_close_path(cr);
    fillVertical(cr, -16, -8, hex(0x9ED8F8), hex(0x3A84C4));
    outline(cr, hex(0x0E2A4A), 1.3);
    // Body.
    cairo_new_path(cr);
    cairo_move_to(cr, -19, 1);
    cairo_curve_to(cr, -15, -11, 3, -13, 12, -1);
    cairo_curve_to(cr, 3, 11, -14, 11, -19, 1);
    cairo_close_path(cr);
    shade(cr, -3, 0, 16, hex(0xCFEFFF), hex(0x4CA3E0), hex(0x1A4F8A));
    // Belly and scales.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    ellipsePath(cr, -4, 7, 12, 3.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.1, 0.3, 0.6, 0.45);
    cairo_set_line_width(cr, 0.9);
    for (int i = 0; i < 4; ++i)
        for (int j = -1; j <= 1; ++j) {
            cairo_new_path(cr);
            cairo_arc(cr, -4 + i * 4, j * 4.0 + (i % 2) * 2, 2.4, -M_PI / 2, M_PI / 2);
            cairo_stroke(cr);
        }
    cairo_restore(cr);
    outline(cr, hex(0x0E2A4A));
    // Gill and eye.
    cairo_new_path(cr);
    cairo_arc(cr, -12, 0, 5, -1.0, 1.0);
    cairo_set_source_rgba(cr, 0.05, 0.2, 0.4, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    dot(cr, -14, -2.5, 2.7, hex(0xFFFFFF));
    cairo_new_path(cr);
    cairo_arc(cr, -14, -2.5, 2.7, 0, 2 * M_PI);
    outline(cr, hex(0x0E2A4A), 0.9);
    dot(cr, -14.4, -2.6, 1.4, hex(0x101820));
    dot(cr, -14.9, -3.2, 0.5, hex(0xFFFFFF));
    gloss(cr, -4, -6, 7, 2.4, -0.15, 0.8);
    cairo_restore(cr);
}

}  // namespace

Colour kindColour(int kind)
{
    static const uint32_t c[8] = {0xE0321E, 0xF5C038, 0xF6EEDD, 0xF47A1C,
                                  0x8A3FC8, 0x4C9A2C, 0xB8602A, 0x4CA3E0};
    return hex(c[kind & 7]);
}

void drawPiece(cairo_t* cr, int kind, double cx, double cy, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    switch (kind) {
    case kindTomato:
        tomato(cr);
        break;
    case kindCheese:
        cheese(cr);
        break;
    case kindEgg:
        egg(cr);
        break;
    case kindCarrot:
        carrot(cr);
        break;
    case kindGrapes:
        grapes(cr);
        break;
    case kindBroccoli:
        broccoli(cr);
        break;
    case kindMushroom:
        mushroom(cr);
        break;
    default:
        fish(cr);
        break;
    }
    cairo_restore(cr);
}

void drawPieceFrame(cairo_t* cr, int kind, int frame)
{
    // One hop: crouch, leap with a little twist, land with a squash, settle.
    const double t = frame / 14.0;
    double lift = 0, squash = 0, twist = 0;
    if (t < 0.12) {
        squash = 0.10 * std::sin(M_PI * t / 0.12);
    } else if (t < 0.80) {
        const double u = (t - 0.12) / 0.68;
        lift = std::sin(M_PI * u);
        squash = -0.04 * std::sin(M_PI * u);  // stretched in the air
        twist = 0.16 * std::sin(2 * M_PI * u);
    } else {
        squash = 0.12 * std::sin(M_PI * (t - 0.80) / 0.20);
    }
    const double base = 46;  // the piece stands on this line of the cell
    const double height = 3.5 * lift;
    cairo_save(cr);
    cairo_translate(cr, 25, base - height);
    cairo_scale(cr, 1 + squash * 0.9, 1 - squash);
    cairo_rotate(cr, twist);
    drawPiece(cr, kind, 0, -19.5, 1.0);
    cairo_restore(cr);
    // A sparkle that flares while the piece is up.
    if (lift > 0.55) {
        const double s = (lift - 0.55) / 0.45;
        sparkle(cr, 39, 17 - height * 0.5, 4.5 * s + 1.5, 1.2, t * 2.0, hex(0xFFF8D8), hex(0xB07A10), 0.9);
    }
}
