// Decoding a JPEG artwork file with libjpeg. A library error returns here
// through longjmp, so nothing with a destructor may live in this code.
#include "graphics/jpeg_decode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include <jerror.h>

#include "base/error.h"

namespace {
// No artwork comes close; a bigger picture is a damaged or hostile file.
constexpr JDIMENSION largestSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base;  // first, so libjpeg's pointer to it leads here as well
    std::jmp_buf back;
    void (*emitLibraryMessage)(j_common_ptr info, int level);
};

void logMessage(j_common_ptr info)
{
    char text[JMSG_LENGTH_MAX];
    info->err->format_message(info, text);
    logDiagnostic("JPEG : %s\n", text);
}

[[noreturn]] void abandonImage(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.output_message(info);
    std::longjmp(errors->back, 1);
}

// libjpeg only warns about a file that ends early and fills the missing part
// of the picture with grey; the game would rather show nothing than half a
// picture, so a cut-off file counts as undecodable.
void emitMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        info->err->error_exit(info);
    }
    reinterpret_cast<ErrorManager*>(info->err)->emitLibraryMessage(info, level);
}

uint8_t* giveUp(jpeg_decompress_struct* info, std::FILE* file, uint8_t* buffer)
{
    jpeg_destroy_decompress(info);
    std::fclose(file);
    std::free(buffer);
    return nullptr;
}
}  // namespace

uint8_t* decodeJpeg(const char* path, int& width, int& height)
{
    width = 0;
    height = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        logDiagnostic("JPEG :\nCan't open %s\n", path);
        return nullptr;
    }

    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = abandonImage;
    errors.base.output_message = logMessage;
    errors.emitLibraryMessage = errors.base.emit_message;
    errors.base.emit_message = emitMessage;
    // Read after the jump back, so it must not sit in a register.
    uint8_t* volatile buffer = nullptr;
    if (setjmp(errors.back)) {
        return giveUp(&info, file, buffer);
    }

    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > largestSide || info.image_height > largestSide) {
        logDiagnostic("JPEG : %s is larger than %u pixels\n", path, unsigned(largestSide));
        return giveUp(&info, file, nullptr);
    }
    // Colour pictures always come out as RGB, so a CMYK file fails in the
    // library instead of filling rows with four samples a pixel.
    if (info.jpeg_color_space != JCS_GRAYSCALE) {
        info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (info.output_width > largestSide || info.output_height > largestSide ||
        (components != 1 && components != 3)) {
        return giveUp(&info, file, nullptr);
    }

    const size_t rowBytes = size_t(info.output_width) * 3;
    uint8_t* const pixels = static_cast<uint8_t*>(std::malloc(rowBytes * info.output_height));
    if (!pixels) {
        return giveUp(&info, file, nullptr);
    }
    buffer = pixels;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * JDIMENSION(components), 1);
    while (info.output_scanline < info.output_height) {
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            return giveUp(&info, file, pixels);
        }
        uint8_t* out = pixels + size_t(info.output_scanline - 1) * rowBytes;
        const JSAMPLE* in = row[0];
        if (components == 3) {
            std::memcpy(out, in, rowBytes);
        } else {
            // Greyscale: the same sample in all three channels.
            for (size_t x = 0; x < info.output_width; ++x, out += 3) {
                out[0] = out[1] = out[2] = in[x];
            }
        }
    }
    jpeg_finish_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return pixels;
}
