// The panels laid over the menu (options, game set-up), their sheet of highlights, and
// the high-score screen with its name-entry panel.
#include <cmath>

#include "canvas.h"
#include "layout.h"
#include "pictures.h"
#include "pieces.h"
#include "widgets.h"

using namespace layout;

namespace {

// The rows of check boxes with their captions, unlit.
template <size_t N> void checkRows(cairo_t* cr, const Highlight (&rows)[N])
{
    for (const Highlight& row : rows) {
        checkBox(cr, row.check);
        panelCaption(cr, row.rect(), row.caption, Look::unlit);
    }
}

void sectionLabel(cairo_t* cr, const std::string& text, double cx, double cy)
{
    TextStyle ts;
    ts.face = Face::serifBold;
    ts.size = 17;
    ts.fill = hex(0x8A3A14);
    drawTextCentred(cr, text, cx, cy, ts);
    const Ink ink = measureText(cr, text, ts);
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        const double x0 = cx + s * (ink.w / 2 + 8), x1 = cx + s * (ink.w / 2 + 48);
        cairo_move_to(cr, x0, cy + 0.5);
        cairo_line_to(cr, x1, cy + 0.5);
        cairo_set_source_rgba(cr, 0.54, 0.23, 0.08, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// Icons beside the two game modes.
void stopwatch(cairo_t* cr, double cx, double cy)
{
    cairo_new_path(cr);
    roundedRect(cr, cx - 3, cy - 17, 6, 5, 1.5);
    setColour(cr, hex(0x5A5A62));
    cairo_fill_preserve(cr);
    strokeOutline(cr, hex(0x1E1E22), 1.2);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
    fillRadial(cr, cx, cy, 12, hex(0xFFFFFF), hex(0xD8D0C4), -4, -4);
    strokeOutline(cr, hex(0xA8281A), 3);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx, cy - 8);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 5, cy + 2);
    setColour(cr, hex(0x2A1408));
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void teacup(cairo_t* cr, double cx, double cy)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx + 11, cy, 5, -M_PI / 2, M_PI / 2);
    setColour(cr, hex(0x2A5E9A));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 12, cy - 7);
    cairo_line_to(cr, cx + 12, cy - 7);
    cairo_curve_to(cr, cx + 12, cy + 5, cx + 6, cy + 9, cx, cy + 9);
    cairo_curve_to(cr, cx - 6, cy + 9, cx - 12, cy + 5, cx - 12, cy - 7);
    cairo_close_path(cr);
    fillVertical(cr, cy - 7, cy + 9, hex(0x9ED0F5), hex(0x2A6EB0));
    strokeOutline(cr, hex(0x0E2A4A), 1.4);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy + 11, 15, 2.5);
    setColour(cr, hex(0x6AAEE0));
    cairo_fill_preserve(cr);
    strokeOutline(cr, hex(0x0E2A4A), 1.2);
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = -1; i <= 1; i += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + i * 4, cy - 10);
        cairo_curve_to(cr, cx + i * 4 - 3, cy - 14, cx + i * 4 + 3, cy - 17, cx + i * 4, cy - 21);
        cairo_set_source_rgba(cr, 0.55, 0.45, 0.4, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void highScoreScene(const Canvas& c)
{
    cairo_t* cr = c.cr();
    woodenWall(c, 61, 220, 100, 0.15, 0.5);
    drawTextCentred(cr, "High scores", 320, 52, titleStyle(46));
    drawPiece(cr, kindGrapes, 118, 52, 1.1);
    drawPiece(cr, kindFish, 522, 52, 1.1);
    // Two recipe cards, one per game mode.
    const struct {
        int left;
        const char* title;
        const int* cols;
    } cards[2] = {{untimedCols[0] - 14, "Untimed", untimedCols}, {timedCols[0] - 14, "Timed", timedCols}};
    for (auto& card : cards) {
        const double x = card.left, y = 100, w = 266, h = 318;
        cairo_new_path(cr);
        roundedRect(cr, x, y, w, h, 12);
        shadowPath(cr, 3, 5, 0.5, 3);
        fillVertical(cr, y, y + h, hex(0xFFF6E2), theme::paper);
        strokeOutline(cr, hex(0x5A3418), 2);
        cairo_new_path(cr);
        // Rows: the paper shows through every other row as a faint stripe.
        for (int r = 0; r < scoreRows; ++r) {
            const double ry = scoreRowY + scoreRowStep * r - 4;
            if (r % 2 == 0) {
                cairo_new_path(cr);
                roundedRect(cr, x + 6, ry, w - 12, scoreRowStep, 5);
                setColour(cr, withAlpha(hex(0xEFD7A8), 0.55));
                cairo_fill(cr);
            }
        }
        TextStyle head;
        head.face = Face::serifBold;
        head.size = 22;
        head.fill = hex(0x8A3A14);
        drawTextCentred(cr, card.title, x + 77, 131, head);
        TextStyle col;
        col.face = Face::sansBold;
        col.size = 11;
        col.fill = hex(0x9A6A40);
        drawTextAt(cr, "#", card.cols[0], 173, col);
        drawTextAt(cr, "NAME", card.cols[1] + 6, 173, col);
        drawTextAt(cr, "SCORE", card.cols[2], 173, col);
        cairo_new_path(cr);
        cairo_move_to(cr, x + 8, 177.5);
        cairo_line_to(cr, x + w - 8, 177.5);
        cairo_set_source_rgba(cr, 0.54, 0.3, 0.12, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // Buttons along the bottom, unlit.
    {
        cairo_save(cr);
        cairo_translate(cr, leftArrowAt.x, leftArrowAt.y);
        scoreArrow(cr, true, 0, Look::unlit);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, rightArrowAt.x, rightArrowAt.y);
        scoreArrow(cr, false, 0, Look::unlit);
        cairo_restore(cr);
    }
    panelButton(cr, scoresBack.rect(), scoresBack.caption, Look::unlit);
    TextStyle hint = captionStyle(12, Look::unlit);
    drawTextCentred(cr, "fewer kinds", 83, 472, hint);
    drawTextCentred(cr, "more kinds", 553, 472, hint);
}

}  // namespace

Raster renderOptionsPanel()
{
    Canvas c(optionsW, optionsH);
    cairo_t* cr = c.cr();
    parchmentPanel(cr, optionsW, optionsH, "Options");
    cairo_translate(cr, -optionsAt.x, -optionsAt.y);  // draw in screen coordinates
    checkRows(cr, optionRows);
    sliderTrack(cr, musicKnobY, "Music");
    sliderTrack(cr, soundKnobY, "Sound effects");
    panelButton(cr, optionsBack.rect(), optionsBack.caption, Look::unlit);
    panelButton(cr, optionsHelp.rect(), optionsHelp.caption, Look::unlit);
    return c.finish({true});
}

Raster renderSetUpPanel()
{
    Canvas c(setUpW, setUpH);
    cairo_t* cr = c.cr();
    parchmentPanel(cr, setUpW, setUpH, "New game");
    cairo_translate(cr, -setUpAt.x, -setUpAt.y);
    sectionLabel(cr, "Game mode", setUpAt.x + setUpW / 2.0, 98);
    sectionLabel(cr, "Kinds of food", setUpAt.x + setUpW / 2.0, 240);
    checkRows(cr, setUpRows);
    stopwatch(cr, 404, 129);
    teacup(cr, 414, 174);
    // The extra kinds that the bigger boards bring in.
    drawPiece(cr, kindMushroom, 395, 317, 0.6);
    drawPiece(cr, kindMushroom, 380, 355, 0.6);
    drawPiece(cr, kindFish, 408, 355, 0.6);
    panelButton(cr, setUpBack.rect(), setUpBack.caption, Look::unlit);
    panelButton(cr, setUpStart.rect(), setUpStart.caption, Look::unlit);
    return c.finish({true});
}

Raster renderActiveOption()
{
    Canvas c(activeOptionW, activeOptionH);
    cairo_t* cr = c.cr();
    auto lit = [&](const Highlight& h, bool button) {
        Cell cell(cr, h.source);
        const Rect local{0, 0, h.source.w(), h.source.h()};
        if (button)
            panelButton(cr, local, h.caption, Look::lit);
        else
            panelCaption(cr, local, h.caption, Look::lit);
    };
    for (const Highlight& h : optionRows)
        lit(h, false);
    for (const Highlight& h : setUpRows)
        lit(h, false);
    lit(optionsBack, true);
    lit(optionsHelp, true);
    lit(setUpBack, true);
    lit(setUpStart, true);
    lit(scoresBack, true);
    lit(nameOk, true);
    for (int k = 6; k <= 8; ++k) {
        {
            Cell cell(cr, untimedLabel(k));
            tableLabel(cr, k, false);
        }
        Cell cell(cr, timedLabel(k));
        tableLabel(cr, k, true);
    }
    {
        Cell cell(cr, barCover);
        barTube(cr, false);
    }
    // Where two highlights share pixels, neither may paint them.
    for (const Rect& r : activeOptionShared)
        c.clear(r);
    return c.finish({true});
}

Raster renderHighScores()
{
    Canvas c(screenW, screenH);
    highScoreScene(c);
    return c.finish({});
}

Raster renderNamePanel()
{
    // The panel's rounded corners show the high-score screen it is drawn over.
    Canvas scene(screenW, screenH);
    highScoreScene(scene);
    Canvas c(namePanelW, namePanelH);
    cairo_t* cr = c.cr();
    c.pasteRect(scene, {namePanelAt.x, namePanelAt.y, namePanelAt.x + namePanelW, namePanelAt.y + namePanelH},
                0, 0);
    parchmentPanel(cr, namePanelW, namePanelH, "");
    TextStyle title = titleStyle(19);
    drawTextCentred(cr, "New high score!", namePanelW / 2.0, 30, title);
    // The name field: paper of the same colour the font's edges were blended with.
    const double fx = nameTextAt.x - namePanelAt.x - 8, fy = nameTextAt.y - namePanelAt.y - 6;
    cairo_new_path(cr);
    roundedRect(cr, fx, fy, namePanelW - 2 * fx, 29, 6);
    setColour(cr, theme::paper);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgba(cr, 0.3, 0.15, 0.05, 0.3);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    strokeOutline(cr, hex(0x5A3418), 1.5);
    cairo_new_path(cr);
    TextStyle hint;
    hint.face = Face::sans;
    hint.size = 11;
    hint.fill = hex(0x8A6040);
    drawTextAt(cr, "Type your name,", 26, 100, hint);
    drawTextAt(cr, "then press Enter", 26, 114, hint);
    drawPiece(cr, kindCheese, 262, 104, 0.62);
    drawPiece(cr, kindTomato, 298, 104, 0.62);
    panelButton(cr, nameOk.rect().moved(-namePanelAt.x, -namePanelAt.y), nameOk.caption, Look::unlit);
    return c.finish({});
}
