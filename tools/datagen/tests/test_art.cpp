// Finer points of the artwork that a player would notice: calm backdrops under numbers,
// pieces that stay inside their cells, a pointer whose tip is its hot spot, text that
// sits on one baseline, and pictures whose resting state matches their overlays.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "canvas.h"
#include "layout.h"
#include "test_support.h"

using namespace layout;

namespace {

// Standard deviation of the brightness in a rectangle.
double roughness(const Decoded& d, const Rect& r)
{
    double sum = 0, sq = 0;
    long n = 0;
    for (int y = r.t; y < r.b; ++y)
        for (int x = r.l; x < r.r; ++x) {
            const uint8_t* p = d.at(x, y);
            const double v = 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
            sum += v;
            sq += v * v;
            ++n;
        }
    const double mean = sum / n;
    return std::sqrt(std::max(0.0, sq / n - mean * mean));
}

// Bounding box of the opaque pixels of a rectangle; empty (l >= r) when there are none.
Rect inkBox(const Decoded& d, const Rect& r)
{
    Rect box{r.r, r.b, r.l, r.t};
    for (int y = r.t; y < r.b; ++y)
        for (int x = r.l; x < r.r; ++x)
            if (!d.key(x, y)) {
                box.l = std::min(box.l, x);
                box.t = std::min(box.t, y);
                box.r = std::max(box.r, x + 1);
                box.b = std::max(box.b, y + 1);
            }
    return box;
}

}  // namespace

TEST(Art, NumbersSitOnCalmBackdrops)
{
    const Decoded bk = loadPicture("BkGrnd.jpg");
    // Up to seven score digits.
    const Rect score{scoreCentreX - 35, scoreDigitsY, scoreCentreX + 35, scoreDigitsY + smallDigitsH};
    EXPECT_LT(roughness(bk, score), 12.0);
    // Under the level caption the background shows only round its corners.
    const Rect level{levelCaptionAt.x, levelCaptionAt.y, levelCaptionAt.x + levelCaption.w(), screenH};
    EXPECT_LT(roughness(bk, level), 25.0);
    // And the caption's own face behind the digits is a plain gradient: every row is even.
    const Decoded txt = loadPicture("MenuTxt.bmp");
    const int from = levelCentreX - largeDigitW - levelCaptionAt.x;
    for (int row = levelDigitsY - levelCaptionAt.y; row < levelCaption.h(); ++row)
        EXPECT_LT(roughness(txt, {levelCaption.l + from, levelCaption.t + row, levelCaption.l + from + 30,
                                  levelCaption.t + row + 1}),
                  2.0)
            << "row " << row;
}

TEST(Art, PiecesRestInsideTheirCells)
{
    const Decoded fig = loadPicture("Figures.bmp");
    for (int k = 0; k < pieceKinds; ++k)
        for (int f = 0; f < pieceFrames; ++f) {
            const Rect cell{cellSize * k, cellSize * f, cellSize * k + cellSize, cellSize * f + cellSize};
            const Rect box = inkBox(fig, cell);
            ASSERT_LT(box.l, box.r) << "kind " << k << " frame " << f << " is empty";
            if (f == 0) {
                // At rest nothing touches the cell's edge, so pieces never fuse on the board.
                EXPECT_GT(box.l, cell.l) << k;
                EXPECT_GT(box.t, cell.t) << k;
                EXPECT_LT(box.r, cell.r) << k;
                EXPECT_LT(box.b, cell.b) << k;
                // And they are big enough to read.
                EXPECT_GE(box.w() * box.h(), 900) << k;
                EXPECT_GE(std::min(box.w(), box.h()), 24) << k;
            }
        }
}

TEST(Art, UnderlaysHaveOneColourPerKind)
{
    const Decoded easy = loadPicture("EasyFood.jpg");
    std::vector<std::array<double, 3>> means;
    for (int k = 0; k < pieceKinds; ++k) {
        std::array<double, 3> m{0, 0, 0};
        for (int y = 15; y < 35; ++y)
            for (int x = 15; x < 35; ++x)
                for (int c = 0; c < 3; ++c)
                    m[size_t(c)] += easy.at(cellSize * k + x, y)[c] / 400.0;
        means.push_back(m);
    }
    for (size_t a = 0; a < means.size(); ++a)
        for (size_t b = a + 1; b < means.size(); ++b) {
            const double d =
                std::hypot(means[a][0] - means[b][0], means[a][1] - means[b][1], means[a][2] - means[b][2]);
            EXPECT_GT(d, 25.0) << "underlays " << a << " and " << b;
        }
}

TEST(Art, PointerTipIsTheHotSpot)
{
    const Decoded cur = loadPicture("Cursor.bmp");
    const Rect box = inkBox(cur, pointerSource);
    EXPECT_LE(box.l, 1);
    EXPECT_LE(box.t, 1);
    EXPECT_FALSE(cur.key(1, 1));
    EXPECT_GE(box.w(), 18);
    EXPECT_GE(box.h(), 24);
    // The check mark keeps to its own rectangle.
    const Rect mark = inkBox(cur, checkMarkSource);
    EXPECT_LT(mark.l, mark.r);
    EXPECT_EQ(opaqueIn(cur, pointerSource.r, checkMarkSource.b, cur.width, cur.height), 0);
}

TEST(Art, GlyphsShareOneBaseline)
{
    const Decoded font = loadPicture("Font.bmp");
    auto bottom = [&](char c) { return inkBox(font, {glyphOffset(c), 0, glyphOffset(c + 1), glyphRows}).b; };
    auto top = [&](char c) { return inkBox(font, {glyphOffset(c), 0, glyphOffset(c + 1), glyphRows}).t; };
    const int base = bottom('H');
    for (char c : std::string("ABEHMZabcemxz0123456789"))
        EXPECT_NEAR(bottom(c), base, 1) << c;
    for (char c : std::string("gjpqy"))
        EXPECT_GT(bottom(c), base + 1) << c << " has a descender";
    EXPECT_LT(top('H'), top('x')) << "capitals are taller than small letters";
    EXPECT_GE(bottom('_'), glyphRows - 2) << "the name cursor sits at the bottom";
    EXPECT_LE(base, glyphRows - 3);
}

TEST(Art, TitleShowsTheButtonWhereItsFramesAreDrawn)
{
    const Decoded title = loadPicture("GameGo.jpg");
    const Decoded font = loadPicture("Font.bmp");
    double diff = 0;
    long n = 0;
    for (int y = 0; y < titleButtonH; ++y)
        for (int x = 0; x < titleButtonW; ++x) {
            if (font.key(x, titleFramesY + y))
                continue;
            const uint8_t* a = font.at(x, titleFramesY + y);
            const uint8_t* b = title.at(titleButtonAt.x + x, titleButtonAt.y + y);
            for (int c = 0; c < 3; ++c)
                diff += std::abs(int(a[c]) - int(b[c]));
            ++n;
        }
    ASSERT_GT(n, 5000);
    EXPECT_LT(diff / (3.0 * n), 6.0);
}

TEST(Art, PanelsPaintCheckBoxesWhereTheMarksGo)
{
    // The box under a check mark stands out from the paper round it.
    auto boxShows = [](const Decoded& panel, Point check, Point panelAt) {
        const int x = check.x - panelAt.x, y = check.y - panelAt.y;
        return roughness(panel, {x, y + 7, x + 18, y + 25}) > 10.0;
    };
    const Decoded options = loadPicture("Options.jpg");
    for (const Highlight& h : optionRows)
        EXPECT_TRUE(boxShows(options, h.check, optionsAt)) << h.caption;
    const Decoded setUp = loadPicture("NewGame.jpg");
    for (const Highlight& h : setUpRows)
        EXPECT_TRUE(boxShows(setUp, h.check, setUpAt)) << h.caption;
    // The slider grooves run under the whole range of each knob.
    for (int y : {musicKnobY, soundKnobY}) {
        const int row = y + 10 - optionsAt.y;
        for (int x = knobMinX + 6; x < knobMaxX + 22; x += 8)
            EXPECT_LT(options.at(x - optionsAt.x, row)[0], 150) << "groove at " << x << "," << y;
    }
}

TEST(Art, HighScoreTablesLeaveRoomForText)
{
    // The rows the names and scores are written on are plain paper.
    const Decoded hs = loadPicture("HighScores.jpg");
    for (int r = 0; r < scoreRows; ++r) {
        const int y = scoreRowY + scoreRowStep * r;
        for (const int* cols : {untimedCols, timedCols}) {
            const Rect text{cols[0], y, cols[2] + 60, y + glyphRows};
            EXPECT_LT(roughness(hs, text), 8.0) << "row " << r << " at " << cols[0];
            EXPECT_GT(hs.at(cols[1], y + 8)[0], 200) << "light paper under dark text";
        }
    }
}

TEST(Art, TextIsCentredWhereItIsAsked)
{
    Canvas c(200, 60);
    TextStyle s;
    s.size = 24;
    s.fill = {0, 0, 0, 1};
    drawTextCentred(c.cr(), "Wgy", 100, 30, s);
    const Raster r = c.finish({true});
    int l = 200, rr = 0, top = 60;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (!r.transparent(x, y)) {
                l = std::min(l, x);
                rr = std::max(rr, x + 1);
                top = std::min(top, y);
            }
    EXPECT_NEAR((l + rr) / 2.0, 100.0, 1.5);
    // Capitals are centred on the line; descenders hang below it.
    const int capHeight = int(std::lround(24 * 0.73));
    EXPECT_NEAR(top, 30 - capHeight / 2.0, 2.0);
    TextStyle wide = s;
    wide.size = 40;
    EXPECT_LE(measureText(c.cr(), "Good morning", fitWidth(c.cr(), "Good morning", wide, 120)).w, 120.0);
}
