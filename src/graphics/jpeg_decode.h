// Decoding a JPEG artwork file into plain 8-bit RGB rows with libjpeg.
#pragma once
#include <cstdint>

// No artwork comes close to these; a bigger picture is a damaged or hostile
// file. The area keeps what one picture costs, from the file to its surface,
// under 64 MiB: a decoded JPEG takes seven bytes a pixel on its way in.
constexpr int largestPictureSide = 8192;
constexpr long largestPictureArea = 2048L * 2048;

// The picture as width x height RGB triples, top row first, in a block the
// caller releases with std::free; nullptr (and both sizes 0) when the file
// cannot be opened or decoded, or its picture is beyond the bounds above.
uint8_t* decodeJpeg(const char* path, int& width, int& height);
