// JPEG encoding and decoding through libjpeg, plus the 5-6-5 key comparison and file I/O.
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "image_files.h"

namespace {

struct ErrorJump {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void onError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

uint8_t clampByte(double v)
{
    return uint8_t(v < 0 ? 0 : v > 255 ? 255 : int(std::floor(v + 0.5)));
}

// Keyed pixels: Y 100, Cb 240, Cr 255 decode to R 278, G -29, B 298 before clamping,
// i.e. to the key with a margin of about 30 steps in every channel.
constexpr uint8_t keyY = 100, keyCb = 240, keyCr = 255;

}  // namespace

std::vector<uint8_t> encodeJpeg(const Raster& img, const JpegOptions& opt)
{
    jpeg_compress_struct cinfo;
    ErrorJump err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(size_t(img.width) * 3);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(img.width);
    cinfo.image_height = JDIMENSION(img.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    // We hand over YCbCr ourselves so that keyed pixels can use an out-of-gamut chroma.
    cinfo.in_color_space = JCS_YCbCr;
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    jpeg_set_quality(&cinfo, opt.quality, TRUE);
    for (int c = 0; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < img.width; ++x) {
            uint8_t* q = &row[size_t(x) * 3];
            if (img.transparent(x, y)) {
                q[0] = keyY;
                q[1] = keyCb;
                q[2] = keyCr;
                continue;
            }
            const Rgb c = img.at(x, y);
            q[0] = clampByte(0.299 * c.r + 0.587 * c.g + 0.114 * c.b);
            q[1] = clampByte(-0.168735892 * c.r - 0.331264108 * c.g + 0.5 * c.b + 128);
            q[2] = clampByte(0.5 * c.r - 0.418687589 * c.g - 0.081312411 * c.b + 128);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return out;
}

bool decodeJpeg(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgb)
{
    jpeg_decompress_struct cinfo;
    ErrorJump err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onError;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    width = int(cinfo.output_width);
    height = int(cinfo.output_height);
    rgb.assign(size_t(width) * height * 3, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {&rgb[size_t(cinfo.output_scanline) * width * 3]};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

long keyMismatches(const Raster& intended, int width, int height, const std::vector<uint8_t>& rgb)
{
    if (width != intended.width || height != intended.height)
        return long(width) * height + 1;
    long bad = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
            if (isKey565(p[0], p[1], p[2]) != intended.transparent(x, y))
                ++bad;
        }
    return bad;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool readFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return true;
}
