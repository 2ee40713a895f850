// The pictures as the game will see them: colour keys exactly where meant, art in every
// rectangle the screens copy, and overlays that line up with what lies under them.
#include <gtest/gtest.h>

#include <cmath>

#include "layout.h"
#include "test_support.h"

using namespace layout;

namespace {

double meanDifference(const Decoded& a, int ax, int ay, const Decoded& b, int bx, int by, int w, int h)
{
    double sum = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                sum += std::abs(int(a.at(ax + x, ay + y)[c]) - int(b.at(bx + x, by + y)[c]));
    return sum / (double(w) * h * 3);
}

long opaqueIn(const Decoded& d, const Rect& r)
{
    return opaqueIn(d, r.l, r.t, r.r, r.b);
}

}  // namespace

TEST(ColourKey, EveryKeyedPictureKeysExactlyItsMask)
{
    for (const Picture& p : intendedPictures()) {
        if (!p.image.keyed)
            continue;
        SCOPED_TRACE(p.file);
        const Decoded d = loadPicture(p.file);
        ASSERT_EQ(d.width, p.image.width);
        ASSERT_EQ(d.height, p.image.height);
        long wrong = 0, transparent = 0;
        for (int y = 0; y < d.height; ++y)
            for (int x = 0; x < d.width; ++x) {
                wrong += d.key(x, y) != p.image.transparent(x, y);
                transparent += p.image.transparent(x, y);
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(transparent, 0);
    }
}

TEST(ColourKey, UnkeyedPicturesShowNoKeyColour)
{
    // A stray key pixel in an opaque picture would be a hole once the picture is reused.
    for (const Picture& p : intendedPictures()) {
        if (p.image.keyed)
            continue;
        SCOPED_TRACE(p.file);
        const Decoded d = loadPicture(p.file);
        EXPECT_EQ(opaqueIn(d, 0, 0, d.width, d.height), long(d.width) * d.height);
    }
}

TEST(ColourKey, SharedHighlightPixelsAndTheMixerFootStayClear)
{
    const Decoded active = loadPicture("ActiveOption.bmp");
    for (const Rect& r : activeOptionShared)
        EXPECT_EQ(opaqueIn(active, r), 0);
    const Decoded mixer = loadPicture("mixer.bmp");
    for (int f = 0; f < mixerFrames; ++f)
        EXPECT_EQ(opaqueIn(mixer, mixerMustBeClear.moved(-mixerAt.x, -mixerAt.y + f * mixerSize)), 0) << f;
}

TEST(Layout, EveryCopiedRectangleHoldsArt)
{
    struct Use {
        const char* file;
        Rect r;
        double minShare;  // of the rectangle that must be opaque
    };
    std::vector<Use> uses = {
        {"EasyFood.jpg", selectionFrame, 0.2},
        {"Cursor.bmp", pointerSource, 0.2},
        {"Cursor.bmp", checkMarkSource, 0.2},
        {"MenuTxt.bmp", greyResume, 0.6},
        {"MenuTxt.bmp", sliderKnobSource, 0.7},
        {"MenuTxt.bmp", endButtonLit, 0.7},
        {"MenuTxt.bmp", menuButtonLit, 0.6},
        {"MenuTxt.bmp", levelCaption, 0.9},
        {"ActiveOption.bmp", barCover, 1.0},
        {"game over.jpg", endPictureSource, 0.9},
        {"Font.bmp", titleLit, 0.7},
        {"MenDown.bmp", {0, 0, 77, 28}, 0.3},
    };
    for (int k = 0; k < pieceKinds; ++k)
        uses.push_back({"EasyFood.jpg", {50 * k, 0, 50 * k + 50, 50}, 0.8});
    for (int n = 0; n < bannerCount; ++n)
        uses.push_back({"game over.jpg", bannerFrame(n), 0.6});
    for (const MenuButton& b : menuButtons)
        uses.push_back({"MenuTxt.bmp", b.litCaption, 0.6});
    for (int f = 0; f < 4; ++f) {
        uses.push_back({"MenuTxt.bmp", leftArrow(f), 0.15});
        uses.push_back({"MenuTxt.bmp", rightArrow(f), 0.15});
    }
    for (int f = 0; f < 3; ++f)
        uses.push_back({"Font.bmp", {320 * f, 38, 320 * f + 320, 103}, 0.6});
    for (const Highlight* h : {&optionRows[0], &optionRows[1], &optionRows[2], &optionsBack, &optionsHelp,
                               &setUpRows[0], &setUpRows[1], &setUpRows[2], &setUpRows[3], &setUpRows[4],
                               &setUpBack, &setUpStart, &scoresBack, &nameOk})
        uses.push_back({"ActiveOption.bmp", h->source, 0.6});
    for (int k = 6; k <= 8; ++k) {
        uses.push_back({"ActiveOption.bmp", untimedLabel(k), 0.7});
        uses.push_back({"ActiveOption.bmp", timedLabel(k), 0.7});
    }
    for (int f = 0; f < mixerFrames; ++f)
        uses.push_back({"mixer.bmp", {0, 109 * f, 109, 109 * f + 109}, 0.3});
    for (const Use& u : uses) {
        SCOPED_TRACE(std::string(u.file) + " " + std::to_string(u.r.l) + "," + std::to_string(u.r.t));
        const Decoded d = loadPicture(u.file);
        ASSERT_LE(u.r.r, d.width);
        ASSERT_LE(u.r.b, d.height);
        EXPECT_GE(double(opaqueIn(d, u.r)), u.minShare * u.r.w() * u.r.h());
    }
}

TEST(Layout, GlyphStripHasEveryCharacterInItsCell)
{
    int total = 0;
    for (int w : glyphWidths)
        total += w;
    EXPECT_EQ(total, glyphStripW);
    EXPECT_EQ(glyphOffset('0'), 118);
    EXPECT_EQ(glyphOffset('A'), 285);
    EXPECT_EQ(glyphOffset('a'), 640);
    const Decoded font = loadPicture("Font.bmp");
    ASSERT_EQ(font.width, fontW);
    EXPECT_EQ(opaqueIn(font, glyphOffset(' '), 0, glyphOffset('!'), glyphRows), 0) << "space is blank";
    for (int code = 33; code <= 125; ++code)
        EXPECT_GT(opaqueIn(font, glyphOffset(code), 0, glyphOffset(code + 1), glyphRows), 0) << char(code);
    // Nothing beyond the strip, and nothing between the strip and the title buttons.
    EXPECT_EQ(opaqueIn(font, glyphStripW, 0, fontW, glyphRows), 0);
    EXPECT_EQ(opaqueIn(font, 0, glyphRows, fontW, titleFramesY), 0);
    // The title clock can read x 640..960: it must show frame 0 again.
    EXPECT_EQ(meanDifference(font, 0, 38, font, 640, 38, 320, 65), 0.0);
    EXPECT_GT(meanDifference(font, 0, 38, font, 320, 38, 320, 65), 0.0);
}

TEST(Layout, FoodPiecesDifferInShapeAndAnimateFromRestToRest)
{
    const Decoded fig = loadPicture("Figures.bmp");
    auto silhouette = [&](int kind, int frame) {
        std::vector<bool> s(2500);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                s[size_t(y) * 50 + size_t(x)] = !fig.key(50 * kind + x, 50 * frame + y);
        return s;
    };
    auto overlap = [](const std::vector<bool>& a, const std::vector<bool>& b) {
        int both = 0, either = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            both += a[i] && b[i];
            either += a[i] || b[i];
        }
        return double(both) / std::max(1, either);
    };
    for (int a = 0; a < pieceKinds; ++a) {
        const auto rest = silhouette(a, 0);
        int area = 0;
        for (bool v : rest)
            area += v;
        EXPECT_GT(area, 500) << "kind " << a << " fills its cell";
        for (int b = a + 1; b < pieceKinds; ++b)
            EXPECT_LT(overlap(rest, silhouette(b, 0)), 0.8) << "kinds " << a << " and " << b << " look alike";
        // The hop moves the piece away from rest and brings it back.
        const double mid = overlap(rest, silhouette(a, 7));
        const double last = overlap(rest, silhouette(a, 13));
        EXPECT_LT(mid, 0.97) << "kind " << a << " moves";
        EXPECT_GT(last, mid) << "kind " << a << " comes back to rest";
    }
}

TEST(Layout, OverlaysMatchWhatTheyCover)
{
    const Decoded bk = loadPicture("BkGrnd.jpg");
    // The pan's first frame is the background as painted.
    const Decoded pan = loadPicture("skovoroda.bmp");
    EXPECT_LT(meanDifference(pan, 0, 0, bk, panAt.x, panAt.y, panW, panH), 2.0);
    EXPECT_GT(meanDifference(pan, 0, panH, bk, panAt.x, panAt.y, panW, panH), 2.0) << "frame 1 moves";
    EXPECT_LT(meanDifference(pan, 0, 3 * panH, bk, panAt.x, panAt.y, panW, panH), 2.0) << "frame 3 rests";
    // The mixer at rest is painted in the background where its frames are drawn; the last
    // frame (reached only when the clock sits on 11) is the rest frame.
    const Decoded mixer = loadPicture("mixer.bmp");
    double diff = 0;
    long n = 0, moving = 0;
    for (int y = 0; y < mixerSize; ++y)
        for (int x = 0; x < mixerSize; ++x) {
            EXPECT_EQ(mixer.key(x, y), mixer.key(x, y + 11 * mixerSize));
            if (mixer.key(x, y))
                continue;
            for (int c = 0; c < 3; ++c)
                diff += std::abs(int(mixer.at(x, y)[c]) - int(bk.at(mixerAt.x + x, mixerAt.y + y)[c]));
            ++n;
            moving += mixer.key(x, y + 5 * mixerSize)
                          ? 0
                          : std::abs(int(mixer.at(x, y)[0]) - int(mixer.at(x, y + 5 * mixerSize)[0])) > 30;
        }
    EXPECT_LT(diff / (3.0 * std::max(1L, n)), 6.0);
    EXPECT_GT(moving, 100) << "the running frames show movement";
    // Level digits are opaque cells on the level caption: their backdrop must match it.
    const Decoded level = loadPicture("level.jpg");
    const Decoded txt = loadPicture("MenuTxt.bmp");
    const int row0 = levelDigitsY - levelCaptionAt.y;
    const int captionX = levelCentreX - 15 - levelCaptionAt.x;  // two digits start 15 px left of centre
    for (int y = 0; y < 3; ++y) {
        const uint8_t* a = level.at(0, y);
        const uint8_t* b = txt.at(levelCaption.l + captionX, levelCaption.t + row0 + y);
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a[c], b[c], 6) << "row " << y;
    }
    EXPECT_LE(level.height + levelDigitsY, screenH);
    EXPECT_LE(loadPicture("Number.jpg").height + scoreDigitsY, screenH);
    // The bar cover (the empty tube) differs from the full bar painted in the background.
    const Decoded active = loadPicture("ActiveOption.bmp");
    EXPECT_GT(meanDifference(active, barCover.l, barCover.t, bk, barAt.x, barAt.y, barW, barH), 20.0);
    // The selection frame is open in the middle, so the piece shows through.
    const Decoded easy = loadPicture("EasyFood.jpg");
    EXPECT_EQ(opaqueIn(easy, selectionFrame.l + 10, 10, selectionFrame.r - 10, 40), 0);
}

TEST(Layout, LitButtonsCoverTheirUnlitPictures)
{
    // A lit overlay must hide the unlit button under it: wherever the unlit one differs
    // from its surroundings the overlay is opaque. Checked for the menu captions.
    const Decoded menu = loadPicture("Menu.jpg");
    const Decoded txt = loadPicture("MenuTxt.bmp");
    for (const MenuButton& b : menuButtons) {
        SCOPED_TRACE(b.caption);
        const Rect& s = b.litCaption;
        // The caption's centre row is all button in both.
        const int y = s.h() / 2;
        for (int x = 10; x < s.w() - 10; ++x)
            EXPECT_FALSE(txt.key(s.l + x, s.t + y));
        EXPECT_GT(meanDifference(txt, s.l + 10, s.t + y, menu, b.hit.l + 10, b.hit.t + y, s.w() - 20, 1),
                  10.0);
    }
}
