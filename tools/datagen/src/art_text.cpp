// Lettering pictures: the bitmap font with the title button, the two digit strips, and
// the sheet of phase banners with the end-of-game picture.
#include <algorithm>
#include <cmath>
#include <string>

#include "canvas.h"
#include "layout.h"
#include "pictures.h"
#include "pieces.h"
#include "props.h"
#include "widgets.h"

using namespace layout;

namespace {

const Colour textInk = hex(0x3A1E0E);

// The glyph strip: each character centred in its fixed-width cell, hinted for crispness.
Raster glyphStrip()
{
    Canvas strip(glyphStripW, glyphRows);
    cairo_t* cr = strip.cr();
    setFace(cr, Face::sansBold, 15);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
    const double baseline = 13;
    for (int code = 33; code <= 126; ++code) {
        const int w = glyphWidths[code - 32];
        if (w == 0)
            continue;
        const int x0 = glyphOffset(code);
        const char text[2] = {char(code), 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, text, &e);
        const double room = w >= 5 ? w - 1 : w;
        const double k = e.width > room ? room / e.width : 1.0;
        Cell cell(cr, Rect{x0, 0, x0 + w, glyphRows});
        cairo_translate(cr, std::round((w - e.width * k) / 2 - e.x_bearing * k), baseline);
        cairo_scale(cr, k, 1);
        cairo_move_to(cr, 0, 0);
        setColour(cr, textInk);
        cairo_show_text(cr, text);
    }
    // Text is always drawn on the paper of the score tables and the name panel.
    Flatten how;
    how.keyed = true;
    how.alphaCut = 0.34;
    how.useMatte = true;
    how.matte = {0xFB, 0xEB, 0xC9};
    return strip.finish(how);
}

TextStyle digitStyle(double size, double stretch, Colour top, Colour bottom)
{
    TextStyle s;
    s.face = Face::sansBold;
    s.size = size;
    s.stretchX = stretch;
    s.fill = top;
    s.fillBottom = bottom;
    s.outline = hex(0x1E1008);
    s.outlineWidth = 2.2;
    return s;
}

}  // namespace

Raster renderFont()
{
    Canvas sheet(fontW, fontH);
    for (int slot = 0; slot < 3; ++slot) {
        Cell cell(sheet.cr(), Rect{slot * titleButtonW, titleFramesY, (slot + 1) * titleButtonW,
                                   titleFramesY + titleButtonH});
        titleButton(sheet.cr(), slot == 1 ? 1 : 0, Look::unlit);
    }
    {
        Cell cell(sheet.cr(), titleLit);
        titleButton(sheet.cr(), 0, Look::lit);
    }
    Raster out = sheet.finish({true});
    const Raster strip = glyphStrip();
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x) {
            const size_t s = size_t(y) * strip.width + x, d = size_t(y) * out.width + x;
            std::copy_n(&strip.rgb[s * 3], 3, &out.rgb[d * 3]);
            out.mask[d] = strip.mask[s];
        }
    return out;
}

Raster renderSmallDigits()
{
    Canvas strip(10 * smallDigitW, smallDigitsH);
    const TextStyle ts = digitStyle(20, 0.56, hex(0xFFFFFF), hex(0xFFCF6A));
    for (int d = 0; d < 10; ++d) {
        Cell cell(strip.cr(), Rect{d * smallDigitW, 0, (d + 1) * smallDigitW, smallDigitsH});
        drawTextCentred(strip.cr(), std::to_string(d), smallDigitW / 2.0, smallDigitsH / 2.0, ts);
    }
    return strip.finish({true});
}

Raster renderLargeDigits()
{
    Canvas strip(10 * largeDigitW, largeDigitsH);
    cairo_t* cr = strip.cr();
    // The digits sit on the level plaque, so their cells carry its gradient.
    const int plaqueRow = levelDigitsY - levelCaptionAt.y;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -plaqueRow, 0, 31 - plaqueRow);
    addStop(p, 0, levelPlaqueFace(0));
    addStop(p, 1, levelPlaqueFace(31));
    cairo_rectangle(cr, 0, 0, strip.width(), strip.height());
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    const TextStyle ts = digitStyle(22, 0.7, hex(0xFFF2B0), hex(0xF5A030));
    const double centreY = (levelCaptionAt.y + 17.5) - levelDigitsY;
    for (int d = 0; d < 10; ++d) {
        Cell cell(cr, Rect{d * largeDigitW, 0, (d + 1) * largeDigitW, largeDigitsH});
        drawTextCentred(cr, std::to_string(d), largeDigitW / 2.0, centreY, ts);
    }
    return strip.finish({});
}

namespace {

void banner(cairo_t* cr, const std::string& title, const std::string& sub, Colour top, Colour bottom)
{
    const double w = bannerW, h = bannerH;
    // Ribbon tails behind the plaque.
    for (int side = 0; side < 2; ++side) {
        cairo_save(cr);
        if (side) {
            cairo_translate(cr, w, 0);
            cairo_scale(cr, -1, 1);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, 2, 18);
        cairo_line_to(cr, 34, 18);
        cairo_line_to(cr, 34, 54);
        cairo_line_to(cr, 2, 54);
        cairo_line_to(cr, 12, 36);
        cairo_close_path(cr);
        fillVertical(cr, 18, 54, darker(top, 0.2), darker(bottom, 0.35));
        strokeOutline(cr, hex(0x2A0E04), 2);
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    panel(cr, 22, 3, w - 44, h - 8, panelStyle(top, bottom, hex(0x2A0E04), 14, 2.5, 0.4));
    cairo_new_path(cr);
    roundedRect(cr, 27, 8, w - 54, h - 18, 10);
    cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.55);
    cairo_set_line_width(cr, 1.2);
    const double dash[2] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    TextStyle big = fitWidth(cr, title, captionStyle(25, Look::unlit), w - 70);
    big.fill = hex(0xFFFFFF);
    big.fillBottom = hex(0xFFF0C8);
    drawTextCentred(cr, title, w / 2, 23, big);
    TextStyle small;
    small.face = Face::sansBold;
    small.size = 12;
    small.fill = hex(0xFFF4DC);
    small.outline = withAlpha(hex(0x2A0E04), 0.8);
    small.outlineWidth = 2;
    drawTextCentred(cr, sub, w / 2, 44, small);
}

void endPicture(cairo_t* cr)
{
    const double w = endPictureSource.w(), h = endPictureSource.h();
    parchmentPanel(cr, w, h, "Congratulations!");
    cairo_save(cr);
    cairo_translate(cr, w / 2, 58);
    trophy(cr, TrophyStyle{});
    cairo_restore(cr);
    // A little feast round the trophy.
    const int kinds[6] = {kindTomato, kindCheese, kindCarrot, kindGrapes, kindMushroom, kindFish};
    for (int i = 0; i < 6; ++i) {
        const double x = i < 3 ? 48 + i * 36 : w - 48 - (i - 3) * 36;
        drawPiece(cr, kinds[i], x, 108 + (i % 3 == 1 ? -16 : 0), 0.85);
    }
    TextStyle ts;
    ts.face = Face::sansBold;
    ts.size = 15;
    ts.fill = theme::ink;
    drawTextCentred(cr, "You cooked your way through", w / 2, 150, ts);
    drawTextCentred(cr, "all 99 levels. Bravo, chef!", w / 2, 170, ts);
    cairo_save(cr);
    const Point at{endButtonLitAt.x - endPictureAt.x, endButtonLitAt.y - endPictureAt.y};
    cairo_translate(cr, at.x, at.y);
    endButton(cr, Look::unlit);
    cairo_restore(cr);
}

}  // namespace

Raster renderBanners()
{
    Canvas sheet(bannerSheetW, bannerSheetH);
    cairo_t* cr = sheet.cr();
    struct B {
        const char* title;
        const char* sub;
        uint32_t top, bottom;
    };
    const B banners[bannerCount] = {
        {"Game over", "No moves left on the board", 0xF06A4A, 0xA8281A},
        {"Paused", "Press Pause to carry on", 0x6AAEE0, 0x2A5E9A},
        {"Level complete!", "Well done, chef!", 0x8CD65A, 0x3A8A26},
        {"Time's up!", "The soup went cold", 0xF06A4A, 0xA8281A},
        {"No moves left", "Here comes a fresh board", 0xFFB85A, 0xD0701E},
    };
    for (int n = 0; n < bannerCount; ++n) {
        Cell cell(cr, bannerFrame(n));
        banner(cr, banners[n].title, banners[n].sub, hex(banners[n].top), hex(banners[n].bottom));
    }
    {
        Cell cell(cr, endPictureSource);
        endPicture(cr);
    }
    return sheet.finish({true});
}
