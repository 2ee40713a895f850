// Decoding a JPEG artwork file into plain 8-bit RGB rows with libjpeg.
#pragma once
#include <cstdint>

// The picture as width x height RGB triples, top row first, in a block the
// caller releases with std::free; nullptr (and both sizes 0) when the file
// cannot be opened or decoded, or is wider or higher than 8192 pixels.
uint8_t* decodeJpeg(const char* path, int& width, int& height);
