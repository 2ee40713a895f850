// Options (placeholder until they land).
#include "screens/options.h"

uint8_t easyFood = 1;
int musicSliderX = 391;
int soundSliderX = 391;
uint8_t dragMusic = 0;
uint8_t dragSound = 0;
int grabOffsetMusic = 0;
int grabOffsetSound = 0;

bool loadOptionsArtwork()
{
    return true;
}
void freeOptionsArtwork() {}
void drawOptions() {}
void hoverOptions(int, int) {}
bool clickOptions(int, int)
{
    return false;
}
void clampSliders() {}
float musicVolumeFor(int)
{
    return 1.0f;
}
