// Where the game's fixed picture lies in a window or screen of any size, and
// the way back from a point of that area to the picture pixel under it.
#pragma once

constexpr int pictureWidth = 640;
constexpr int pictureHeight = 480;

// The picture's place in an output area, in output pixels. Sharp means a
// whole multiple of the picture, drawn with nearest pixels; otherwise the
// picture is scaled smoothly. The rest of the area is black.
struct PictureFit {
    int x = 0;
    int y = 0;
    int width = pictureWidth;
    int height = pictureHeight;
    bool sharp = true;
};

PictureFit fitPicture(int outputWidth, int outputHeight);

// The picture pixel under a point of the output area; false on a border
// (the pixel is then still reported, outside 0..639 x 0..479).
bool outputToPicture(const PictureFit& fit, double outputX, double outputY, int& pictureX, int& pictureY);

// The whole-number size factor for a first window on a display of this
// density, no larger than fits the usable area.
int comfortableScale(float dotsPerInch, int usableWidth, int usableHeight);
