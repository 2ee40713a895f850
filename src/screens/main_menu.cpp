// Main menu (placeholder until it lands).
#include "screens/main_menu.h"

int menuHighlight = 5;
Sprite* menuTextSprite = nullptr;

bool loadMenuArtwork()
{
    return true;
}
void freeMenuArtwork() {}
void drawMenuBackdrop() {}
void drawMainMenu() {}
void hoverMainMenu(int, int) {}
bool clickMainMenu(int, int)
{
    return false;
}
