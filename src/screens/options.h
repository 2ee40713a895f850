// The options panel: full screen, the game's pointer, the coloured tiles, the
// music and effect volume sliders, Back and Help.
#pragma once
#include <cstdint>

#include "base/actions.h"

extern int musicSliderX;
extern int soundSliderX;
extern uint8_t dragMusic;
extern uint8_t dragSound;
extern int grabOffsetMusic;

void drawOptions();
void hoverOptions(int x, int y);
bool clickOptions(int x, int y);
void clampSliders();
// By keys: up and down through the check boxes, the sliders, Back and Help;
// left and right move a slider by a step of its scale, or go between Back and Help.
bool focusOptions(int& x, int& y);
bool actOptions(Action action);
// The music gain the slider position asks for, 0..1.
float musicVolumeFor(int sliderX);
// The effects volume the slider position asks for, in hundredths of a decibel.
int effectsVolumeFor(int sliderX);
