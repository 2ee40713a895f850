// Shared fixtures for the generator tests: two generator runs into temporary folders
// (made once per test binary), and small readers that follow the game's own rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pictures.h"

// The folders of the two runs; the first is the one most tests read.
const std::string& runDir();
const std::string& secondRunDir();
// Whether both generator runs exited with 0, and what they printed.
bool generatorSucceeded();
const std::string& generatorLog();

std::vector<uint8_t> readBytes(const std::string& path);

// A decoded picture file, RGB rows top first.
struct Decoded {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    bool key(int x, int y) const;  // the game's 5-6-5 colour-key test
    const uint8_t* at(int x, int y) const
    {
        return &rgb[(size_t(y) * width + x) * 3];
    }
};

// Reads bmp/<file> the way the game does: BMP pixel bits right after the 40-byte header
// and its colour table (bfOffBits is not used), JPEG through libjpeg.
Decoded loadPicture(const std::string& file);

// The pictures rendered in this process (what the generator meant to write).
const std::vector<Picture>& intendedPictures();
const Picture& intended(const std::string& file);

// Counts the opaque (not keyed) pixels of a rectangle.
long opaqueIn(const Decoded& d, int l, int t, int r, int b);
