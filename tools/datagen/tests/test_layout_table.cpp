// The layout table itself: rectangles that must fit their sheets, must not collide
// except where the screens make them share pixels, and must line up on screen.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "layout.h"

using namespace layout;

namespace {

bool overlaps(const Rect& a, const Rect& b)
{
    return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

Rect intersection(const Rect& a, const Rect& b)
{
    return {std::max(a.l, b.l), std::max(a.t, b.t), std::min(a.r, b.r), std::min(a.b, b.b)};
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.l >= outer.l && inner.t >= outer.t && inner.r <= outer.r && inner.b <= outer.b;
}

bool same(const Rect& a, const Rect& b)
{
    return a.l == b.l && a.t == b.t && a.r == b.r && a.b == b.b;
}

struct Named {
    std::string name;
    Rect r;
};

std::vector<Named> activeOptionRects()
{
    std::vector<Named> all;
    for (const Highlight& h : optionRows)
        all.push_back({std::string("option ") + h.caption, h.source});
    for (const Highlight& h : setUpRows)
        all.push_back({std::string("set-up ") + h.caption, h.source});
    for (const Highlight* h : {&optionsBack, &optionsHelp, &setUpBack, &setUpStart, &scoresBack, &nameOk})
        all.push_back({std::string("button ") + h->caption + " " + std::to_string(h->source.t), h->source});
    for (int k = 6; k <= 8; ++k) {
        all.push_back({"untimed label " + std::to_string(k), untimedLabel(k)});
        all.push_back({"timed label " + std::to_string(k), timedLabel(k)});
    }
    all.push_back({"bar cover", barCover});
    return all;
}

}  // namespace

TEST(LayoutTable, HighlightSheetRectanglesFitAndOnlyTheKnownPairsShare)
{
    const Rect sheet{0, 0, activeOptionW, activeOptionH};
    const std::vector<Named> all = activeOptionRects();
    int shared = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(inside(all[i].r, sheet)) << all[i].name;
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (!overlaps(all[i].r, all[j].r))
                continue;
            const Rect common = intersection(all[i].r, all[j].r);
            bool known = false;
            for (const Rect& s : activeOptionShared)
                known = known || same(common, s);
            EXPECT_TRUE(known) << all[i].name << " and " << all[j].name;
            ++shared;
        }
    }
    EXPECT_EQ(shared, 2);
}

TEST(LayoutTable, CaptionSheetRectanglesFitAndOnlyTheArrowGivesWay)
{
    const Rect sheet{0, 0, menuTxtW, menuTxtH};
    std::vector<Named> all;
    for (const MenuButton& b : menuButtons)
        all.push_back({b.caption, b.litCaption});
    all.push_back({"grey resume", greyResume});
    all.push_back({"knob", sliderKnobSource});
    all.push_back({"end button", endButtonLit});
    all.push_back({"menu button", menuButtonLit});
    all.push_back({"level caption", levelCaption});
    for (int f = 0; f < arrowFrames; ++f) {
        all.push_back({"left arrow " + std::to_string(f), leftArrow(f)});
        all.push_back({"right arrow " + std::to_string(f), rightArrow(f)});
    }
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(inside(all[i].r, sheet)) << all[i].name;
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (!overlaps(all[i].r, all[j].r))
                continue;
            // Only the left arrow's last frame meets the game screen's menu button.
            const bool expected = (all[i].name == "menu button" && all[j].name == "left arrow 4") ||
                                  (all[j].name == "menu button" && all[i].name == "left arrow 4");
            EXPECT_TRUE(expected) << all[i].name << " and " << all[j].name;
        }
    }
    // The two arrows' frames are one row apart, as the high-score screen reads them.
    for (int f = 0; f < arrowFrames; ++f) {
        EXPECT_EQ(rightArrow(f).t, leftArrow(f).t + 1);
        EXPECT_EQ(leftArrow(f).h(), 53);
        EXPECT_EQ(rightArrow(f).h(), 53);
    }
}

TEST(LayoutTable, MenuButtonsAndPicturesLineUp)
{
    for (size_t i = 0; i < 5; ++i) {
        const MenuButton& b = menuButtons[i];
        EXPECT_EQ(b.hit.w(), b.litCaption.w()) << b.caption;
        EXPECT_EQ(b.hit.h(), b.litCaption.h()) << b.caption;
        EXPECT_LE(b.picture.h(), menuPictureWindowH);
        EXPECT_LE(menuPictureAt.y + b.picture.h(), screenH);
        EXPECT_TRUE(inside(b.picture, {0, 0, menuImageW, menuImageH}));
        for (size_t j = i + 1; j < 5; ++j) {
            EXPECT_FALSE(overlaps(b.hit, menuButtons[j].hit));
            EXPECT_FALSE(overlaps(b.picture, menuButtons[j].picture));
        }
    }
    EXPECT_EQ(greyResume.w(), menuButtons[0].hit.w());
    EXPECT_EQ(greyResume.h(), menuButtons[0].hit.h());
}

TEST(LayoutTable, PanelItemsLieOnTheirPanels)
{
    // Rows and buttons lie on their panel, each check mark left of its caption.
    auto itemsLieOn = [](const Rect& panel, const auto& rows,
                         std::initializer_list<const Highlight*> buttons) {
        for (const Highlight& h : rows) {
            const Rect onScreen = h.source.at(h.at.x, h.at.y);
            EXPECT_TRUE(inside(onScreen, panel)) << h.caption;
            EXPECT_TRUE(inside(checkMarkSource.at(h.check.x, h.check.y), panel)) << h.caption;
            EXPECT_LT(h.check.x + checkMarkSource.w(), onScreen.l) << h.caption;
        }
        for (const Highlight* h : buttons)
            EXPECT_TRUE(inside(h->source.at(h->at.x, h->at.y), panel)) << h->caption;
    };
    const Rect options{optionsAt.x, optionsAt.y, optionsAt.x + optionsW, optionsAt.y + optionsH};
    itemsLieOn(options, optionRows, {&optionsBack, &optionsHelp});
    EXPECT_TRUE(inside(optionsBackHit, optionsBack.source.at(optionsBack.at.x, optionsBack.at.y)));
    EXPECT_TRUE(inside(optionsHelpHit, optionsHelp.source.at(optionsHelp.at.x, optionsHelp.at.y)));
    // The slider knobs travel inside the panel.
    EXPECT_GE(knobMinX, options.l);
    EXPECT_LE(knobMaxX + sliderKnobSource.w() + 1, options.r);

    const Rect setUp{setUpAt.x, setUpAt.y, setUpAt.x + setUpW, setUpAt.y + setUpH};
    itemsLieOn(setUp, setUpRows, {&setUpBack, &setUpStart});

    const Rect namePanel{namePanelAt.x, namePanelAt.y, namePanelAt.x + namePanelW,
                         namePanelAt.y + namePanelH};
    EXPECT_TRUE(inside(nameOk.source.at(nameOk.at.x, nameOk.at.y), namePanel));
    EXPECT_TRUE(inside(nameOkHit, namePanel));
    // Nine characters and the cursor fit on the panel.
    EXPECT_LE(nameTextAt.x + 10 * 17, namePanel.r);
}

TEST(LayoutTable, KnobsTakePressesAllOverTheirPictures)
{
    struct Knob {
        int drawnY, hitY;
    };
    for (const Knob k : {Knob{musicKnobY, musicKnobHitY}, Knob{soundKnobY, soundKnobHitY}}) {
        const Rect drawn = sliderKnobSource.at(knobMinX, k.drawnY);
        EXPECT_LE(k.hitY, drawn.t);
        EXPECT_GE(k.hitY + knobHitH, drawn.b);
    }
    EXPECT_LE(musicKnobHitY + knobHitH, soundKnobHitY) << "a press grabs one knob at most";
}

TEST(LayoutTable, BannerSheetHoldsEveryPhaseBesideTheEndPicture)
{
    const Rect sheet{0, 0, bannerSheetW, bannerSheetH};
    for (int n = 0; n < bannerCount; ++n) {
        EXPECT_TRUE(inside(bannerFrame(n), sheet)) << n;
        EXPECT_FALSE(overlaps(bannerFrame(n), endPictureSource)) << n;
        if (n > 0) {
            EXPECT_EQ(bannerFrame(n).t, bannerFrame(n - 1).b) << n;
        }
    }
    EXPECT_TRUE(inside(endPictureSource, sheet));
    // The pause sign is drawn clipped to the board, so all of it must lie there.
    ASSERT_LT(pauseBanner, bannerCount);
    EXPECT_TRUE(inside(bannerFrame(pauseBanner).at(bannerX, pauseY), boardArea));
}

TEST(LayoutTable, GameScreenPiecesDoNotCollide)
{
    const Rect pan{panAt.x, panAt.y, panAt.x + panW, panAt.y + panH};
    const Rect mixer{mixerAt.x, mixerAt.y, mixerAt.x + mixerSize, mixerAt.y + mixerSize};
    const Rect bar{barAt.x, barAt.y, barAt.x + barW, barAt.y + barH};
    const Rect blink{blinkAt.x, blinkAt.y, blinkAt.x + blinkW, blinkAt.y + blinkH};
    const Rect menuLit = menuButtonLit.at(menuButtonLitAt.x, menuButtonLitAt.y);
    const Rect level = levelCaption.at(levelCaptionAt.x, levelCaptionAt.y);
    EXPECT_TRUE(inside(panHit, pan));
    EXPECT_TRUE(inside(mixerMustBeClear, mixer));
    EXPECT_TRUE(inside(mixerMustBeClear, menuLit));
    EXPECT_TRUE(mixer.contains(mixerMouth.x, mixerMouth.y));
    for (const Rect* r : {&pan, &mixer, &bar, &blink, &menuLit, &level}) {
        EXPECT_FALSE(overlaps(*r, boardArea));
        EXPECT_TRUE(inside(*r, {0, 0, screenW, screenH}));
    }
    EXPECT_FALSE(overlaps(pan, blink));
    EXPECT_FALSE(overlaps(bar, mixer));
    EXPECT_EQ(boardArea.w(), 8 * cellSize);
    EXPECT_EQ(boardArea.h(), 8 * cellSize);
    // The level digits (two at most) and the score sit on the screen below the board.
    EXPECT_GE(levelCentreX - largeDigitW, level.l);
    EXPECT_LE(levelCentreX + largeDigitW, level.r);
    EXPECT_GE(scoreDigitsY, boardArea.b);
    EXPECT_LE(scoreCentreX + 4 * smallDigitW, screenW);
}

TEST(LayoutTable, GlyphOffsetsAreRunningSums)
{
    EXPECT_EQ(glyphOffset(32), 0);
    EXPECT_EQ(glyphOffset('Z'), 591);
    EXPECT_EQ(glyphOffset('_'), 625);
    EXPECT_EQ(glyphOffset('z'), 859);
    EXPECT_EQ(glyphOffset(127), glyphStripW);
    EXPECT_EQ(glyphWidths['~' - 32], 0);
    // "Empty" advances by 51 pixels.
    int advance = 0;
    for (char c : std::string("Empty"))
        advance += glyphWidths[c - 32];
    EXPECT_EQ(advance, 51);
}
