// Sprite: one surface with its size, optional magenta colour key and clip
// rectangle; and the copies between sprites that every picture of the game is
// put together with.
#pragma once
#include <cstdint>
#include <vector>

#include "base/layout.h"
#include "platform/rect.h"

struct PlatformSurface;

// A decoded JPEG waiting for its upload: red, green, blue triples, top row
// first.
struct JpegImage {
    uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

class Sprite {
public:
    Sprite();                                         // no surface yet
    Sprite(int width, int height, bool colourKeyed);  // blank off-screen surface
    Sprite(const char* fileName, bool colourKeyed);   // artwork from "bmp/"
    ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Surfaces.
    bool createSurface(int width, int height, bool colourKeyed);
    void setColourKey(int red, int green, int blue);
    void releaseSurface();

    // Artwork loading.
    bool loadSprite(const char* fileName, bool colourKeyed);
    bool readImageFile(const char* fileName);
    void uploadImage();
    void freeImageData();
    bool loadJpeg(const char* path);
    void drawJpegInto();

    // Copies, called on the source with the destination first.
    void drawTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight, int srcBottom);
    void drawClippedTo(Sprite* destination, int x, int y, int srcLeft, int srcTop, int srcRight,
                       int srcBottom);
    void drawStretchedTo(Sprite* destination, const Rect& destinationRect, const Rect& sourceRect);
    void setClipRect(int left, int top, int right, int bottom);

    // The same with a rectangle and a position from the layout table.
    void drawTo(Sprite* destination, int x, int y, const layout::Rect& source)
    {
        drawTo(destination, x, y, source.l, source.t, source.r, source.b);
    }
    void drawTo(Sprite* destination, layout::Point at, const layout::Rect& source)
    {
        drawTo(destination, at.x, at.y, source);
    }
    void drawClippedTo(Sprite* destination, int x, int y, const layout::Rect& source)
    {
        drawClippedTo(destination, x, y, source.l, source.t, source.r, source.b);
    }
    void setClipRect(const layout::Rect& clip)
    {
        setClipRect(clip.l, clip.t, clip.r, clip.b);
    }

    PlatformSurface* surface = nullptr;
    uint8_t colourKeyed = 0;
    int width = 0;
    int height = 0;
    uint32_t colourKey = 0;
    Rect clipRect;
    std::vector<uint8_t> bmpFileData;  // the whole file, while an upload is under way
    const uint8_t* bmpPixels = nullptr;
    const uint8_t* bmpInfo = nullptr;
    uint8_t isJpeg = 0;
    JpegImage jpegImage;
};

// Deletes the sprite (its surface with it) and clears the pointer.
void deleteSprite(Sprite*& sprite);
