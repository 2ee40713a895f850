// Writing pictures as Windows BMP (24-bit, or 8-bit with a palette) and as JPEG, and
// reading our own JPEGs back to check what the game will see.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

// Encodes a 24-bit bottom-up BMP.
std::vector<uint8_t> encodeBmp24(const Raster& img);

// Encodes an 8-bit paletted bottom-up BMP. The colours are reduced to at most 256 (the key
// colour, when the picture is keyed, gets an entry of its own). The pixel bits follow the
// header and its colour table directly.
std::vector<uint8_t> encodeBmp8(const Raster& img);

struct JpegOptions {
    int quality = 95;
};

// Encodes a baseline JPEG without chroma subsampling. Keyed pixels are written with a
// chroma far beyond the key, so that decoding lands on 255,0,255 with a wide margin.
std::vector<uint8_t> encodeJpeg(const Raster& img, const JpegOptions& opt);

// Decodes an uncompressed 8- or 24-bit BMP to RGB rows, reading the pixel bits right after
// the header and colour table as the game does; returns false on anything else.
bool decodeBmp(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgb);

// Decodes a JPEG to 8-bit RGB rows; returns false on any error.
bool decodeJpeg(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgb);

// Counts the pixels whose 5-6-5 key test disagrees with the raster's mask.
long keyMismatches(const Raster& intended, int width, int height, const std::vector<uint8_t>& rgb);

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool readFile(const std::string& path, std::vector<uint8_t>& bytes);
