// Drawing helpers over cairo: canvases, shapes, fills, textures and DejaVu text.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

// ---------------------------------------------------------------- colours

Colour hex(uint32_t rgb, double a)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, a};
}
Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
Colour lighter(Colour c, double t)
{
    return mix(c, {1, 1, 1, c.a}, t);
}
Colour darker(Colour c, double t)
{
    return mix(c, {0, 0, 0, c.a}, t);
}
Colour withAlpha(Colour c, double a)
{
    return {c.r, c.g, c.b, a};
}

void setColour(cairo_t* cr, Colour c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}
void addStop(cairo_pattern_t* p, double at, Colour c)
{
    cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, c.a);
}

cairo_pattern_t* linearGradient(double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    for (const Stop& s : stops)
        addStop(p, s.at, s.colour);
    return p;
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int w, int h)
    : pixelWidth(w), pixelHeight(h), cairoSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
      context(cairo_create(cairoSurface))
{
    cairo_set_antialias(context, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas()
{
    cairo_destroy(context);
    cairo_surface_destroy(cairoSurface);
}

void Canvas::paste(const Canvas& src, double x, double y) const
{
    cairo_save(context);
    cairo_set_source_surface(context, src.surface(), x, y);
    cairo_paint(context);
    cairo_restore(context);
}

void Canvas::pasteRect(const Canvas& src, const layout::Rect& from, double x, double y) const
{
    cairo_save(context);
    cairo_rectangle(context, x, y, from.w(), from.h());
    cairo_clip(context);
    cairo_set_source_surface(context, src.surface(), x - from.l, y - from.t);
    cairo_paint(context);
    cairo_restore(context);
}

void Canvas::clear(const layout::Rect& r) const
{
    cairo_save(context);
    cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(context, r.l, r.t, r.w(), r.h());
    cairo_fill(context);
    cairo_restore(context);
}

void Canvas::pixels(const layout::Rect& r, const std::function<Colour(int, int)>& fn) const
{
    cairo_surface_flush(cairoSurface);
    unsigned char* data = cairo_image_surface_get_data(cairoSurface);
    const int stride = cairo_image_surface_get_stride(cairoSurface);
    for (int y = std::max(0, r.t); y < std::min(pixelHeight, r.b); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = std::max(0, r.l); x < std::min(pixelWidth, r.r); ++x) {
            const Colour c = fn(x, y);
            const double a = std::clamp(c.a, 0.0, 1.0);
            auto ch = [&](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * a * 255.0)); };
            row[x] = (uint32_t(std::lround(a * 255.0)) << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
        }
    }
    cairo_surface_mark_dirty(cairoSurface);
}

Cell::Cell(cairo_t* cr, const layout::Rect& r, bool clip) : context(cr)
{
    cairo_save(context);
    if (clip) {
        cairo_rectangle(context, r.l, r.t, r.w(), r.h());
        cairo_clip(context);
    }
    cairo_translate(context, r.l, r.t);
}
Cell::~Cell()
{
    cairo_restore(context);
}

// ---------------------------------------------------------------- shapes

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double rOut, double rIn, int points, double turn)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn + M_PI * i / points - M_PI / 2;
        const double r = (i % 2) ? rIn : rOut;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void fillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom)
{
    fillLinear(cr, 0, y0, 0, y1, {{0, top}, {1, bottom}});
}

void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops)
{
    cairo_pattern_t* p = linearGradient(x0, y0, x1, y1, stops);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void fillRadial(cairo_t* cr, double cx, double cy, double r, Colour inner, Colour outer, double fx, double fy)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx + fx, cy + fy, 0, cx, cy, r);
    addStop(p, 0, inner);
    addStop(p, 1, outer);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void strokeOutline(cairo_t* cr, Colour c, double width)
{
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
}

void strokeEdged(cairo_t* cr, Colour edge, double edgeWidth, Colour core, double coreWidth)
{
    cairo_pattern_t* p = cairo_pattern_create_rgba(core.r, core.g, core.b, core.a);
    strokeEdged(cr, edge, edgeWidth, p, coreWidth);
    cairo_pattern_destroy(p);
}

void strokeEdged(cairo_t* cr, Colour edge, double edgeWidth, cairo_pattern_t* core, double coreWidth)
{
    setColour(cr, edge);
    cairo_set_line_width(cr, edgeWidth);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, core);
    cairo_set_line_width(cr, coreWidth);
    cairo_stroke(cr);
}

void glossOver(cairo_t* cr, double x, double y, double w, double h, double strength)
{
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
    cairo_new_path(cr);
    ellipsePath(cr, x + w / 2, y + h / 2, w / 2, h / 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void shadowPath(cairo_t* cr, double dx, double dy, double alpha, int blurSteps)
{
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_save(cr);
    for (int i = blurSteps; i >= 1; --i) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, dx, dy);
        cairo_append_path(cr, path);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.1, 0.05, 0.02, alpha / blurSteps);
        cairo_set_line_width(cr, i * 2.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

PanelStyle panelStyle(Colour face, Colour faceBottom, Colour outline, double radius, double outlineWidth,
                      double gloss)
{
    PanelStyle s;
    s.face = face;
    s.faceBottom = faceBottom;
    s.outline = outline;
    s.radius = radius;
    s.outlineWidth = outlineWidth;
    s.gloss = gloss;
    return s;
}

void panel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& s)
{
    const double o = s.outlineWidth / 2;
    cairo_new_path(cr);
    roundedRect(cr, x + o, y + o, w - 2 * o, h - 2 * o, s.radius);
    fillVertical(cr, y, y + h, s.face, s.faceBottom);
    if (s.gloss > 0)
        glossOver(cr, x + w * 0.08, y - h * 0.45, w * 0.84, h * 0.95, s.gloss);
    if (s.bevel > 0) {
        // Light upper-left edge and dark lower-right edge just inside the outline.
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x, y + h);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.55);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 0, 0, 0, 0.0);
        cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.35);
        cairo_set_source(cr, p);
        cairo_set_line_width(cr, s.bevel * 2 + s.outlineWidth);
        cairo_stroke_preserve(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    if (s.outlineWidth > 0)
        strokeOutline(cr, s.outline, s.outlineWidth);
    cairo_new_path(cr);
}

// ---------------------------------------------------------------- textures

namespace {
uint32_t hash3(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}
double smooth(double t)
{
    return t * t * (3 - 2 * t);
}
}  // namespace

double noise2(double x, double y, uint32_t seed)
{
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const double fx = smooth(x - xi), fy = smooth(y - yi);
    auto v = [&](int a, int b) { return (hash3(a, b, seed) & 0xFFFF) / 65535.0; };
    const double top = v(xi, yi) + (v(xi + 1, yi) - v(xi, yi)) * fx;
    const double bot = v(xi, yi + 1) + (v(xi + 1, yi + 1) - v(xi, yi + 1)) * fx;
    return top + (bot - top) * fy;
}

double fbm(double x, double y, uint32_t seed, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0, f = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise2(x * f, y * f, seed + uint32_t(i) * 101u);
        norm += amp;
        amp *= 0.5;
        f *= 2;
    }
    return sum / norm;
}

Colour woodAt(int x, int y, uint32_t seed, Colour base, bool vertical, int plank)
{
    const int along = vertical ? y : x;
    const int across = vertical ? x : y;
    const int index = across / plank;
    const int inPlank = across % plank;
    const uint32_t s = seed + uint32_t(index) * 7919u;
    // Grain: stretched noise bent by a slow wobble.
    const double warp = fbm(along * 0.01, index * 3.1, s, 3) * 6.0;
    const double grain = fbm(along * 0.012, (across + warp) * 0.35, s + 17, 4);
    const double rings = 0.5 + 0.5 * std::sin((across + warp * 3 + grain * 8) * 0.9);
    double shade = 0.86 + 0.16 * grain + 0.06 * rings + 0.06 * (noise2(index * 1.7, 0.5, s) - 0.5);
    if (inPlank == 0)
        shade *= 0.55;  // gap between planks
    if (inPlank == 1)
        shade *= 1.10;  // catching light
    if (inPlank == plank - 1)
        shade *= 0.80;
    shade *= 0.97 + 0.03 * noise2(x * 0.9, y * 0.9, seed + 5);  // fine speckle
    return {base.r * shade, base.g * shade, base.b * shade, 1};
}

void woodRect(const Canvas& c, const layout::Rect& r, uint32_t seed, Colour base, bool vertical, int plank)
{
    c.pixels(r, [&](int x, int y) { return woodAt(x, y, seed, base, vertical, plank); });
}

void tileRect(const Canvas& c, const layout::Rect& r, int tile, Colour a, Colour b, Colour grout,
              uint32_t seed)
{
    c.pixels(r, [&](int x, int y) {
        const int tx = (x - r.l) / tile, ty = (y - r.t) / tile;
        const int ix = (x - r.l) % tile, iy = (y - r.t) % tile;
        if (ix == 0 || iy == 0)
            return grout;
        Colour base = ((tx + ty) % 2) ? b : a;
        // Glaze: soft diagonal sheen, slight cloudiness, darker rim.
        const double u = double(ix) / tile, v = double(iy) / tile;
        const double sheen = 0.06 * std::exp(-std::pow((u + v - 0.6) * 3.0, 2));
        const double cloud = 0.05 * (fbm(x * 0.05, y * 0.05, seed + uint32_t(tx * 31 + ty), 3) - 0.5);
        double rim = 0;
        if (ix == 1 || iy == 1)
            rim = 0.08;
        if (ix == tile - 1 || iy == tile - 1)
            rim = -0.10;
        Colour out = lighter(base, std::max(0.0, sheen + cloud + rim));
        if (cloud + rim < 0)
            out = darker(base, -(cloud + rim));
        return out;
    });
}

// ---------------------------------------------------------------- text

namespace {

struct Fonts {
    FT_Library lib = nullptr;
    std::map<Face, cairo_font_face_t*> faces;
    ~Fonts()
    {
        for (auto& f : faces)
            cairo_font_face_destroy(f.second);
    }
};

Fonts& fonts()
{
    static Fonts f;
    return f;
}

const char* fileOf(Face f)
{
    switch (f) {
    case Face::sans:
        return "DejaVuSans.ttf";
    case Face::sansBold:
        return "DejaVuSans-Bold.ttf";
    case Face::serifBold:
        return "DejaVuSerif-Bold.ttf";
    }
    return "DejaVuSans.ttf";
}

cairo_font_face_t* faceFor(Face f)
{
    Fonts& fs = fonts();
    auto it = fs.faces.find(f);
    if (it != fs.faces.end())
        return it->second;
    if (!fs.lib && FT_Init_FreeType(&fs.lib) != 0)
        throw std::runtime_error("cannot start FreeType");
    static const char* const dirs[] = {"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/",
                                       "/usr/share/fonts/TTF/", "/usr/local/share/fonts/"};
    FT_Face face = nullptr;
    for (const char* d : dirs) {
        const std::string path = std::string(d) + fileOf(f);
        if (FT_New_Face(fs.lib, path.c_str(), 0, &face) == 0)
            break;
        face = nullptr;
    }
    if (!face)
        throw std::runtime_error(std::string("font not found: ") + fileOf(f) +
                                 " (install fonts-dejavu-core)");
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
    fs.faces[f] = cf;
    return cf;
}

}  // namespace

void setFace(cairo_t* cr, Face f, double size)
{
    cairo_set_font_face(cr, faceFor(f));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

Ink measureText(cairo_t* cr, const std::string& text, const TextStyle& s)
{
    cairo_save(cr);
    setFace(cr, s.face, s.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_restore(cr);
    const double k = s.stretchX;
    const double pad = s.outlineWidth / 2;
    return {e.x_bearing * k - pad, e.y_bearing - pad, e.width * k + 2 * pad, e.height + 2 * pad,
            e.x_advance * k};
}

void drawTextAt(cairo_t* cr, const std::string& text, double x, double baseline, const TextStyle& s)
{
    cairo_save(cr);
    setFace(cr, s.face, s.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    auto path = [&](double dx, double dy) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x + dx, baseline + dy);
        cairo_scale(cr, s.stretchX, 1.0);
        cairo_move_to(cr, 0, 0);
        cairo_text_path(cr, text.c_str());
        cairo_restore(cr);
    };
    if (s.shadow.a > 0) {
        path(s.shadowDx, s.shadowDy);
        setColour(cr, s.shadow);
        if (s.outlineWidth > 0) {
            cairo_set_line_width(cr, s.outlineWidth);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    path(0, 0);
    if (s.outline.a > 0 && s.outlineWidth > 0) {
        setColour(cr, s.outline);
        cairo_set_line_width(cr, s.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    const double top = baseline + e.y_bearing, bottom = top + e.height;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(p, 0, s.fill);
    addStop(p, 1, s.fillBottom.a < 0 ? s.fill : s.fillBottom);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

namespace {
// Baseline that centres capital letters on cy, whatever descenders the text has.
double capBaseline(cairo_t* cr, double cy, const TextStyle& s)
{
    TextStyle plain = s;
    plain.outlineWidth = 0;
    const Ink cap = measureText(cr, "H", plain);
    return std::round(cy + cap.h / 2);
}
}  // namespace

void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& s)
{
    const Ink ink = measureText(cr, text, s);
    drawTextAt(cr, text, std::round(cx - ink.w / 2 - ink.x), capBaseline(cr, cy, s), s);
}

void drawTextLeft(cairo_t* cr, const std::string& text, double x, double cy, const TextStyle& s)
{
    const Ink ink = measureText(cr, text, s);
    drawTextAt(cr, text, std::round(x - ink.x), capBaseline(cr, cy, s), s);
}

TextStyle fitWidth(cairo_t* cr, const std::string& text, TextStyle s, double maxWidth)
{
    while (s.size > 6 && measureText(cr, text, s).w > maxWidth)
        s.size -= 0.5;
    return s;
}
