// The artwork table: which file fills which sprite, keyed or not, with the
// clip rectangle its clipped copies use. Adding a picture is adding a row.
#include "graphics/artwork.h"

#include "base/layout.h"
#include "base/screen_state.h"
#include "graphics/sprite.h"

Sprite* backgroundSprite = nullptr;
Sprite* piecesSprite = nullptr;
Sprite* fontSprite = nullptr;
Sprite* smallDigitsSprite = nullptr;
Sprite* bannerSprite = nullptr;
Sprite* easyFoodSprite = nullptr;
Sprite* cursorSprite = nullptr;
Sprite* titleSprite = nullptr;
Sprite* blinkSprite = nullptr;
Sprite* panSprite = nullptr;
Sprite* largeDigitsSprite = nullptr;
Sprite* mixerSprite = nullptr;
Sprite* menuBackground = nullptr;
Sprite* menuPictures = nullptr;
Sprite* menuTextSprite = nullptr;
Sprite* activeOptionSprite = nullptr;
Sprite* setUpPanel = nullptr;
Sprite* highScoresBackground = nullptr;
Sprite* namePanel = nullptr;
Sprite* optionsPanel = nullptr;

namespace {
struct Artwork {
    const char* file;
    bool keyed;         // magenta is transparent
    layout::Rect clip;  // for clipped copies; most pictures never make one
    Sprite** sprite;
};

constexpr layout::Rect noClip{0, 0, 0, 0};
constexpr layout::Rect board = layout::boardArea;
constexpr layout::Rect screen = layout::screenArea;

// In the order the screens have always loaded them, so that a missing file
// shows the same error boxes as ever.
const Artwork artwork[] = {
    {"BkGrnd.jpg", false, noClip, &backgroundSprite},
    {"Figures.bmp", true, board, &piecesSprite},
    {"Font.bmp", true, noClip, &fontSprite},
    {"Number.jpg", true, noClip, &smallDigitsSprite},
    {"game over.jpg", true, board, &bannerSprite},
    {"EasyFood.jpg", true, board, &easyFoodSprite},
    {"Cursor.bmp", true, screen, &cursorSprite},
    {"GameGo.jpg", false, noClip, &titleSprite},
    {"MenDown.bmp", true, noClip, &blinkSprite},
    {"skovoroda.bmp", false, noClip, &panSprite},
    {"level.jpg", false, noClip, &largeDigitsSprite},
    {"mixer.bmp", true, noClip, &mixerSprite},
    {"Menu.jpg", false, noClip, &menuBackground},
    {"MenuImage.jpg", false, noClip, &menuPictures},
    {"MenuTxt.bmp", true, noClip, &menuTextSprite},
    {"ActiveOption.bmp", true, noClip, &activeOptionSprite},
    {"NewGame.jpg", true, noClip, &setUpPanel},
    {"HighScores.jpg", false, noClip, &highScoresBackground},
    {"WindowHS.JPG", false, noClip, &namePanel},
    {"Options.jpg", true, noClip, &optionsPanel},
};
}  // namespace

bool loadArtwork()
{
    for (const Artwork& a : artwork) {
        // Once an error box has ended the game nothing more is loaded; the
        // picture that raised it keeps its empty sprite.
        *a.sprite = windowDestroyed ? nullptr : new Sprite(a.file, a.keyed);
        if (*a.sprite) {
            (*a.sprite)->setClipRect(a.clip);
        }
    }
    return !windowDestroyed;
}

void freeArtwork()
{
    for (const Artwork& a : artwork) {
        deleteSprite(*a.sprite);
    }
}
