// Little-endian numbers read out of file images: WAV and BMP headers and the
// save file all store theirs low byte first, whatever the machine's order.
#pragma once
#include <cstdint>

inline uint16_t readLe16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

inline uint32_t readLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
