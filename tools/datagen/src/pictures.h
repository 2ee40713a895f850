// The list of pictures the game reads, how each is stored, and the renderers that draw
// them.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

enum class Format { jpeg, bmp24, bmp8 };

struct Picture {
    std::string file;  // name under bmp/
    Format format;
    Raster image;  // image.keyed tells whether magenta is transparent
};

// Renders all twenty pictures, in the order of the game's loading table.
std::vector<Picture> renderPictures();

// Encodes a picture in its file format; keyed JPEGs use the top quality.
std::vector<uint8_t> encodePicture(const Picture& p);

// Individual renderers, grouped by screen.
struct GameArt {
    Raster background;  // BkGrnd.jpg
    Raster pan;         // skovoroda.bmp
    Raster mixer;       // mixer.bmp
    Raster blink;       // MenDown.bmp
};
GameArt renderGameArt();
Raster renderFigures();
Raster renderEasyFood();
Raster renderCursor();
Raster renderFont();
Raster renderSmallDigits();
Raster renderLargeDigits();
Raster renderBanners();
Raster renderTitle();
Raster renderMenuBackground();
Raster renderMenuImages();
Raster renderMenuText();
Raster renderOptionsPanel();
Raster renderSetUpPanel();
Raster renderActiveOption();
Raster renderHighScores();
Raster renderNamePanel();
