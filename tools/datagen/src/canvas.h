// Drawing helpers over cairo: colours, canvases, shapes, glossy fills, wood and tile
// textures, and DejaVu text with outlines and shadows.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include <cairo.h>

#include "layout.h"
#include "raster.h"

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};

Colour hex(uint32_t rgb, double a = 1.0);
Colour mix(Colour a, Colour b, double t);
Colour lighter(Colour c, double t);  // towards white
Colour darker(Colour c, double t);   // towards black
Colour withAlpha(Colour c, double a);

void setColour(cairo_t* cr, Colour c);
void addStop(cairo_pattern_t* p, double at, Colour c);

// A colour stop of a gradient, at 0..1 along it.
struct Stop {
    double at;
    Colour colour;
};
// A linear gradient from (x0, y0) to (x1, y1); the caller destroys it.
cairo_pattern_t* linearGradient(double x0, double y0, double x1, double y1,
                                std::initializer_list<Stop> stops);

// A transparent ARGB canvas that owns its surface and context.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const
    {
        return context;
    }
    cairo_surface_t* surface() const
    {
        return cairoSurface;
    }
    int width() const
    {
        return pixelWidth;
    }
    int height() const
    {
        return pixelHeight;
    }

    Raster finish(const Flatten& how) const
    {
        return flatten(cairoSurface, how);
    }
    // Draws another canvas (or part of it) at a position.
    void paste(const Canvas& src, double x, double y) const;
    void pasteRect(const Canvas& src, const layout::Rect& from, double x, double y) const;
    // Makes a rectangle fully transparent.
    void clear(const layout::Rect& r) const;
    // Sets every pixel of a rectangle from a function (used for textures).
    void pixels(const layout::Rect& r, const std::function<Colour(int, int)>& fn) const;

private:
    int pixelWidth, pixelHeight;
    cairo_surface_t* cairoSurface;
    cairo_t* context;
};

// Saves the context, clips to a rectangle and moves the origin there; restores on exit.
class Cell {
public:
    Cell(cairo_t* cr, const layout::Rect& r, bool clip = true);
    ~Cell();
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

private:
    cairo_t* context;
};

// ---------------------------------------------------------------- shapes
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void starPath(cairo_t* cr, double cx, double cy, double rOut, double rIn, int points, double turn);

// Fills the current path with a vertical gradient and strokes it with an outline.
void fillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom);
void fillRadial(cairo_t* cr, double cx, double cy, double r, Colour inner, Colour outer, double fx = 0,
                double fy = 0);
void strokeOutline(cairo_t* cr, Colour c, double width);
// Fills the current path with a linear gradient (the path is kept); a horizontal one gives
// rounded things (pots, cups, stalks) their light and shade.
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
// Strokes the current path twice, wide in the edge colour and then narrower in the core, so
// a line (a handle, a wire, a frame) gets a dark rim; the path is used up.
void strokeEdged(cairo_t* cr, Colour edge, double edgeWidth, Colour core, double coreWidth);
void strokeEdged(cairo_t* cr, Colour edge, double edgeWidth, cairo_pattern_t* core, double coreWidth);
// A soft white gloss highlight clipped to the current path (the path is kept).
void glossOver(cairo_t* cr, double x, double y, double w, double h, double strength);
// A drop shadow of the current path (the path is kept).
void shadowPath(cairo_t* cr, double dx, double dy, double alpha, int blurSteps = 3);

// A raised, bevelled, rounded panel (buttons, plaques, frames).
struct PanelStyle {
    Colour face{0.9, 0.8, 0.6, 1};
    Colour faceBottom{0.8, 0.65, 0.45, 1};
    Colour outline{0.25, 0.14, 0.08, 1};
    double radius = 8;
    double outlineWidth = 2;
    double bevel = 2;
    double gloss = 0.35;
};
// A panel style from its colours, corner radius, outline width and gloss, with the usual
// bevel.
PanelStyle panelStyle(Colour face, Colour faceBottom, Colour outline, double radius, double outlineWidth,
                      double gloss);
void panel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& s);

// ---------------------------------------------------------------- textures
double noise2(double x, double y, uint32_t seed);            // smooth value noise, 0..1
double fbm(double x, double y, uint32_t seed, int octaves);  // layered noise, 0..1
// Warm wooden planks (vertical grain when vertical is true).
Colour woodAt(int x, int y, uint32_t seed, Colour base, bool vertical, int plank);
void woodRect(const Canvas& c, const layout::Rect& r, uint32_t seed, Colour base, bool vertical, int plank);
// Glazed kitchen tiles with grout lines.
void tileRect(const Canvas& c, const layout::Rect& r, int tile, Colour a, Colour b, Colour grout,
              uint32_t seed);

// ---------------------------------------------------------------- text
enum class Face { sans, sansBold, serifBold };

void setFace(cairo_t* cr, Face f, double size);

struct TextStyle {
    Face face = Face::sansBold;
    double size = 20;
    Colour fill{1, 1, 1, 1};
    Colour fillBottom{0, 0, 0, -1};  // bottom of a vertical gradient; alpha < 0: same as fill
    Colour outline{0, 0, 0, 0};      // no outline when fully transparent
    double outlineWidth = 0;
    Colour shadow{0, 0, 0, 0};
    double shadowDx = 0, shadowDy = 0;
    double stretchX = 1.0;  // horizontal scale of the letters
};

struct Ink {
    double x, y, w, h;  // ink box relative to the pen position
    double advance;
};
Ink measureText(cairo_t* cr, const std::string& text, const TextStyle& s);
// Draws text with its pen at (x, baseline).
void drawTextAt(cairo_t* cr, const std::string& text, double x, double baseline, const TextStyle& s);
// Centres the text horizontally on cx and its capital letters vertically on cy.
void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& s);
// The same with the text's ink starting at x.
void drawTextLeft(cairo_t* cr, const std::string& text, double x, double cy, const TextStyle& s);
// Shrinks the style's size until the text's ink fits the width.
TextStyle fitWidth(cairo_t* cr, const std::string& text, TextStyle s, double maxWidth);
