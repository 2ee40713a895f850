// The layout table: every rectangle the game copies out of a picture, every place on
// screen where a picture is drawn, and the sizes of the picture files themselves.
#pragma once

namespace layout {

// A rectangle with right and bottom exclusive, as the game uses them.
struct Rect {
    int l, t, r, b;
    constexpr int w() const
    {
        return r - l;
    }
    constexpr int h() const
    {
        return b - t;
    }
    constexpr Rect moved(int dx, int dy) const
    {
        return {l + dx, t + dy, r + dx, b + dy};
    }
    constexpr Rect at(int x, int y) const
    {
        return {x, y, x + w(), y + h()};
    }
    constexpr bool contains(int x, int y) const
    {
        return x >= l && x < r && y >= t && y < b;
    }
};

struct Point {
    int x, y;
};

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// ---------------------------------------------------------------- game screen
constexpr Rect kBoard{236, 4, 636, 404};
constexpr int kCell = 50;
constexpr int kKinds = 8;
constexpr int kPieceFrames = 14;

constexpr Point kPanAt{5, 24};                          // skovoroda.bmp frames are drawn here
constexpr int kPanW = 95, kPanH = 155, kPanFrames = 4;  // frames 0..3 (the clock can sit on 3)
constexpr Rect kPanHit{14, 100, 91, 175};               // hint button: the ellipse inscribed in this

constexpr Point kMixerAt{36, 278};
constexpr int kMixerSize = 109, kMixerFrames = 12;   // frames 0..11 (the clock can sit on 11)
constexpr Point kMixerMouth{91, 280};                // where flying pieces shrink into the mixer
constexpr Rect kMixerMustBeClear{36, 379, 98, 387};  // screen area shared with the menu button

constexpr Point kBlinkAt{112, 200};
constexpr int kBlinkW = 77, kBlinkH = 28;

constexpr Rect kMenuButtonHit{9, 376, 117, 473};
constexpr Point kMenuButtonLitAt{13, 379};

constexpr Point kBarAt{174, 339};
constexpr int kBarW = 20, kBarH = 73;

constexpr Point kLevelCaptionAt{295, 449};
constexpr int kLevelCentreX = 370, kLevelDigitsY = 453;
constexpr int kScoreCentreX = 535, kScoreDigitsY = 437;

constexpr int kBannerX = 286, kBannerW = 300, kBannerH = 61, kBanners = 5;
constexpr int kPauseY = 170;

// ---------------------------------------------------------------- Font.bmp
constexpr int kGlyphRows = 17;
constexpr int kGlyphWidths[95] = {6,  4,  5,  11, 10, 16, 12, 4,  7,  5,  7,  11, 3,  8,  3,  6,   // 32..47
                                  11, 9,  10, 9,  11, 10, 10, 10, 10, 11, 5,  4,  10, 10, 10, 10,  // 48..63
                                  17, 13, 12, 13, 13, 12, 11, 14, 14, 4,  9,  12, 10, 15, 13, 14,  // 64..79
                                  12, 14, 13, 11, 12, 13, 11, 17, 13, 11, 12, 4,  6,  4,  8,  11,  // 80..95
                                  4,  10, 10, 9,  10, 10, 5,  10, 10, 2,  6,  9,  4,  15, 10, 10,  // 96..111
                                  10, 10, 6,  8,  6,  9,  9,  13, 10, 8,  10, 6,  9,  7,  0};      // 112..126
constexpr int kGlyphStripW = 891;
constexpr int kTitleButtonW = 320, kTitleButtonH = 65;
constexpr int kTitleFramesY = 38;  // frames 0, 1 and frame 0 again side by side
constexpr Rect kTitleLit{0, 103, 320, 168};
constexpr Point kTitleButtonAt{161, 406};
constexpr Rect kTitleHit{173, 422, 467, 463};
constexpr int kFontW = 960, kFontH = 168;

constexpr int glyphOffset(int code)
{
    int x = 0;
    for (int c = 32; c < code; ++c)
        x += kGlyphWidths[c - 32];
    return x;
}

// ---------------------------------------------------------------- digit strips
constexpr int kSmallDigitW = 10, kSmallDigitsH = 23;  // Number.jpg, at most 43 rows
constexpr int kLargeDigitW = 15, kLargeDigitsH = 27;  // level.jpg, at most 27 rows

// ---------------------------------------------------------------- EasyFood.jpg
constexpr Rect kSelectionFrame{400, 0, 450, 50};

// ---------------------------------------------------------------- Cursor.bmp
constexpr Rect kPointer{0, 0, 30, 30};
constexpr Rect kCheckMark{30, 0, 49, 25};

// ---------------------------------------------------------------- "game over.jpg"
constexpr Rect kEndPicture{328, 0, 731, 278};
constexpr Point kEndPictureAt{119, 101};
constexpr Rect kEndButtonHit{187, 303, 459, 351};
constexpr Point kEndButtonLitAt{180, 296};
constexpr int kBannerSheetW = 731, kBannerSheetH = 305;

// ---------------------------------------------------------------- main menu
struct MenuButton {
    const char* caption;
    Rect hit;
    Rect litCaption;  // in MenuTxt.bmp, drawn at hit.l, hit.t
    Rect picture;     // in MenuImage.jpg, drawn at kMenuPictureAt
};
constexpr MenuButton kMenuButtons[5] = {
    {"Resume", {85, 171, 264, 223}, {0, 0, 179, 52}, {0, 0, 245, 256}},
    {"New game", {85, 231, 264, 283}, {0, 52, 179, 104}, {245, 0, 490, 256}},
    {"Options", {85, 292, 264, 344}, {0, 104, 179, 156}, {490, 0, 735, 256}},
    {"High scores", {85, 354, 264, 406}, {0, 156, 179, 208}, {0, 256, 245, 508}},
    {"Exit", {85, 416, 264, 468}, {0, 208, 179, 260}, {245, 256, 490, 518}},
};
constexpr Point kMenuPictureAt{313, 195};
constexpr int kMenuPictureWindowH = 262;  // the tallest picture
constexpr int kMenuImageW = 735, kMenuImageH = 518;

// MenuTxt.bmp
constexpr Rect kGreyResume{0, 260, 179, 312};
constexpr Rect kSliderKnob{0, 312, 28, 333};
constexpr Rect kEndButtonLit{0, 831, 287, 894};
constexpr int kArrowFrames = 5;  // frames 0..4 (the clock can sit on 4)
constexpr Rect leftArrow(int f)
{
    return {179, 53 * f, 286, 53 * f + 53};
}
constexpr Rect rightArrow(int f)
{
    return {286, 53 * f + 1, 393, 53 * f + 54};
}
constexpr Rect kMenuButtonLit{179, 212, 264, 291};  // wins over the left arrow's frame 4
constexpr Rect kLevelCaption{179, 292, 276, 323};
constexpr int kMenuTxtW = 393, kMenuTxtH = 894;

// ---------------------------------------------------------------- options panel
constexpr Point kOptionsAt{161, 50};
constexpr int kOptionsW = 323, kOptionsH = 403;
struct Highlight {
    const char* caption;
    Rect source;  // in ActiveOption.bmp
    Point at;     // on screen
    Point check;  // check mark on screen, x < 0 when none
};
constexpr Highlight kOptionRows[3] = {
    {"Full screen", {0, 0, 156, 27}, {245, 82}, {206, 83}},
    {"Game cursor", {0, 27, 112, 52}, {266, 122}, {226, 121}},
    {"Food tiles", {0, 52, 146, 87}, {249, 159}, {211, 160}},
};
constexpr Highlight kOptionsBack{"Back", {0, 87, 112, 118}, {175, 403}, {-1, -1}};
constexpr Rect kOptionsBackHit{196, 403, 266, 431};
constexpr Highlight kOptionsHelp{"Help", {112, 87, 218, 125}, {363, 405}, {-1, -1}};
constexpr Rect kOptionsHelpHit{385, 405, 446, 442};
constexpr int kKnobMinX = 227, kKnobMaxX = 391;
constexpr int kMusicKnobY = 269, kSoundKnobY = 345;  // the sound knob is drawn at x + 1

// ---------------------------------------------------------------- game set-up panel
constexpr Point kSetUpAt{154, 48};
constexpr int kSetUpW = 332, kSetUpH = 383;
constexpr Highlight kSetUpRows[5] = {
    {"Timed", {112, 26, 210, 52}, {268, 116}, {239, 117}},
    {"Untimed", {0, 159, 137, 192}, {251, 158}, {219, 158}},
    {"6 kinds", {138, 159, 206, 194}, {286, 263}, {251, 266}},
    {"7 kinds", {0, 192, 108, 220}, {266, 303}, {232, 306}},
    {"8 kinds", {108, 194, 182, 221}, {282, 341}, {250, 342}},
};
constexpr Highlight kSetUpBack{"Back", {115, 125, 235, 158}, {172, 384}, {-1, -1}};
constexpr Rect kSetUpBackHit{198, 385, 269, 416};
constexpr Highlight kSetUpStart{"Start", {0, 118, 115, 156}, {348, 384}, {-1, -1}};
constexpr Rect kSetUpStartHit{377, 384, 437, 421};

// ---------------------------------------------------------------- high scores
constexpr Highlight kScoresBack{"Back", {0, 221, 83, 257}, {278, 423}, {-1, -1}};
constexpr Rect kScoresBackHit{285, 425, 354, 453};
constexpr Highlight kNameOk{"OK", {182, 194, 231, 231}, {295, 259}, {-1, -1}};
constexpr Rect kNameOkHit{299, 262, 338, 294};
constexpr Point kLeftArrowAt{8, 417};
constexpr Rect kLeftArrowHit{55, 426, 111, 466};
constexpr Point kRightArrowAt{522, 418};
constexpr Rect kRightArrowHit{524, 425, 581, 468};
constexpr Point kNamePanelAt{145, 175};
constexpr int kNamePanelW = 350, kNamePanelH = 130;
constexpr Point kNameTextAt{169, 229};
constexpr Point kUntimedLabelAt{221, 114};
constexpr Point kTimedLabelAt{507, 114};
constexpr Rect untimedLabel(int kinds)
{
    return {85, 35 * kinds + 47, 169, 35 * kinds + 81};
}
constexpr Rect timedLabel(int kinds)
{
    return {0, 35 * kinds + 47, 84, 35 * kinds + 81};
}
constexpr int kScoreRowY = 183, kScoreRowStep = 25, kScoreRows = 9;
constexpr int kUntimedCols[3] = {70, 85, 225};  // position, name, score
constexpr int kTimedCols[3] = {355, 370, 510};

// ActiveOption.bmp
constexpr Rect kBarCover{210, 0, 230, 73};
// Pairs of highlights that share pixels: those pixels stay transparent.
constexpr Rect kActiveOptionShared[2] = {{112, 26, 156, 27}, {112, 118, 115, 125}};
constexpr int kActiveOptionW = 235, kActiveOptionH = 361;

}  // namespace layout
