// The main menu: background, the picture of the button under the pointer, and
// five caption buttons (resume, new game, options, high scores, exit).
#pragma once

class Sprite;

// menuHighlight when no button is lit: one past the last button.
constexpr int noMenuHighlight = 5;

extern int menuHighlight;       // button under the pointer 0..4, or noMenuHighlight
extern Sprite* menuTextSprite;  // "MenuTxt.bmp", also drawn from by other screens

bool loadMenuArtwork();
void freeMenuArtwork();
void drawMenuBackdrop();
void drawMainMenu();
void hoverMainMenu(int x, int y);
bool clickMainMenu(int x, int y);
