// Where things are on screen and where their pictures lie in the artwork sheets:
// the game draws and hit-tests with these, and the data generator paints the sheets to them.
#pragma once

namespace layout {

struct Point {
    int x, y;
};

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
    // Where a scripted player presses a button.
    constexpr Point middle() const
    {
        return {(l + r) / 2, (t + b) / 2};
    }
};

constexpr int screenW = 640;
constexpr int screenH = 480;
constexpr Rect screenArea{0, 0, screenW, screenH};

// ---------------------------------------------------------------- game screen
constexpr int boardLeft = 236;
constexpr int boardTop = 4;
constexpr int cellSize = 50;
constexpr Rect boardArea{boardLeft, boardTop, boardLeft + 8 * cellSize, boardTop + 8 * cellSize};
constexpr Rect cellArea(int column, int row)
{
    return Rect{0, 0, cellSize, cellSize}.at(boardLeft + cellSize * column, boardTop + cellSize * row);
}
constexpr int pieceKinds = 8;
constexpr int pieceFrames = 14;

constexpr Point panAt{5, 24};                        // skovoroda.bmp frames are drawn here
constexpr int panW = 95, panH = 155, panFrames = 4;  // frames 0..3 (the clock can sit on 3)
constexpr Rect panHit{14, 100, 91, 175};             // hint button: the ellipse inscribed in this

constexpr Point mixerAt{36, 278};
constexpr int mixerSize = 109, mixerFrames = 12;  // frames 0..11 (the clock can sit on 11)
constexpr Point mixerMouth{91, 280};              // where flying pieces shrink into the mixer

constexpr Point blinkAt{112, 200};
constexpr int blinkW = 77, blinkH = 28;

constexpr Rect menuButtonHit{9, 376, 117, 473};
constexpr Point menuButtonLitAt{13, 379};

constexpr Point barAt{174, 339};
constexpr int barW = 20, barH = 73;

constexpr Point levelCaptionAt{295, 449};
constexpr int levelCentreX = 370, levelDigitsY = 453;
constexpr int scoreCentreX = 535, scoreDigitsY = 437;

// "game over.jpg" holds one banner per game phase, one above the other.
constexpr int bannerX = 286, bannerW = 300, bannerH = 61, bannerCount = 5;
constexpr Rect bannerFrame(int n)
{
    return {0, bannerH * n, bannerW, bannerH * n + bannerH};
}
// The pause sign takes the frame of the phase of normal play, which has no banner.
constexpr int pauseBanner = 1;
constexpr int pauseY = 170;

// ---------------------------------------------------------------- Font.bmp
constexpr int glyphRows = 17;
constexpr int glyphWidths[95] = {6,  4,  5,  11, 10, 16, 12, 4,  7,  5,  7,  11, 3,  8,  3,  6,   // 32..47
                                 11, 9,  10, 9,  11, 10, 10, 10, 10, 11, 5,  4,  10, 10, 10, 10,  // 48..63
                                 17, 13, 12, 13, 13, 12, 11, 14, 14, 4,  9,  12, 10, 15, 13, 14,  // 64..79
                                 12, 14, 13, 11, 12, 13, 11, 17, 13, 11, 12, 4,  6,  4,  8,  11,  // 80..95
                                 4,  10, 10, 9,  10, 10, 5,  10, 10, 2,  6,  9,  4,  15, 10, 10,  // 96..111
                                 10, 10, 6,  8,  6,  9,  9,  13, 10, 8,  10, 6,  9,  7,  0};      // 112..126
constexpr int titleButtonW = 320, titleButtonH = 65;
constexpr int titleFramesY = 38;  // frames 0, 1 and frame 0 again side by side
constexpr Rect titleLit{0, 103, 320, 168};
constexpr Point titleButtonAt{161, 406};
constexpr Rect titleHit{173, 422, 467, 463};

// ---------------------------------------------------------------- digit strips
constexpr int smallDigitW = 10;  // Number.jpg
constexpr int largeDigitW = 15;  // level.jpg

// ---------------------------------------------------------------- EasyFood.jpg
constexpr Rect selectionFrame{400, 0, 450, 50};

// ---------------------------------------------------------------- Cursor.bmp
constexpr Rect pointerSource{0, 0, 30, 30};
constexpr Rect checkMarkSource{30, 0, 49, 25};

// ---------------------------------------------------------------- "game over.jpg"
constexpr Rect endPictureSource{328, 0, 731, 278};
constexpr Point endPictureAt{119, 101};
constexpr Rect endButtonHit{187, 303, 459, 351};
constexpr Point endButtonLitAt{180, 296};

// ---------------------------------------------------------------- main menu
struct MenuButton {
    const char* caption;
    Rect hit;
    Rect litCaption;  // in MenuTxt.bmp, drawn at hit.l, hit.t
    Rect picture;     // in MenuImage.jpg, drawn at menuPictureAt
};
constexpr MenuButton menuButtons[5] = {
    {"Resume", {85, 171, 264, 223}, {0, 0, 179, 52}, {0, 0, 245, 256}},
    {"New game", {85, 231, 264, 283}, {0, 52, 179, 104}, {245, 0, 490, 256}},
    {"Options", {85, 292, 264, 344}, {0, 104, 179, 156}, {490, 0, 735, 256}},
    {"High scores", {85, 354, 264, 406}, {0, 156, 179, 208}, {0, 256, 245, 508}},
    {"Exit", {85, 416, 264, 468}, {0, 208, 179, 260}, {245, 256, 490, 518}},
};
constexpr Point menuPictureAt{313, 195};

// MenuTxt.bmp
constexpr Rect greyResume{0, 260, 179, 312};
constexpr Rect sliderKnobSource{0, 312, 28, 333};
constexpr Rect endButtonLit{0, 831, 287, 894};
constexpr int arrowFrames = 5;  // frames 0..4 (the clock can sit on 4)
constexpr Rect leftArrow(int f)
{
    return {179, 53 * f, 286, 53 * f + 53};
}
constexpr Rect rightArrow(int f)
{
    return {286, 53 * f + 1, 393, 53 * f + 54};
}
constexpr Rect menuButtonLit{179, 212, 264, 291};  // wins over the left arrow's frame 4
constexpr Rect levelCaption{179, 292, 276, 323};

// ---------------------------------------------------------------- options panel
constexpr Point optionsAt{161, 50};
constexpr int optionsW = 323, optionsH = 403;
struct Highlight {
    const char* caption;
    Rect source;  // in ActiveOption.bmp
    Point at;     // on screen
    Point check;  // check mark on screen, x < 0 when none
    // Where the highlight lies on screen.
    constexpr Rect rect() const
    {
        return source.at(at.x, at.y);
    }
};
constexpr Highlight optionRows[3] = {
    {"Full screen", {0, 0, 156, 27}, {245, 82}, {206, 83}},
    {"Game cursor", {0, 27, 112, 52}, {266, 122}, {226, 121}},
    {"Food tiles", {0, 52, 146, 87}, {249, 159}, {211, 160}},
};
constexpr Highlight optionsBack{"Back", {0, 87, 112, 118}, {175, 403}, {-1, -1}};
constexpr Rect optionsBackHit{196, 403, 266, 431};
constexpr Highlight optionsHelp{"Help", {112, 87, 218, 125}, {363, 405}, {-1, -1}};
constexpr Rect optionsHelpHit{385, 405, 446, 442};
constexpr int knobMinX = 227, knobMaxX = 391;
constexpr int sliderTicks = 8;                     // the scale's steps under each groove
constexpr int musicKnobY = 269, soundKnobY = 345;  // the sound knob is drawn at x + 1
// A knob takes a press a few pixels above and below its picture.
constexpr int musicKnobHitY = 263, soundKnobHitY = 338, knobHitH = 31;

// ---------------------------------------------------------------- game set-up panel
constexpr Point setUpAt{154, 48};
constexpr int setUpW = 332, setUpH = 383;
constexpr Highlight setUpRows[5] = {
    {"Timed", {112, 26, 210, 52}, {268, 116}, {239, 117}},
    {"Untimed", {0, 159, 137, 192}, {251, 158}, {219, 158}},
    {"6 kinds", {138, 159, 206, 194}, {286, 263}, {251, 266}},
    {"7 kinds", {0, 192, 108, 220}, {266, 303}, {232, 306}},
    {"8 kinds", {108, 194, 182, 221}, {282, 341}, {250, 342}},
};
constexpr Highlight setUpBack{"Back", {115, 125, 235, 158}, {172, 384}, {-1, -1}};
constexpr Rect setUpBackHit{198, 385, 269, 416};
constexpr Highlight setUpStart{"Start", {0, 118, 115, 156}, {348, 384}, {-1, -1}};
constexpr Rect setUpStartHit{377, 384, 437, 421};

// ---------------------------------------------------------------- high scores
constexpr Highlight scoresBack{"Back", {0, 221, 83, 257}, {278, 423}, {-1, -1}};
constexpr Rect scoresBackHit{285, 425, 354, 453};
constexpr Highlight nameOk{"OK", {182, 194, 231, 231}, {295, 259}, {-1, -1}};
constexpr Rect nameOkHit{299, 262, 338, 294};
constexpr Point leftArrowAt{8, 417};
constexpr Rect leftArrowHit{55, 426, 111, 466};
constexpr Point rightArrowAt{522, 418};
constexpr Rect rightArrowHit{524, 425, 581, 468};
constexpr Point namePanelAt{145, 175};
constexpr int namePanelW = 350, namePanelH = 130;
constexpr Point nameTextAt{169, 229};
constexpr Point untimedLabelAt{221, 114};
constexpr Point timedLabelAt{507, 114};
constexpr Rect untimedLabel(int kinds)
{
    return {85, 35 * kinds + 47, 169, 35 * kinds + 81};
}
constexpr Rect timedLabel(int kinds)
{
    return {0, 35 * kinds + 47, 84, 35 * kinds + 81};
}
constexpr int scoreRowY = 183, scoreRowStep = 25, scoreRows = 9;
constexpr int untimedCols[3] = {70, 85, 225};  // position, name, score
constexpr int timedCols[3] = {355, 370, 510};

// ActiveOption.bmp
constexpr Rect barCover{210, 0, 230, 73};

}  // namespace layout
