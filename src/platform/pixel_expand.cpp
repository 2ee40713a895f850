// Conversion, scaling and change detection for the window's own surface. The
// picture changes little from frame to frame, so only the changed part is
// converted and sent.
#include "platform/pixel_expand.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {
constexpr int redBits = 5;
constexpr int greenBits = 6;
constexpr int blueBits = 5;
constexpr int greenShift = blueBits;
constexpr int redShift = greenBits + blueBits;
constexpr uint32_t greenMask = (1 << greenBits) - 1;
constexpr uint32_t blueMask = (1 << blueBits) - 1;
static_assert(redShift + redBits == 16, "a display pixel is 16 bits");
constexpr int weightOne = 256;  // fixed-point 1.0 of the smooth scaler's weights

// v * 255 / 31 and v * 255 / 63, rounded down, as multiply-and-shift (checked
// for every value), so the compiler can convert whole rows in vector registers.
constexpr uint32_t fiveBitFactor = 1053;
constexpr int fiveBitShift = 7;
constexpr uint32_t sixBitFactor = 259;
constexpr uint32_t sixBitBias = 3;
constexpr int sixBitShift = 6;

constexpr uint32_t fromFiveBits(uint32_t v)
{
    return v * fiveBitFactor >> fiveBitShift;
}

constexpr uint32_t fromSixBits(uint32_t v)
{
    return (v * sixBitFactor + sixBitBias) >> sixBitShift;
}

constexpr bool exactForEveryValue()
{
    for (uint32_t v = 0; v <= blueMask; ++v) {
        if (fromFiveBits(v) != v * 255 / blueMask) {
            return false;
        }
    }
    for (uint32_t v = 0; v <= greenMask; ++v) {
        if (fromSixBits(v) != v * 255 / greenMask) {
            return false;
        }
    }
    return true;
}
static_assert(exactForEveryValue(), "the multiply-and-shift forms must match the division");

inline uint32_t expand(uint16_t p)
{
    return fromFiveBits(uint32_t(p) >> redShift) << 16 |
           fromSixBits(uint32_t(p) >> greenShift & greenMask) << 8 | fromFiveBits(p & blueMask);
}

// Kept apart, with nothing aliased, so the compiler converts in vector registers.
void expandRow(const uint16_t* __restrict in, uint32_t* __restrict out, int count)
{
    for (int i = 0; i < count; ++i) {
        out[i] = expand(in[i]);
    }
}

const uint16_t* rowOf(const uint16_t* picture, int pitch, int y)
{
    return reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(picture) +
                                             std::ptrdiff_t(y) * pitch);
}

uint32_t* rowOf(uint32_t* out, int pitch, int y)
{
    return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out) + std::ptrdiff_t(y) * pitch);
}

// Red and blue, then green, mixed in two multiplications of packed channels.
inline uint32_t mix(uint32_t a, uint32_t b, uint32_t w)
{
    const uint32_t rb = ((a & 0xFF00FF) * (weightOne - w) + (b & 0xFF00FF) * w) >> 8 & 0xFF00FF;
    const uint32_t g = ((a & 0x00FF00) * (weightOne - w) + (b & 0x00FF00) * w) >> 8 & 0x00FF00;
    return rb | g;
}

// For each output column (or row) from `from` to `to`: the source pixel to
// its left and the weight of the one after it.
void sampleTable(int from, int to, int outSize, int pictureSize, std::vector<int>& index,
                 std::vector<uint32_t>& weight)
{
    index.resize(size_t(to - from));
    weight.resize(size_t(to - from));
    const double step = double(pictureSize) / outSize;
    for (int o = from; o < to; ++o) {
        const double s = std::clamp((o + 0.5) * step - 0.5, 0.0, double(pictureSize - 1));
        const int i = std::min(int(s), pictureSize - 2);
        index[size_t(o - from)] = i;
        weight[size_t(o - from)] = uint32_t(std::lround((s - i) * weightOne));
    }
}
}  // namespace

uint32_t expandPixel(uint16_t pixel)
{
    return expand(pixel);
}

bool takeChange(const uint16_t* now, int nowPitch, uint16_t* before, Rect& change)
{
    constexpr size_t rowBytes = size_t(pictureWidth) * sizeof(uint16_t);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < pictureHeight; ++y) {
        if (std::memcmp(rowOf(now, nowPitch, y), before + std::ptrdiff_t(y) * pictureWidth, rowBytes) != 0) {
            top = top < 0 ? y : top;
            bottom = y + 1;
        }
    }
    if (top < 0) {
        return false;
    }
    int left = pictureWidth;
    int right = 0;
    for (int y = top; y < bottom; ++y) {
        const uint16_t* a = rowOf(now, nowPitch, y);
        uint16_t* b = before + std::ptrdiff_t(y) * pictureWidth;
        int x = 0;
        while (x < left && a[x] == b[x]) {
            ++x;
        }
        left = std::min(left, x);
        int r = pictureWidth;
        while (r > right && a[r - 1] == b[r - 1]) {
            --r;
        }
        right = std::max(right, r);
        std::memcpy(b, a, rowBytes);
    }
    change = Rect{left, top, right, bottom};
    return true;
}

void expandSharp(const uint16_t* picture, int picturePitch, uint32_t* out, int outPitch, int scale,
                 const Rect& span)
{
    const size_t rowBytes = size_t(span.right - span.left) * size_t(scale) * sizeof(uint32_t);
    for (int y = span.top; y < span.bottom; ++y) {
        const uint16_t* in = rowOf(picture, picturePitch, y);
        uint32_t* first = rowOf(out, outPitch, (y - span.top) * scale);
        if (scale == 1) {
            expandRow(in + span.left, first, span.right - span.left);
            continue;
        }
        uint32_t* o = first;
        for (int x = span.left; x < span.right; ++x) {
            const uint32_t c = expand(in[x]);
            for (int k = 0; k < scale; ++k) {
                *o++ = c;
            }
        }
        for (int k = 1; k < scale; ++k) {
            std::memcpy(rowOf(out, outPitch, (y - span.top) * scale + k), first, rowBytes);
        }
    }
}

Rect expandSmooth(const uint32_t* expanded, uint32_t* out, int outPitch, const PictureFit& fit,
                  const Rect& span)
{
    // A source pixel reaches the output pixels within one source pixel of it.
    const double sx = double(fit.width) / pictureWidth;
    const double sy = double(fit.height) / pictureHeight;
    Rect o;
    o.left = std::max(0, int(std::floor((span.left - 1) * sx)));
    o.right = std::min(fit.width, int(std::ceil((span.right + 1) * sx)));
    o.top = std::max(0, int(std::floor((span.top - 1) * sy)));
    o.bottom = std::min(fit.height, int(std::ceil((span.bottom + 1) * sy)));
    if (o.left >= o.right || o.top >= o.bottom) {
        return Rect{};
    }
    static std::vector<int> columns;
    static std::vector<uint32_t> columnWeights;
    static std::vector<int> rows;
    static std::vector<uint32_t> rowWeights;
    sampleTable(o.left, o.right, fit.width, pictureWidth, columns, columnWeights);
    sampleTable(o.top, o.bottom, fit.height, pictureHeight, rows, rowWeights);
    for (int y = o.top; y < o.bottom; ++y) {
        const size_t ry = size_t(y - o.top);
        const uint32_t* upper = expanded + std::ptrdiff_t(rows[ry]) * pictureWidth;
        const uint32_t* lower = upper + pictureWidth;
        const uint32_t wy = rowWeights[ry];
        uint32_t* dst = rowOf(out, outPitch, y);
        for (int x = o.left; x < o.right; ++x) {
            const size_t cx = size_t(x - o.left);
            const int i = columns[cx];
            const uint32_t wx = columnWeights[cx];
            dst[x] = mix(mix(upper[i], upper[i + 1], wx), mix(lower[i], lower[i + 1], wx), wy);
        }
    }
    return o;
}
