// The game's shared widgets, drawn identically wherever an overlay meets its picture.
#include "widgets.h"

#include <algorithm>
#include <cmath>

using namespace theme;

namespace {

struct Faces {
    Colour top, bottom, outline, text, textBottom, textOutline;
};

Faces facesFor(Look look)
{
    switch (look) {
    case Look::lit:
        return {hex(0xFFE89A), hex(0xF29A2E), hex(0x5A2308), hex(0xFFFFFF), hex(0xFFF0B8), hex(0x7A2A06)};
    case Look::greyed:
        return {hex(0xCFC7BC), hex(0x978D81), hex(0x5E564E), hex(0xF2EEE8), hex(0xD8D2CA), hex(0x6E665D)};
    case Look::unlit:
    default:
        return {hex(0xE2A866), hex(0xA4622C), walnut, hex(0xFFF7E4), hex(0xF6DDAE), walnut};
    }
}

// A button's face in a look's colours.
PanelStyle buttonStyle(Look look, double radius, double outlineWidth, double gloss)
{
    const Faces f = facesFor(look);
    return panelStyle(f.top, f.bottom, f.outline, radius, outlineWidth, gloss);
}

// A button's panel; a lit one stands in a solid warm halo `halo` pixels wider all round
// (keyed pictures cannot fade).
void buttonPanel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& ps, Look look,
                 double halo, double haloRadius)
{
    if (look == Look::lit) {
        cairo_new_path(cr);
        roundedRect(cr, x - halo, y - halo, w + 2 * halo, h + 2 * halo, haloRadius);
        setColour(cr, hex(0xFFE7A0));
        cairo_fill(cr);
    }
    panel(cr, x, y, w, h, ps);
}

// A little twinkle on a lit button.
void twinkle(cairo_t* cr, double x, double y, double r)
{
    sparkle(cr, x, y, r, r * 0.28, 0, hex(0xFFFDF0), hex(0xA86A10), 0.8);
}

}  // namespace

PanelStyle signStyle(double radius, double outlineWidth, double gloss)
{
    return panelStyle(hex(0x7A4424), hex(0x4A2412), hex(0x1E0C04), radius, outlineWidth, gloss);
}

void raisedPanel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& ps, double dx,
                 double dy, double alpha)
{
    cairo_new_path(cr);
    roundedRect(cr, x, y, w, h, ps.radius);
    shadowPath(cr, dx, dy, alpha, 3);
    cairo_new_path(cr);
    panel(cr, x, y, w, h, ps);
}

void ribbon(cairo_t* cr, double x, double y, double w, double h, double radius, double outlineWidth,
            const std::string& text, double size)
{
    cairo_new_path(cr);
    roundedRect(cr, x, y, w, h, radius);
    fillVertical(cr, y, y + h, hex(0xF06A4A), hex(0xA8281A));
    strokeOutline(cr, hex(0x2A0A04), outlineWidth);
    cairo_new_path(cr);
    drawTextCentred(cr, text, x + w / 2, y + h / 2, captionStyle(size, Look::unlit));
}

void woodenWall(const Canvas& c, uint32_t seed, double glowY, double glowRadius, double glow, double dusk)
{
    woodRect(c, {0, 0, layout::screenW, layout::screenH}, seed, hex(0xB97840), true, 40);
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(320, glowY, glowRadius, 320, 240, 460);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.9, 0.6, glow);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.15, 0.05, 0.0, dusk);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void sparkle(cairo_t* cr, double x, double y, double r, double inner, double turn, Colour fill, Colour edge,
             double edgeWidth)
{
    cairo_new_path(cr);
    starPath(cr, x, y, r, inner, 4, turn);
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    strokeOutline(cr, edge, edgeWidth);
    cairo_new_path(cr);
}

TextStyle captionStyle(double size, Look look)
{
    const Faces f = facesFor(look);
    TextStyle s;
    s.face = Face::sansBold;
    s.size = size;
    s.fill = f.text;
    s.fillBottom = f.textBottom;
    s.outline = f.textOutline;
    s.outlineWidth = std::max(2.0, size * 0.13);
    s.shadow = look == Look::greyed ? Colour{0, 0, 0, 0} : withAlpha(hex(0x2A1408), 0.55);
    s.shadowDx = 1;
    s.shadowDy = 2;
    return s;
}

TextStyle titleStyle(double size)
{
    TextStyle s;
    s.face = Face::serifBold;
    s.size = size;
    s.fill = hex(0xFFF0B0);
    s.fillBottom = hex(0xF59A22);
    s.outline = hex(0x4A1A06);
    s.outlineWidth = std::max(2.5, size * 0.09);
    s.shadow = withAlpha(hex(0x2A1006), 0.7);
    s.shadowDx = size * 0.04;
    s.shadowDy = size * 0.06;
    return s;
}

void menuCaption(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look)
{
    const double x = r.l + 4, y = r.t + 5, w = r.w() - 8, h = r.h() - 10;
    buttonPanel(cr, x, y, w, h, buttonStyle(look, 14, 2.5, look == Look::greyed ? 0.15 : 0.4), look, 3, 17);
    TextStyle ts = fitWidth(cr, text, captionStyle(22, look), w - 18);
    drawTextCentred(cr, text, x + w / 2, y + h / 2, ts);
    if (look == Look::lit) {
        twinkle(cr, x + 9, y + 8, 5);
        twinkle(cr, x + w - 10, y + h - 8, 4);
    }
}

void panelCaption(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look, double size)
{
    TextStyle ts;
    ts.face = Face::sansBold;
    ts.size = size;
    if (look == Look::lit) {
        cairo_new_path(cr);
        roundedRect(cr, r.l + 1, r.t + 1, r.w() - 2, r.h() - 2, (r.h() - 2) / 2.0);
        fillVertical(cr, r.t, r.b, hex(0xFFF1B8), hex(0xF6B04A));
        glossOver(cr, r.l + 6, r.t - r.h() * 0.3, r.w() - 12, r.h() * 0.75, 0.5);
        strokeOutline(cr, hex(0x8A4A12), 1.5);
        cairo_new_path(cr);
        ts.fill = hex(0x7A1E04);
    } else {
        ts.fill = ink;
    }
    ts = fitWidth(cr, text, ts, r.w() - 11);
    drawTextLeft(cr, text, r.l + 6, r.t + r.h() / 2.0, ts);
}

void panelButton(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look, double size)
{
    buttonPanel(cr, r.l + 2, r.t + 2, r.w() - 4, r.h() - 4, buttonStyle(look, 9, 2, 0.4), look, 2, 11);
    TextStyle ts = fitWidth(cr, text, captionStyle(size, look), r.w() - 16);
    drawTextCentred(cr, text, r.l + r.w() / 2.0, r.t + r.h() / 2.0, ts);
}

void checkBox(cairo_t* cr, layout::Point at)
{
    const double x = at.x + 0.5, y = at.y + 7.5, s = 17;
    cairo_new_path(cr);
    roundedRect(cr, x, y, s, s, 3.5);
    fillVertical(cr, y, y + s, hex(0xD9C29A), hex(0xFFF6E2));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgba(cr, 0.25, 0.12, 0.04, 0.35);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    strokeOutline(cr, walnut, 1.4);
    cairo_new_path(cr);
}

void checkMark(cairo_t* cr)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, 3.2, 14.5);
    cairo_line_to(cr, 7.8, 21.0);
    cairo_curve_to(cr, 10, 13, 12.5, 8, 16.2, 3.4);
    cairo_pattern_t* green = linearGradient(0, 3, 0, 21, {{0, hex(0x9CEB5E)}, {1, hex(0x2E9A1E)}});
    strokeEdged(cr, hex(0x14320A), 6.2, green, 3.4);
    cairo_pattern_destroy(green);
}

void sliderKnob(cairo_t* cr)
{
    PanelStyle ps;
    ps.face = hex(0xFFE6A0);
    ps.faceBottom = hex(0xD08A2A);
    ps.outline = walnut;
    ps.radius = 6;
    ps.outlineWidth = 1.6;
    ps.bevel = 1.5;
    ps.gloss = 0.5;
    panel(cr, 0, 0, 28, 21, ps);
    cairo_set_line_width(cr, 1.2);
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 14.5 + i * 4, 6);
        cairo_line_to(cr, 14.5 + i * 4, 15);
        cairo_set_source_rgba(cr, 0.35, 0.17, 0.05, 0.8);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 15.5 + i * 4, 6);
        cairo_line_to(cr, 15.5 + i * 4, 15);
        cairo_set_source_rgba(cr, 1, 1, 0.9, 0.7);
        cairo_stroke(cr);
    }
}

void sliderTrack(cairo_t* cr, int y, const std::string& label)
{
    const double x0 = layout::knobMinX + 4, x1 = layout::knobMaxX + 28 - 4, cy = y + 10.5;
    TextStyle ts;
    ts.face = Face::sansBold;
    ts.size = 16;
    ts.fill = ink;
    drawTextAt(cr, label, x0 - 4, y - 8, ts);
    // Volume wedge above the groove, growing to the right.
    cairo_new_path(cr);
    cairo_move_to(cr, x0, cy - 6);
    cairo_line_to(cr, x1, cy - 15);
    cairo_line_to(cr, x1, cy - 6);
    cairo_close_path(cr);
    fillLinear(cr, x0, 0, x1, 0, {{0, withAlpha(hex(0xE8B060), 0.4)}, {1, withAlpha(hex(0xD9412B), 0.75)}});
    // The groove.
    cairo_new_path(cr);
    roundedRect(cr, x0, cy - 4, x1 - x0, 8, 4);
    fillVertical(cr, cy - 4, cy + 4, hex(0x5A3520), hex(0x9A6A40));
    strokeOutline(cr, walnut, 1.2);
    cairo_new_path(cr);
    for (int i = 0; i <= layout::sliderTicks; ++i) {
        const double x = x0 + 10 + (x1 - x0 - 20) * i / double(layout::sliderTicks);
        cairo_new_path(cr);
        cairo_move_to(cr, x, cy + 7);
        cairo_line_to(cr, x, cy + (i % 4 == 0 ? 12 : 10));
        cairo_set_source_rgba(cr, 0.29, 0.16, 0.08, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

void gameMenuButton(cairo_t* cr, double x, double y, Look look)
{
    const double cx = x + 42.5, cy = y + 39.5;
    const bool lit = look == Look::lit;
    if (lit) {
        cairo_new_path(cr);
        ellipsePath(cr, cx, cy, 42.5, 39.5);
        setColour(cr, hex(0xFFE390));
        cairo_fill(cr);
    }
    // A porcelain plate: rim, well, and a painted band.
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, 40, 37);
    shadowPath(cr, 1.5, 2.5, lit ? 0.0 : 0.4, 2);
    fillRadial(cr, cx, cy, 40, lit ? hex(0xFFFFFF) : hex(0xFFFDF6), lit ? hex(0xFFE9B0) : hex(0xE6D8C0), -12,
               -12);
    strokeOutline(cr, walnut, 2);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, 34, 31.5);
    cairo_set_line_width(cr, 3);
    setColour(cr, lit ? hex(0xF2A224) : hex(0xC8502E));
    cairo_stroke(cr);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, 28, 26);
    fillRadial(cr, cx, cy, 28, lit ? hex(0xFFF8E0) : hex(0xF4EBDA), lit ? hex(0xFFE3A0) : hex(0xDCCBB0), 8,
               8);
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
    // Fork and knife crossing behind the word.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 0.55, 0.45, 0.35, lit ? 0.55 : 0.4);
    cairo_set_line_width(cr, 2.2);
    cairo_move_to(cr, cx - 14, cy - 15);
    cairo_line_to(cr, cx + 14, cy + 15);
    cairo_move_to(cr, cx + 14, cy - 15);
    cairo_line_to(cr, cx - 14, cy + 15);
    cairo_stroke(cr);
    TextStyle ts = captionStyle(17, lit ? Look::lit : Look::unlit);
    if (!lit) {
        ts.fill = hex(0xFFF7E4);
        ts.fillBottom = hex(0xF2C890);
    }
    drawTextCentred(cr, "Menu", cx, cy, ts);
    cairo_new_path(cr);
    ellipsePath(cr, cx - 12, cy - 22, 14, 6);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_fill(cr);
}

Colour levelPlaqueFace(double row)
{
    return mix(hex(0x74482A), hex(0x3A2214), std::clamp(row / 31.0, 0.0, 1.0));
}

void levelPlaque(cairo_t* cr)
{
    const double w = 97, h = 31;
    // Face: a pure vertical gradient (the level digits are painted on the same gradient).
    cairo_new_path(cr);
    cairo_move_to(cr, 1, h);
    cairo_line_to(cr, 1, 10);
    cairo_arc(cr, 10, 10, 9, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, w - 10, 1);
    cairo_arc(cr, w - 10, 10, 9, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, w - 1, h);
    cairo_close_path(cr);
    fillVertical(cr, 0, h, levelPlaqueFace(0), levelPlaqueFace(31));
    strokeOutline(cr, hex(0x1E1008), 2);
    cairo_new_path(cr);
    // Brass rule along the top.
    cairo_move_to(cr, 8, 3);
    cairo_line_to(cr, w - 8, 3);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle ts;
    ts.face = Face::sansBold;
    ts.size = 12.5;
    ts.fill = hex(0xFFE08A);
    ts.fillBottom = hex(0xF0A53A);
    ts.outline = hex(0x1E1008);
    ts.outlineWidth = 2;
    drawTextCentred(cr, "LEVEL", 31, 17.5, ts);
}

void barTube(cairo_t* cr, bool full)
{
    const double w = layout::barW, h = layout::barH;
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    if (full) {
        fillVertical(cr, 0, h, hex(0xFFC85A), hex(0xE04A1A));
    } else {
        fillVertical(cr, 0, h, hex(0xF2EEE6), hex(0xD6CEC2));
    }
    cairo_new_path(cr);
    if (full) {
        // Bubbles in the soup.
        const double b[][3] = {{6, 10, 1.6},  {13, 22, 1.2}, {8, 35, 1.8},
                               {14, 48, 1.3}, {5, 58, 1.1},  {11, 66, 1.5}};
        for (auto& c : b) {
            cairo_new_path(cr);
            cairo_arc(cr, c[0], c[1], c[2], 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 1, 0.95, 0.7, 0.75);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        }
    } else {
        // Measuring marks on the glass.
        for (int i = 1; i < 8; ++i) {
            cairo_new_path(cr);
            const double y = h * i / 8.0;
            cairo_move_to(cr, 12, y);
            cairo_line_to(cr, i % 2 ? 17 : 19, y);
            cairo_set_source_rgba(cr, 0.45, 0.35, 0.28, 0.7);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    // Cylinder shading shared by both states: dark sides, a bright streak.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 0.2, 0.1, 0.05, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0.22, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.3, 1, 1, 1, 0.65);
    cairo_pattern_add_color_stop_rgba(p, 0.4, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.75, 0.2, 0.1, 0.05, 0.05);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0.2, 0.1, 0.05, 0.5);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void scoreArrow(cairo_t* cr, bool left, int frame, Look look)
{
    const Faces f = facesFor(look);
    // The arrow lives in the part of the cell that the button's hit rectangle covers.
    const double cx = left ? 75 : 30.5, cy = left ? 29 : 28.5;
    static const double pulse[5] = {0, 1, 2, 1, 0};
    const double k = 1.0 + 0.045 * pulse[frame % 5];
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, left ? -k : k, k);
    auto shape = [&](double grow) {
        cairo_new_path(cr);
        cairo_move_to(cr, -25 - grow, -8 - grow);
        cairo_line_to(cr, 2, -8 - grow);
        cairo_line_to(cr, 2, -19 - grow * 1.6);
        cairo_line_to(cr, 26 + grow * 1.8, 0);
        cairo_line_to(cr, 2, 19 + grow * 1.6);
        cairo_line_to(cr, 2, 8 + grow);
        cairo_line_to(cr, -25 - grow, 8 + grow);
        cairo_close_path(cr);
    };
    if (look == Look::lit) {
        shape(2.2);
        setColour(cr, hex(0xFFE7A0));
        cairo_set_line_width(cr, 3);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    shape(0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillVertical(cr, -19, 19, f.top, f.bottom);
    glossOver(cr, -24, -22, 50, 22, 0.45);
    strokeOutline(cr, f.outline, 2.2);
    cairo_new_path(cr);
    cairo_restore(cr);
    if (look == Look::lit && (frame % 5) == 2) {
        twinkle(cr, left ? 58 : 48, 14, 4.5);
    }
}

void endButton(cairo_t* cr, Look look)
{
    const layout::Rect r{0, 0, 287, 63};
    buttonPanel(cr, 7, 7, r.w() - 14, r.h() - 14, buttonStyle(look, 17, 2.5, 0.45), look, 5, 20);
    drawTextCentred(cr, "Continue", r.w() / 2.0, r.h() / 2.0, captionStyle(24, look));
    if (look == Look::lit) {
        twinkle(cr, 20, 16, 6);
        twinkle(cr, r.w() - 22, r.h() - 16, 5);
    }
}

void tableLabel(cairo_t* cr, int kinds, bool timed)
{
    const Colour top = timed ? hex(0xF0826A) : hex(0x9CCB6A);
    const Colour bottom = timed ? hex(0xB8321E) : hex(0x4F8A2E);
    panel(cr, 1, 2, 82, 30, panelStyle(top, bottom, walnut, 10, 2, 0.4));
    TextStyle ts = captionStyle(15, Look::unlit);
    ts.fill = hex(0xFFFFFF);
    ts.fillBottom = hex(0xFFF0D0);
    drawTextCentred(cr, std::to_string(kinds) + " kinds", 42, 17, ts);
}

void titlePlaque(cairo_t* cr, double cx, const std::string& title)
{
    TextStyle ts = titleStyle(19);
    const Ink ink = measureText(cr, title, ts);
    const double w = ink.w + 40;
    panel(cr, std::round(cx - w / 2), 2, std::round(w), 27, signStyle(12, 2.2, 0.2));
    drawTextCentred(cr, title, cx, 15.5, ts);
}

void parchmentPanel(cairo_t* cr, double w, double h, const std::string& title)
{
    // Wooden frame.
    cairo_new_path(cr);
    roundedRect(cr, 1, 1, w - 2, h - 2, 20);
    fillVertical(cr, 0, h, hex(0xD69A58), hex(0x9A5E2C));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 40; ++i) {
        const double y = 4 + i * (h - 8) / 40.0;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, w * 0.3, y + std::sin(i * 1.7) * 3, w * 0.7, y - std::cos(i * 1.3) * 3, w, y + 1);
        cairo_set_source_rgba(cr, 0.35, 0.18, 0.06, 0.08 + 0.05 * ((i * 7) % 3));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    roundedRect(cr, 1, 1, w - 2, h - 2, 20);
    strokeOutline(cr, walnut, 2.2);
    cairo_new_path(cr);
    roundedRect(cr, 4, 4, w - 8, h - 8, 17);
    cairo_set_source_rgba(cr, 1, 0.92, 0.75, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Paper.
    cairo_new_path(cr);
    roundedRect(cr, 12, 12, w - 24, h - 24, 11);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(w * 0.45, h * 0.35, 10, w / 2, h / 2, std::max(w, h) * 0.75);
    addStop(p, 0, hex(0xFFF8E6));
    addStop(p, 0.7, paper);
    addStop(p, 1, paperDark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    strokeOutline(cr, hex(0x6A4020), 1.5);
    cairo_new_path(cr);
    if (!title.empty())
        titlePlaque(cr, w / 2, title);
}

void titleButton(cairo_t* cr, int frame, Look look)
{
    const double w = layout::titleButtonW, h = layout::titleButtonH;
    const bool lit = look == Look::lit;
    const PanelStyle ps = panelStyle(lit ? hex(0xFFE27A) : hex(0xF2804A), lit ? hex(0xF29A22) : hex(0xB8321E),
                                     hex(0x3A0E04), 26, 3, 0.45);
    buttonPanel(cr, 14, 6, w - 28, h - 12, ps, look, 4, 29);
    TextStyle ts = captionStyle(30, look);
    if (frame == 1)
        ts.fillBottom = hex(0xFFE9A8);
    drawTextCentred(cr, "Play!", w / 2, h / 2, ts);
    // Twinkles that trade places between the two frames.
    const double spots[2][2][2] = {{{44, 20}, {w - 50, h - 20}}, {{w - 44, 19}, {52, h - 19}}};
    for (auto& s : spots[frame & 1])
        sparkle(cr, s[0], s[1], 7, 2, 0, hex(0xFFFDF0), hex(0x8A4A06), 1);
}
