// Artwork files from the "bmp" folder into sprites: the JPEG path through the
// decoder, the BMP path that keeps the file's own header and colour table, and
// the upload into the sprite's surface.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "base/bytes.h"
#include "base/error.h"
#include "graphics/jpeg_decode.h"
#include "graphics/sprite.h"
#include "platform/file.h"
#include "platform/surface.h"

namespace {
// "bmp/", at most 95 characters of file name and the terminator.
constexpr size_t pathSize = 100;
constexpr size_t fileHeaderSize = 14;
constexpr uint32_t infoHeaderSize = 40;
// The longest file taken in: the largest picture at 32 bits with room for
// its headers and colour table. Anything longer is not read at all.
constexpr size_t largestBmpFile = size_t(largestPictureArea) * 4 + (size_t(64) << 10);
constexpr uint32_t uncompressed = 0;
constexpr uint32_t bitFields = 3;

int32_t readI32(const uint8_t* p)
{
    const uint32_t u = readLe32(p);
    int32_t i = 0;
    std::memcpy(&i, &u, sizeof i);
    return i;
}

// False when the name is too long for the path buffer.
bool makePath(char (&path)[pathSize], const char* name)
{
    const int n = std::snprintf(path, sizeof path, "bmp/%s", name);
    return n >= 0 && size_t(n) < sizeof path;
}

// Checks the bitmap header at the start of the block and finds the pixel
// bits, which follow the header and its colour table directly (the file
// header's offset is not used). nullptr when the picture cannot be shown.
const uint8_t* findBmpPixels(const uint8_t* block, size_t size)
{
    if (size < infoHeaderSize) {
        return nullptr;
    }
    const uint32_t headerSize = readLe32(block);
    const int32_t width = readI32(block + 4);
    const int32_t height = readI32(block + 8);
    const uint16_t planes = readLe16(block + 12);
    const uint16_t bits = readLe16(block + 14);
    const uint32_t compression = readLe32(block + 16);
    uint32_t colours = readLe32(block + 32);

    if (headerSize < infoHeaderSize || headerSize > size || planes != 1) {
        return nullptr;
    }
    if (width <= 0 || width > largestPictureSide || height == 0 || height < -largestPictureSide ||
        height > largestPictureSide || int64_t(width) * std::abs(int64_t(height)) > largestPictureArea) {
        return nullptr;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return nullptr;
    }
    const bool masks = compression == bitFields && (bits == 16 || bits == 32);
    if (compression != uncompressed && !masks) {
        return nullptr;
    }
    if (colours == 0 && bits <= 8) {
        colours = 1u << bits;
    }
    if (bits <= 8 && colours > 1u << bits) {
        return nullptr;
    }
    uint64_t offset = uint64_t(headerSize) + 4 * uint64_t(colours);
    if (masks && headerSize < 52) {
        // A plain 40-byte header carries its three channel masks as its
        // colour table; anything between that and a header with the masks
        // inside is no known layout.
        if (headerSize != infoHeaderSize) {
            return nullptr;
        }
        offset += 12;
    }
    const uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
    const uint64_t rows = uint64_t(height < 0 ? -int64_t(height) : int64_t(height));
    if (offset > size || stride * rows > size - offset) {
        return nullptr;
    }
    return block + offset;
}
}  // namespace

bool Sprite::loadSprite(const char* name, bool keyed)
{
    readImageFile(name);
    const bool created = createSurface(width, height, keyed);
    uploadImage();
    freeImageData();
    return created;
}

bool Sprite::readImageFile(const char* name)
{
    char path[pathSize];
    const bool fits = makePath(path, name);
    if (isJpeg) {
        const bool decoded = fits && loadJpeg(path);
        width = jpegImage.width;
        height = jpegImage.height;
        if (!decoded) {
            // Named like a BMP that fails; the zero size then fails the surface.
            showError(name);
        }
        return decoded;
    }

    freeImageData();
    // The 14-byte file header is read with the rest and then passed over.
    std::vector<uint8_t> file;
    const bool read = fits && platformReadFile(path, largestBmpFile, file) && file.size() >= fileHeaderSize;
    const uint8_t* pixels =
        read ? findBmpPixels(file.data() + fileHeaderSize, file.size() - fileHeaderSize) : nullptr;
    if (!pixels) {
        // A damaged file ends the game like a missing one.
        showError(name);
        return false;
    }
    bmpFileData = std::move(file);
    const uint8_t* block = bmpFileData.data() + fileHeaderSize;
    bmpInfo = block;
    bmpPixels = pixels;
    width = readI32(block + 4);
    // A top-down file (negative height) is just as upright on screen.
    const int32_t rows = readI32(block + 8);
    height = rows < 0 ? -rows : rows;
    return true;
}

void Sprite::uploadImage()
{
    if (!surface) {
        return;
    }
    if (isJpeg) {
        drawJpegInto();
        return;
    }
    if (bmpInfo && bmpPixels) {
        platformUploadDib(surface, bmpInfo, bmpPixels);
    }
}

void Sprite::freeImageData()
{
    // Swapped out, since a cleared vector would keep its room.
    std::vector<uint8_t>().swap(bmpFileData);
    bmpInfo = nullptr;
    bmpPixels = nullptr;
    // A JPEG whose surface could not be made was never drawn, so its pixels
    // are still held here.
    std::free(jpegImage.pixels);
    jpegImage.pixels = nullptr;
}

bool Sprite::loadJpeg(const char* path)
{
    int w = 0;
    int h = 0;
    uint8_t* rgb = decodeJpeg(path, w, h);
    if (!rgb) {
        return false;
    }
    std::free(jpegImage.pixels);
    jpegImage.pixels = rgb;
    jpegImage.width = w;
    jpegImage.height = h;
    return true;
}

void Sprite::drawJpegInto()
{
    if (jpegImage.pixels) {
        platformUploadRgb(surface, jpegImage.pixels, jpegImage.width, jpegImage.height);
    }
    // Decoded pixels live only for the upload; the surface keeps the picture.
    std::free(jpegImage.pixels);
    jpegImage.pixels = nullptr;
}
