// The options panel over the frozen menu: full screen, the game's pointer, the
// coloured tiles, the music and effect volume sliders, Back and Help.
#include "screens/options.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/hover.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "platform/window.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"

int musicSliderX = 391;
int soundSliderX = 391;
uint8_t dragMusic = 0;
uint8_t dragSound = 0;
int grabOffsetMusic = 0;

namespace {
int grabOffsetSound = 0;
constexpr int knobLeftEnd = 227;
constexpr int knobRightEnd = 391;

constexpr int panelX = 161;
constexpr int panelY = 50;
const PanelRow settingRows[3] = {
    {84, 32, {0, 0, 156, 27}},    // full screen
    {105, 72, {0, 27, 112, 52}},  // the game's pointer
    {88, 109, {0, 52, 146, 87}},  // coloured tiles under the pieces
};
const Rect backButton{196, 403, 266, 431};
const Rect helpButton{385, 405, 446, 442};

int clampKnob(int x)
{
    return x <= knobLeftEnd ? knobLeftEnd : x >= knobRightEnd ? knobRightEnd : x;
}

Rect musicKnob()
{
    return Rect{musicSliderX, 263, musicSliderX + 28, 294};
}

Rect soundKnob()
{
    return Rect{soundSliderX, 338, soundSliderX + 28, 369};
}

void drawSheet(Sprite* sheet, int x, int y, const Rect& source)
{
    sheet->drawTo(backBuffer, x, y, source.left, source.top, source.right, source.bottom);
}

void drawCheck(int x, int y)
{
    if (cursorSprite) {
        cursorSprite->drawTo(backBuffer, x, y, 30, 0, 49, 25);
    }
}
}  // namespace

float musicVolumeFor(int sliderX)
{
    const float volume = float(sliderX - 229) * 0.0060975607f;
    return volume < 0 ? 0 : volume > 1 ? 1 : volume;
}

int effectsVolumeFor(int sliderX)
{
    const double v = 5250.0 - 31.0 * (sliderX - 229);
    if (v > 5220.0) {
        return -10000;
    }
    // Even the right end of the slider stays 2.28 dB below full volume.
    return v < 0 ? 0 : -int(v);
}

void clampSliders()
{
    musicSliderX = clampKnob(musicSliderX);
    soundSliderX = clampKnob(soundSliderX);
    setEffectsVolume(effectsVolumeFor(soundSliderX));
}

void drawOptions()
{
    if (currentScreen != screenOptions || !optionsPanel) {
        return;
    }
    drawMenuBackdrop();
    optionsPanel->drawTo(backBuffer, panelX, panelY, 0, 0, 323, 403);
}

void hoverOptions(int x, int y)
{
    if (currentScreen != screenOptions || !activeOptionSprite || !menuTextSprite) {
        return;
    }
    if (dragMusic) {
        musicSliderX = clampKnob(x - grabOffsetMusic);
    } else if (dragSound) {
        soundSliderX = clampKnob(x - grabOffsetSound);
    }
    const bool onBack = pointInRect(backButton, x, y);
    const bool onHelp = pointInRect(helpButton, x, y);
    if (onBack) {
        drawSheet(activeOptionSprite, 175, 403, Rect{0, 87, 112, 118});
    }
    if (onHelp) {
        drawSheet(activeOptionSprite, 363, 405, Rect{112, 87, 218, 125});
    }
    const int row = panelRowAt(settingRows, panelX, panelY, x, y);
    if (row >= 0) {
        const Rect hit = panelRowRect(settingRows[row], panelX, panelY);
        drawSheet(activeOptionSprite, hit.left, hit.top, settingRows[row].source);
    }
    if (onBack || onHelp || row >= 0) {
        hoverSound(0);
    } else {
        hoverLatch = 0;
    }
    if (fullscreen) {
        drawCheck(206, 83);
    }
    // The player sees "the game's pointer on", the inverse of the stored flag.
    if (systemCursor == 0) {
        drawCheck(226, 121);
    }
    if (easyFood) {
        drawCheck(211, 160);
    }
    clampSliders();
    setMusicVolume(musicVolumeFor(musicSliderX));
    const Rect knob{0, 312, 28, 333};
    drawSheet(menuTextSprite, musicSliderX, 269, knob);
    drawSheet(menuTextSprite, soundSliderX + 1, 345, knob);
}

bool clickOptions(int x, int y)
{
    if (currentScreen != screenOptions) {
        return false;
    }
    // A grab alone does not take the click.
    if (pointInRect(musicKnob(), x, y)) {
        dragMusic = 1;
        grabOffsetMusic = x - musicSliderX;
    } else if (pointInRect(soundKnob(), x, y)) {
        dragSound = 1;
        grabOffsetSound = x - soundSliderX;
    }
    if (pointInRect(backButton, x, y)) {
        switchScreen(screenMainMenu, withClick | withMenuReset);
        return true;
    }
    if (pointInRect(helpButton, x, y)) {
        playSound(1);
        platformOpenFile("ReadMe.htm");
        return true;
    }
    switch (panelRowAt(settingRows, panelX, panelY, x, y)) {
    case 0:
        playSound(1);
        // The shell switches after the click chain; the switch reloads every
        // picture, so nothing else may run on the old ones in between.
        displayModeRequest = 1;
        return true;
    case 1:
        playSound(1);
        systemCursor = !systemCursor;
        return true;
    case 2:
        playSound(1);
        easyFood = !easyFood;
        return true;
    default:
        return false;
    }
}
