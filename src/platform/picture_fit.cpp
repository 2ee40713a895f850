// Fitting the picture into an output area with its aspect kept: a whole
// multiple when one comes close to filling the area, a smooth scale otherwise.
#include "platform/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace {
// A whole multiple is preferred while it still covers this share of the
// largest fit: sharp pixels are worth a slightly wider border.
constexpr double sharpCoverage = 0.9;
// Dots per inch of the density the picture was made for.
constexpr float baseDensity = 96;
}  // namespace

PictureFit fitPicture(int outputWidth, int outputHeight)
{
    PictureFit fit;
    if (outputWidth <= 0 || outputHeight <= 0) {
        return fit;
    }
    const double largest = std::min(double(outputWidth) / pictureWidth, double(outputHeight) / pictureHeight);
    const double whole = std::floor(largest);
    if (whole >= 1 && whole >= largest * sharpCoverage) {
        fit.width = int(whole) * pictureWidth;
        fit.height = int(whole) * pictureHeight;
        fit.sharp = true;
    } else if (outputWidth * pictureHeight > outputHeight * pictureWidth) {
        fit.height = outputHeight;
        fit.width = std::max(1, outputHeight * pictureWidth / pictureHeight);
        fit.sharp = false;
    } else {
        fit.width = outputWidth;
        fit.height = std::max(1, outputWidth * pictureHeight / pictureWidth);
        fit.sharp = false;
    }
    fit.x = (outputWidth - fit.width) / 2;
    fit.y = (outputHeight - fit.height) / 2;
    return fit;
}

bool outputToPicture(const PictureFit& fit, double outputX, double outputY, int& pictureX, int& pictureY)
{
    pictureX = int(std::floor((outputX - fit.x) * pictureWidth / fit.width));
    pictureY = int(std::floor((outputY - fit.y) * pictureHeight / fit.height));
    return pictureX >= 0 && pictureY >= 0 && pictureX < pictureWidth && pictureY < pictureHeight;
}

int comfortableScale(float dotsPerInch, int usableWidth, int usableHeight)
{
    int scale = dotsPerInch > 0 ? int(std::lround(dotsPerInch / baseDensity)) : 1;
    while (scale > 1 && (scale * pictureWidth > usableWidth || scale * pictureHeight > usableHeight)) {
        --scale;
    }
    return std::max(scale, 1);
}
