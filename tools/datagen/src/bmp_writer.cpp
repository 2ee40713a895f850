// BMP encoding: 24-bit and 8-bit paletted, bottom-up, BITMAPINFOHEADER only.
#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "image_files.h"

namespace {

void put16(std::vector<uint8_t>& v, unsigned x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

void putHeaders(std::vector<uint8_t>& out, int w, int h, int bits, uint32_t colours, uint32_t imageBytes)
{
    const uint32_t offBits = 14 + 40 + 4 * colours;
    out.push_back('B');
    out.push_back('M');
    put32(out, offBits + imageBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, offBits);
    put32(out, 40);
    put32(out, uint32_t(w));
    put32(out, uint32_t(h));  // positive: bottom-up
    put16(out, 1);
    put16(out, unsigned(bits));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, colours);
    put32(out, colours);
}

// Median cut over the distinct colours, weighted by how often they occur.
struct Bucket {
    std::vector<std::pair<uint32_t, uint32_t>> colours;  // packed rgb, count
};

int channel(uint32_t c, int k)
{
    return int((c >> (16 - 8 * k)) & 255);
}

std::vector<Rgb> medianCut(std::vector<std::pair<uint32_t, uint32_t>> all, size_t maxColours)
{
    std::vector<Bucket> buckets(1);
    buckets[0].colours = std::move(all);
    while (buckets.size() < maxColours) {
        // Split the bucket with the widest channel range.
        int best = -1, bestRange = 0, bestChannel = 0;
        for (size_t i = 0; i < buckets.size(); ++i) {
            if (buckets[i].colours.size() < 2)
                continue;
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (auto& c : buckets[i].colours) {
                    lo = std::min(lo, channel(c.first, k));
                    hi = std::max(hi, channel(c.first, k));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = int(i);
                    bestChannel = k;
                }
            }
        }
        if (best < 0)
            break;
        auto& cs = buckets[size_t(best)].colours;
        std::sort(cs.begin(), cs.end(), [&](auto& a, auto& b) {
            const int ca = channel(a.first, bestChannel), cb = channel(b.first, bestChannel);
            return ca != cb ? ca < cb : a.first < b.first;
        });
        uint64_t total = 0;
        for (auto& c : cs)
            total += c.second;
        uint64_t run = 0;
        size_t split = 1;
        for (size_t i = 0; i + 1 < cs.size(); ++i) {
            run += cs[i].second;
            split = i + 1;
            if (run * 2 >= total)
                break;
        }
        Bucket second;
        second.colours.assign(cs.begin() + long(split), cs.end());
        cs.resize(split);
        buckets.push_back(std::move(second));
    }
    std::vector<Rgb> palette;
    for (auto& b : buckets) {
        uint64_t sum[3] = {0, 0, 0}, n = 0;
        for (auto& c : b.colours) {
            for (int k = 0; k < 3; ++k)
                sum[k] += uint64_t(channel(c.first, k)) * c.second;
            n += c.second;
        }
        palette.push_back(awayFromKey(
            {uint8_t((sum[0] + n / 2) / n), uint8_t((sum[1] + n / 2) / n), uint8_t((sum[2] + n / 2) / n)}));
    }
    return palette;
}

}  // namespace

std::vector<uint8_t> encodeBmp24(const Raster& img)
{
    const uint32_t stride = (uint32_t(img.width) * 3 + 3) & ~3u;
    std::vector<uint8_t> out;
    out.reserve(54 + stride * img.height);
    putHeaders(out, img.width, img.height, 24, 0, stride * uint32_t(img.height));
    for (int y = img.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.resize(start + stride, 0);
    }
    return out;
}

std::vector<uint8_t> encodeBmp8(const Raster& img)
{
    const size_t n = size_t(img.width) * img.height;
    std::map<uint32_t, uint32_t> counts;
    for (size_t i = 0; i < n; ++i) {
        if (img.keyed && img.mask[i])
            continue;
        const uint8_t* p = &img.rgb[i * 3];
        counts[(uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]]++;
    }
    std::vector<Rgb> palette;
    palette.reserve(256);
    if (img.keyed)
        palette.push_back(keyColour);
    if (!counts.empty())
        for (const Rgb& c : medianCut({counts.begin(), counts.end()}, 256 - palette.size()))
            palette.push_back(c);
    if (palette.empty())
        palette.push_back({0, 0, 0});
    const size_t first = img.keyed ? 1 : 0;

    // Nearest palette entry for every distinct colour.
    std::map<uint32_t, uint8_t> index;
    for (auto& c : counts) {
        const int r = channel(c.first, 0), g = channel(c.first, 1), b = channel(c.first, 2);
        long best = -1;
        size_t bestI = first;
        for (size_t i = first; i < palette.size(); ++i) {
            const long dr = r - palette[i].r, dg = g - palette[i].g, db = b - palette[i].b;
            const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (best < 0 || d < best) {
                best = d;
                bestI = i;
            }
        }
        index[c.first] = uint8_t(bestI);
    }

    const uint32_t stride = (uint32_t(img.width) + 3) & ~3u;
    std::vector<uint8_t> out;
    putHeaders(out, img.width, img.height, 8, uint32_t(palette.size()), stride * uint32_t(img.height));
    for (auto& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = img.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < img.width; ++x) {
            const size_t i = size_t(y) * img.width + x;
            if (img.keyed && img.mask[i]) {
                out.push_back(0);
                continue;
            }
            const uint8_t* p = &img.rgb[i * 3];
            out.push_back(index[(uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]]);
        }
        out.resize(start + stride, 0);
    }
    return out;
}

bool decodeBmp(const std::vector<uint8_t>& b, int& width, int& height, std::vector<uint8_t>& rgb)
{
    auto u16 = [&](size_t o) { return unsigned(b[o]) | unsigned(b[o + 1]) << 8; };
    auto u32 = [&](size_t o) { return uint32_t(u16(o)) | uint32_t(u16(o + 2)) << 16; };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return false;
    const uint32_t infoSize = u32(14);
    width = int(u32(18));
    const int32_t h = int32_t(u32(22));
    const unsigned bits = u16(28);
    if (u32(30) != 0 || (bits != 8 && bits != 24) || width <= 0 || h == 0)
        return false;
    height = h < 0 ? -h : h;
    uint32_t colours = u32(46);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    const size_t table = 14 + infoSize, pixels = table + 4 * size_t(colours);
    const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
    if (b.size() < pixels + stride * height)
        return false;
    rgb.assign(size_t(width) * height * 3, 0);
    for (int y = 0; y < height; ++y) {
        const size_t row = pixels + stride * size_t(h < 0 ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint8_t* q = &rgb[(size_t(y) * width + x) * 3];
            const uint8_t* p = bits == 24 ? &b[row + size_t(x) * 3] : &b[table + 4 * size_t(b[row + x])];
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    }
    return true;
}
