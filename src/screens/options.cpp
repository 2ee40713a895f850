// The options panel over the frozen menu: full screen, the game's pointer, the
// coloured tiles, the music and effect volume sliders, Back and Help.
#include "screens/options.h"

#include <algorithm>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/focus.h"
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
// The rows of the layout table, in this order.
enum SettingRow { fullScreenRow, gameCursorRow, foodTilesRow };

// The keys' items: the three rows, the two sliders, then Back and Help side by side.
enum OptionItem { musicItem = foodTilesRow + 1, soundItem, backItem, helpItem, optionItems };
int focused = backItem;

layout::Rect itemRect(int item)
{
    switch (item) {
    case backItem:
        return layout::optionsBackHit;
    case helpItem:
        return layout::optionsHelpHit;
    default:
        return layout::optionRows[item].rect();
    }
}

// The next mark of the scale under the groove in the step's direction.
int stepKnob(int x, int step)
{
    const int span = layout::knobMaxX - layout::knobMinX;
    int mark = step > 0 ? 0 : layout::sliderTicks;
    while (mark >= 0 && mark <= layout::sliderTicks) {
        const int markX = layout::knobMinX + span * mark / layout::sliderTicks;
        if ((step > 0 && markX > x) || (step < 0 && markX < x)) {
            return markX;
        }
        mark += step;
    }
    return x;
}

void drawSliderFocus()
{
    if (focused != musicItem && focused != soundItem) {
        return;
    }
    const bool music = focused == musicItem;
    const int x = music ? musicSliderX : soundSliderX + 1;
    const int y = music ? layout::musicKnobY : layout::soundKnobY;
    constexpr int margin = 4;
    drawFocusFrame({x - margin, y - margin, x + layout::sliderKnobSource.w() + margin,
                    y + layout::sliderKnobSource.h() + margin});
}

int clampKnob(int x)
{
    return std::clamp(x, layout::knobMinX, layout::knobMaxX);
}

layout::Rect knobHit(int knobX, int hitY)
{
    return {knobX, hitY, knobX + layout::sliderKnobSource.w(), hitY + layout::knobHitH};
}

void drawCheck(const layout::Highlight& row)
{
    if (cursorSprite) {
        cursorSprite->drawTo(backBuffer, row.check, layout::checkMarkSource);
    }
}
}  // namespace

// Both formulas work in floating point from the start: a slider read from a
// damaged save can lie anywhere in int.
float musicVolumeFor(int sliderX)
{
    const float volume = float(double(sliderX) - 229) * 0.0060975607f;
    return volume < 0 ? 0 : volume > 1 ? 1 : volume;
}

int effectsVolumeFor(int sliderX)
{
    const double v = 5250.0 - 31.0 * (double(sliderX) - 229);
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
    optionsPanel->drawTo(backBuffer, layout::optionsAt, {0, 0, layout::optionsW, layout::optionsH});
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
    const bool onBack = layout::optionsBackHit.contains(x, y);
    const bool onHelp = layout::optionsHelpHit.contains(x, y);
    if (onBack) {
        drawHighlight(layout::optionsBack);
    }
    if (onHelp) {
        drawHighlight(layout::optionsHelp);
    }
    const int row = panelRowAt(layout::optionRows, x, y);
    if (row != noPanelRow) {
        drawHighlight(layout::optionRows[row]);
    }
    if (onBack || onHelp || row != noPanelRow) {
        hoverSound(soundHover);
    } else {
        hoverLatch = 0;
    }
    if (fullscreen) {
        drawCheck(layout::optionRows[fullScreenRow]);
    }
    // The player sees "the game's pointer on", the inverse of the stored flag.
    if (systemCursor == 0) {
        drawCheck(layout::optionRows[gameCursorRow]);
    }
    if (easyFood) {
        drawCheck(layout::optionRows[foodTilesRow]);
    }
    clampSliders();
    setMusicVolume(musicVolumeFor(musicSliderX));
    menuTextSprite->drawTo(backBuffer, musicSliderX, layout::musicKnobY, layout::sliderKnobSource);
    menuTextSprite->drawTo(backBuffer, soundSliderX + 1, layout::soundKnobY, layout::sliderKnobSource);
    if (focusShown()) {
        drawSliderFocus();
    }
}

bool clickOptions(int x, int y)
{
    if (currentScreen != screenOptions) {
        return false;
    }
    // A grab alone does not take the click.
    if (knobHit(musicSliderX, layout::musicKnobHitY).contains(x, y)) {
        dragMusic = 1;
        grabOffsetMusic = x - musicSliderX;
    } else if (knobHit(soundSliderX, layout::soundKnobHitY).contains(x, y)) {
        dragSound = 1;
        grabOffsetSound = x - soundSliderX;
    }
    if (layout::optionsBackHit.contains(x, y)) {
        switchScreen(screenMainMenu, withClick | withMenuReset);
        return true;
    }
    if (layout::optionsHelpHit.contains(x, y)) {
        playSound(soundClick);
        platformOpenFile("ReadMe.htm");
        return true;
    }
    switch (panelRowAt(layout::optionRows, x, y)) {
    case fullScreenRow:
        playSound(soundClick);
        // The shell switches after the click chain; the switch reloads every
        // picture, so nothing else may run on the old ones in between.
        displayModeRequest = 1;
        return true;
    case gameCursorRow:
        playSound(soundClick);
        systemCursor = !systemCursor;
        return true;
    case foodTilesRow:
        playSound(soundClick);
        easyFood = !easyFood;
        return true;
    default:
        return false;
    }
}

bool focusOptions(int& x, int& y)
{
    if (currentScreen != screenOptions) {
        return false;
    }
    // A knob has no highlight: its frame is drawn by the hover.
    if (focused == musicItem || focused == soundItem) {
        x = focusNowhere;
        y = focusNowhere;
        return true;
    }
    centreOf(itemRect(focused), x, y);
    return true;
}

bool actOptions(Action action)
{
    if (currentScreen != screenOptions) {
        return false;
    }
    if (action == Action::back || (action == Action::press && focused != musicItem && focused != soundItem)) {
        int x = 0;
        int y = 0;
        centreOf(itemRect(action == Action::back ? int(backItem) : focused), x, y);
        const bool taken = clickOptions(x, y);
        if (currentScreen != screenOptions) {
            focused = backItem;
        }
        return taken;
    }
    if (stepPanelFocus(focused, action, backItem, backItem)) {
        return true;
    }
    const int step = horizontalStep(action);
    if (step == 0) {
        return false;
    }
    if (focused == musicItem) {
        musicSliderX = stepKnob(musicSliderX, step);
        return true;
    }
    if (focused == soundItem) {
        soundSliderX = stepKnob(soundSliderX, step);
        return true;
    }
    return false;
}
