// Every picture the game loads from "bmp/": one row each in artwork.cpp,
// loaded after every display set-up and freed before it.
#pragma once

class Sprite;

// Game screen.
extern Sprite* backgroundSprite;   // "BkGrnd.jpg"
extern Sprite* piecesSprite;       // "Figures.bmp", clipped to the board
extern Sprite* fontSprite;         // "Font.bmp", the bitmap font in its top rows
extern Sprite* smallDigitsSprite;  // "Number.jpg"
extern Sprite* bannerSprite;       // "game over.jpg", clipped to the board
extern Sprite* easyFoodSprite;     // "EasyFood.jpg", clipped to the board
extern Sprite* cursorSprite;       // "Cursor.bmp", the game's own pointer
extern Sprite* titleSprite;        // "GameGo.jpg"
extern Sprite* blinkSprite;        // "MenDown.bmp"
extern Sprite* panSprite;          // "skovoroda.bmp", the hint button's frames
extern Sprite* largeDigitsSprite;  // "level.jpg"
extern Sprite* mixerSprite;        // "mixer.bmp"
// Main menu.
extern Sprite* menuBackground;  // "Menu.jpg"
extern Sprite* menuPictures;    // "MenuImage.jpg"
extern Sprite* menuTextSprite;  // "MenuTxt.bmp", also drawn from by other screens
// Game set-up.
extern Sprite* activeOptionSprite;  // "ActiveOption.bmp", shared highlight sheet
extern Sprite* setUpPanel;          // "NewGame.jpg"
// High scores.
extern Sprite* highScoresBackground;  // "HighScores.jpg"
extern Sprite* namePanel;             // "WindowHS.JPG"
// Options.
extern Sprite* optionsPanel;  // "Options.jpg"

// Loads every picture in the table's order. An error box ends the game, and
// nothing after the picture that raised it is loaded; false then.
bool loadArtwork();
void freeArtwork();
