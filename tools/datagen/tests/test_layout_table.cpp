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
    for (const Highlight& h : kOptionRows)
        all.push_back({std::string("option ") + h.caption, h.source});
    for (const Highlight& h : kSetUpRows)
        all.push_back({std::string("set-up ") + h.caption, h.source});
    for (const Highlight* h :
         {&kOptionsBack, &kOptionsHelp, &kSetUpBack, &kSetUpStart, &kScoresBack, &kNameOk})
        all.push_back({std::string("button ") + h->caption + " " + std::to_string(h->source.t), h->source});
    for (int k = 6; k <= 8; ++k) {
        all.push_back({"untimed label " + std::to_string(k), untimedLabel(k)});
        all.push_back({"timed label " + std::to_string(k), timedLabel(k)});
    }
    all.push_back({"bar cover", kBarCover});
    return all;
}

}  // namespace

TEST(LayoutTable, HighlightSheetRectanglesFitAndOnlyTheKnownPairsShare)
{
    const Rect sheet{0, 0, kActiveOptionW, kActiveOptionH};
    const std::vector<Named> all = activeOptionRects();
    int shared = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(inside(all[i].r, sheet)) << all[i].name;
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (!overlaps(all[i].r, all[j].r))
                continue;
            const Rect common = intersection(all[i].r, all[j].r);
            bool known = false;
            for (const Rect& s : kActiveOptionShared)
                known = known || same(common, s);
            EXPECT_TRUE(known) << all[i].name << " and " << all[j].name;
            ++shared;
        }
    }
    EXPECT_EQ(shared, 2);
}

TEST(LayoutTable, CaptionSheetRectanglesFitAndOnlyTheArrowGivesWay)
{
    const Rect sheet{0, 0, kMenuTxtW, kMenuTxtH};
    std::vector<Named> all;
    for (const MenuButton& b : kMenuButtons)
        all.push_back({b.caption, b.litCaption});
    all.push_back({"grey resume", kGreyResume});
    all.push_back({"knob", kSliderKnob});
    all.push_back({"end button", kEndButtonLit});
    all.push_back({"menu button", kMenuButtonLit});
    all.push_back({"level caption", kLevelCaption});
    for (int f = 0; f < kArrowFrames; ++f) {
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
    for (int f = 0; f < kArrowFrames; ++f) {
        EXPECT_EQ(rightArrow(f).t, leftArrow(f).t + 1);
        EXPECT_EQ(leftArrow(f).h(), 53);
        EXPECT_EQ(rightArrow(f).h(), 53);
    }
}

TEST(LayoutTable, MenuButtonsAndPicturesLineUp)
{
    for (size_t i = 0; i < 5; ++i) {
        const MenuButton& b = kMenuButtons[i];
        EXPECT_EQ(b.hit.w(), b.litCaption.w()) << b.caption;
        EXPECT_EQ(b.hit.h(), b.litCaption.h()) << b.caption;
        EXPECT_LE(b.picture.h(), kMenuPictureWindowH);
        EXPECT_LE(kMenuPictureAt.y + b.picture.h(), kScreenH);
        EXPECT_TRUE(inside(b.picture, {0, 0, kMenuImageW, kMenuImageH}));
        for (size_t j = i + 1; j < 5; ++j) {
            EXPECT_FALSE(overlaps(b.hit, kMenuButtons[j].hit));
            EXPECT_FALSE(overlaps(b.picture, kMenuButtons[j].picture));
        }
    }
    EXPECT_EQ(kGreyResume.w(), kMenuButtons[0].hit.w());
    EXPECT_EQ(kGreyResume.h(), kMenuButtons[0].hit.h());
}

TEST(LayoutTable, PanelItemsLieOnTheirPanels)
{
    // Rows and buttons lie on their panel, each check mark left of its caption.
    auto itemsLieOn = [](const Rect& panel, const auto& rows,
                         std::initializer_list<const Highlight*> buttons) {
        for (const Highlight& h : rows) {
            const Rect onScreen = h.source.at(h.at.x, h.at.y);
            EXPECT_TRUE(inside(onScreen, panel)) << h.caption;
            EXPECT_TRUE(inside(kCheckMark.at(h.check.x, h.check.y), panel)) << h.caption;
            EXPECT_LT(h.check.x + kCheckMark.w(), onScreen.l) << h.caption;
        }
        for (const Highlight* h : buttons)
            EXPECT_TRUE(inside(h->source.at(h->at.x, h->at.y), panel)) << h->caption;
    };
    const Rect options{kOptionsAt.x, kOptionsAt.y, kOptionsAt.x + kOptionsW, kOptionsAt.y + kOptionsH};
    itemsLieOn(options, kOptionRows, {&kOptionsBack, &kOptionsHelp});
    EXPECT_TRUE(inside(kOptionsBackHit, kOptionsBack.source.at(kOptionsBack.at.x, kOptionsBack.at.y)));
    EXPECT_TRUE(inside(kOptionsHelpHit, kOptionsHelp.source.at(kOptionsHelp.at.x, kOptionsHelp.at.y)));
    // The slider knobs travel inside the panel.
    EXPECT_GE(kKnobMinX, options.l);
    EXPECT_LE(kKnobMaxX + kSliderKnob.w() + 1, options.r);

    const Rect setUp{kSetUpAt.x, kSetUpAt.y, kSetUpAt.x + kSetUpW, kSetUpAt.y + kSetUpH};
    itemsLieOn(setUp, kSetUpRows, {&kSetUpBack, &kSetUpStart});

    const Rect namePanel{kNamePanelAt.x, kNamePanelAt.y, kNamePanelAt.x + kNamePanelW,
                         kNamePanelAt.y + kNamePanelH};
    EXPECT_TRUE(inside(kNameOk.source.at(kNameOk.at.x, kNameOk.at.y), namePanel));
    EXPECT_TRUE(inside(kNameOkHit, namePanel));
    // Nine characters and the cursor fit on the panel.
    EXPECT_LE(kNameTextAt.x + 10 * 17, namePanel.r);
}

TEST(LayoutTable, GameScreenPiecesDoNotCollide)
{
    const Rect pan{kPanAt.x, kPanAt.y, kPanAt.x + kPanW, kPanAt.y + kPanH};
    const Rect mixer{kMixerAt.x, kMixerAt.y, kMixerAt.x + kMixerSize, kMixerAt.y + kMixerSize};
    const Rect bar{kBarAt.x, kBarAt.y, kBarAt.x + kBarW, kBarAt.y + kBarH};
    const Rect blink{kBlinkAt.x, kBlinkAt.y, kBlinkAt.x + kBlinkW, kBlinkAt.y + kBlinkH};
    const Rect menuLit = kMenuButtonLit.at(kMenuButtonLitAt.x, kMenuButtonLitAt.y);
    const Rect level = kLevelCaption.at(kLevelCaptionAt.x, kLevelCaptionAt.y);
    EXPECT_TRUE(inside(kPanHit, pan));
    EXPECT_TRUE(inside(kMixerMustBeClear, mixer));
    EXPECT_TRUE(inside(kMixerMustBeClear, menuLit));
    EXPECT_TRUE(mixer.contains(kMixerMouth.x, kMixerMouth.y));
    for (const Rect* r : {&pan, &mixer, &bar, &blink, &menuLit, &level}) {
        EXPECT_FALSE(overlaps(*r, kBoard));
        EXPECT_TRUE(inside(*r, {0, 0, kScreenW, kScreenH}));
    }
    EXPECT_FALSE(overlaps(pan, blink));
    EXPECT_FALSE(overlaps(bar, mixer));
    EXPECT_EQ(kBoard.w(), 8 * kCell);
    EXPECT_EQ(kBoard.h(), 8 * kCell);
    // The level digits (two at most) and the score sit on the screen below the board.
    EXPECT_GE(kLevelCentreX - kLargeDigitW, level.l);
    EXPECT_LE(kLevelCentreX + kLargeDigitW, level.r);
    EXPECT_GE(kScoreDigitsY, kBoard.b);
    EXPECT_LE(kScoreCentreX + 4 * kSmallDigitW, kScreenW);
}

TEST(LayoutTable, GlyphOffsetsAreRunningSums)
{
    EXPECT_EQ(glyphOffset(32), 0);
    EXPECT_EQ(glyphOffset('Z'), 591);
    EXPECT_EQ(glyphOffset('_'), 625);
    EXPECT_EQ(glyphOffset('z'), 859);
    EXPECT_EQ(glyphOffset(127), kGlyphStripW);
    EXPECT_EQ(kGlyphWidths['~' - 32], 0);
    // "Empty" advances by 51 pixels.
    int advance = 0;
    for (char c : std::string("Empty"))
        advance += kGlyphWidths[c - 32];
    EXPECT_EQ(advance, 51);
}
