// Artwork files into sprites (placeholder until the loaders land).
#include "graphics/sprite.h"

#include <cstdio>

bool Sprite::loadSprite(const char* name, bool keyed)
{
    std::snprintf(fileName, sizeof fileName, "%s", name);
    readImageFile(name);
    const bool created = createSurface(width, height, keyed);
    uploadImage();
    freeImageData();
    return created;
}

bool Sprite::readImageFile(const char*)
{
    return false;
}

void Sprite::uploadImage() {}

void Sprite::freeImageData() {}

bool Sprite::reloadImage(const char* name)
{
    if (!readImageFile(name)) {
        return false;
    }
    uploadImage();
    freeImageData();
    return true;
}

bool Sprite::loadJpeg(const char*)
{
    return false;
}

void Sprite::drawJpegInto() {}
